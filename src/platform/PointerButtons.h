#pragma once

// The state of the pointer's buttons anywhere on the screen, without grabbing them.
class PointerButtons {
public:
    virtual ~PointerButtons() = default;
    // False when the state cannot be read (no X11 display, for instance).
    virtual bool isAvailable() const = 0;
    // The middle button is down now.
    virtual bool middleButtonDown() = 0;
};
