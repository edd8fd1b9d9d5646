#pragma once

// The middle button's state anywhere on the screen, read without grabbing the pointer.
struct MiddleButtonState {
    bool downNow = false;
    // Went down since the previous reading, however briefly: a click between two polls.
    bool pressedSinceLastReading = false;
};

class PointerButtons {
public:
    virtual ~PointerButtons() = default;
    // False when the buttons cannot be read (no X11 display, for instance).
    virtual bool isAvailable() const = 0;
    virtual MiddleButtonState readMiddleButton() = 0;
};
