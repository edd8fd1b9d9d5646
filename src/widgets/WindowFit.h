#pragma once

#include <QSize>

class QWidget;

// Windows laid out in fixed places, as at 96 dots an inch, on screens too small for them once
// scaled (a laptop at 200 %): the whole window shrinks, places, sizes and text alike.
namespace look {

// How much a window of this size must shrink to fit an area of this size with its title bar:
// 1 when it fits.
qreal fitFactor(QSize window, QSize available);

// Shrinks a window of fixed layout to fit the available area of its screen; a window that can be
// resized is only made no larger than that area.
void fitOnScreen(QWidget* window);

// How much the window holding this widget was shrunk: 1 when it was not. Widgets that paint
// to fixed measures paint at this scale.
qreal shrinkOf(const QWidget* widget);

} // namespace look
