#pragma once

#include <QColor>
#include <QRect>

class QLabel;
class QPushButton;
class QString;
class QWidget;

// The look every window of the program shares.
namespace look {

inline const QColor panelGrey(0xE0, 0xE0, 0xE0);

// Arial 8.25 point on a light grey background, and the program's icon.
void applyToWindow(QWidget* window);

// A filled rectangle: the white header bands, the score panel.
QWidget* filledRectangle(QWidget* parent, const QRect& geometry, const QColor& colour);

void makeBold(QWidget* widget);

// Fonts differ from system to system: a label never cuts its text, it grows to the right instead.
void fitText(QLabel* label);
// A label of a window, at its place, bold where the window has it so.
QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, bool bold = false);
// A button that answers neither Enter nor Escape on its own: the windows say what those do.
QPushButton* button(QWidget* parent, const QString& text, const QRect& geometry = {});

// Moves a window to the middle of its screen's available area.
void centreOnScreen(QWidget* window);

} // namespace look
