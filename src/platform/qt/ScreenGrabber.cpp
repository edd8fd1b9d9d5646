#include "platform/qt/ScreenGrabber.h"

#include <QPixmap>
#include <QScreen>

QImage ScreenGrabber::grab(QScreen* screen) {
    if (!screen)
        return {};
    return screen->grabWindow(0).toImage();
}
