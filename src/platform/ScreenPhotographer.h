#pragma once

#include <QImage>

class QScreen;

// Takes a photograph of a whole screen as it stands, before anything of ours covers it.
class ScreenPhotographer {
public:
    virtual ~ScreenPhotographer() = default;
    // A null image when no photograph can be had. The image may use memory of the photographer's
    // own, valid until release() or the next photograph: hold it alone, never copy it.
    virtual QImage photograph(QScreen* screen) = 0;
    // The last photograph is no longer needed: its memory goes back to the system.
    virtual void release() = 0;
};
