#pragma once

#include <QImage>

class QScreen;

// Takes a photograph of a whole screen as it stands, before anything of ours covers it.
class ScreenPhotographer {
public:
    virtual ~ScreenPhotographer() = default;
    // A null image when no photograph can be had.
    virtual QImage photograph(QScreen* screen) = 0;
};
