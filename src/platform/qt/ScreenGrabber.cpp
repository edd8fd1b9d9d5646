#include "platform/qt/ScreenGrabber.h"

#include <QPixmap>
#include <QScreen>

QImage grabScreen(QScreen* screen) {
    if (!screen)
        return {};
    return screen->grabWindow(0).toImage();
}
