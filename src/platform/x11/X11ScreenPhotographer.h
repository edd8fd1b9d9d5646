#pragma once

#include "platform/ScreenPhotographer.h"

#include <cstddef>
#include <cstdint>

// Photographs a screen through MIT-SHM: the X server copies the root window's pixels straight
// into memory shared with it, kept for the screen's size, and the photograph is an image over
// that memory, with no copy on our side.
//
// The memory is a memfd whose pages exist only during a gesture: release() punches them out, so
// between gestures the memory is the system's. Getting them back costs time (a 4K screen's 8 000
// pages took 25 ms here when the server faulted them in one by one), so the photograph is taken
// in bands: the pages of a band are allocated in one call while the server copies the band
// before. Without MIT-SHM 1.2, or at a depth other than 24 bits, it falls back to Qt's grab.
class X11ScreenPhotographer final : public ScreenPhotographer {
public:
    X11ScreenPhotographer();
    ~X11ScreenPhotographer() override;

    void photograph(const QList<QScreen*>& screens, Delivery deliver) override;
    void release() override;

private:
    // The photograph in the shared memory; a null image when it could not be taken there.
    QImage takeShared(QScreen* screen);
    bool makeSegment(std::size_t size);
    bool takeInBands(const QRect& native);
    void dropSegment();

    bool m_usable = false;
    std::uint32_t m_segment = 0; // the server's name for it
    int m_file = -1;
    unsigned char* m_memory = nullptr;
    std::size_t m_size = 0;
};
