#include "platform/ScreenPhotographer.h"

#include <QPixmap>
#include <QScreen>

QImage ScreenGrabber::photograph(QScreen* screen) {
    if (!screen)
        return {};
    return screen->grabWindow(0).toImage();
}
