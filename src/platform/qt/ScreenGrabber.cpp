#include "platform/qt/ScreenGrabber.h"

#include <QPixmap>
#include <QScreen>

QImage ScreenGrabber::photograph(QScreen* screen) {
    if (!screen)
        return {};
    return screen->grabWindow(0).toImage();
}
