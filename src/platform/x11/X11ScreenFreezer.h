#pragma once

#include "platform/ScreenFreezer.h"

// The X server copies the screen into a pixmap of its own, which backs the overlay's window: no
// pixel crosses to us but the pieces the stroke, the frame and the label are drawn over. Needs
// 24-bit colour in 32-bit words, as RGB32 has them.
class X11ScreenFreezer final : public ScreenFreezer {
public:
    std::unique_ptr<FrozenScreen> freeze(const QRect& area) override;
};
