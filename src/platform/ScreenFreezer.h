#pragma once

#include <QImage>
#include <QRect>
#include <QWindow>

#include <memory>

// The screen as it stood, held by the display server rather than by us: shown behind a window of
// ours, and read back a piece at a time, so that no picture of the whole screen crosses over.
class FrozenScreen {
public:
    virtual ~FrozenScreen() = default;
    // Shown wherever the window (which covers the frozen area) has nothing drawn of its own.
    virtual void showBehind(WId window) = 0;
    // A piece of it, in the frozen area's pixels, as RGB32.
    virtual QImage piece(const QRect& area) const = 0;
    // Puts a picture on the window, its corner at this place.
    virtual void put(WId window, const QImage& picture, QPoint at) = 0;
};

// Freezes areas of the screen, where the display server can hold them (X11).
class ScreenFreezer {
public:
    virtual ~ScreenFreezer() = default;
    // The area (in the server's pixels) as it stands now; nothing where it cannot be held.
    virtual std::unique_ptr<FrozenScreen> freeze(const QRect& area) = 0;
};
