#pragma once

#include "platform/ScreenPhotographer.h"

// The platform's screen grab (on X11 the root window's pixels). The clipboard is never touched.
class ScreenGrabber final : public ScreenPhotographer {
public:
    static QImage grab(QScreen* screen);

    void photograph(QScreen* screen, Delivery deliver) override { deliver(grab(screen)); }
    void release() override {}
};
