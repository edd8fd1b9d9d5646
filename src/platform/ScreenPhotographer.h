#pragma once

#include <QImage>
#include <QList>

#include <functional>

class QScreen;

// Takes photographs of whole screens as they stand, before anything of ours covers them.
class ScreenPhotographer {
public:
    // Receives one photograph a screen, in the order they were asked for: a null image where
    // none could be had. An image may use memory of the photographer's own, valid until
    // release() or the next photographs: hold it alone, never copy it.
    using Delivery = std::function<void(QList<QImage> photographs)>;

    virtual ~ScreenPhotographer() = default;
    // Hands the photographs over at once where the screen can be read (X11), later where the
    // desktop has to be asked for them (Wayland). One request at a time.
    virtual void photograph(const QList<QScreen*>& screens, Delivery deliver) = 0;
    // The last photographs are no longer needed: their memory goes back to the system.
    virtual void release() = 0;
    // Whether the desktop is asking the user to let us photograph the screen (a dialog of its
    // own is up), which is why the last photographs are missing.
    virtual bool desktopIsAsking() const { return false; }
};
