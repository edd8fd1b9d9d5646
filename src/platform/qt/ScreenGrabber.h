#pragma once

#include <QImage>

class QScreen;

// The platform's screen grab (on X11 the root window's pixels), for when the screen cannot be
// read more directly. A null image without a screen. The clipboard is never touched.
QImage grabScreen(QScreen* screen);
