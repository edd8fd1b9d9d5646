#pragma once

#include <QColor>
#include <QRect>

class QWidget;

// The look every window of the program shares.
namespace look {

inline const QColor panelGrey(0xE0, 0xE0, 0xE0);

// Arial 8.25 point on a light grey background, and the program's icon.
void applyToWindow(QWidget* window);

// A filled rectangle: the white header bands, the score panel.
QWidget* filledRectangle(QWidget* parent, const QRect& geometry, const QColor& colour);

void makeBold(QWidget* widget);

// Moves a window to the middle of its screen's available area.
void centreOnScreen(QWidget* window);

} // namespace look
