#pragma once

#include <QImage>

#include <functional>

class QScreen;

// Takes a photograph of a whole screen as it stands, before anything of ours covers it.
class ScreenPhotographer {
public:
    // Receives the photograph: a null image when none could be had. The image may use memory of
    // the photographer's own, valid until release() or the next photograph: hold it alone, never
    // copy it.
    using Delivery = std::function<void(QImage photograph)>;

    virtual ~ScreenPhotographer() = default;
    // Hands the photograph over at once where the screen can be read (X11), later where the
    // desktop has to be asked for it (Wayland). One photograph at a time.
    virtual void photograph(QScreen* screen, Delivery deliver) = 0;
    // The last photograph is no longer needed: its memory goes back to the system.
    virtual void release() = 0;
};
