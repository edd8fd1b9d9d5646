#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>

#include <xcb/xcb.h>

#include <cstdint>

#include <cstdlib>
#include <memory>

// Frees an xcb reply or event when it goes out of scope.
struct XcbFree {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using XcbPointer = std::unique_ptr<T, XcbFree>;

// Qt's connection to the X server; null when Qt does not run on X11 (offscreen tests, Wayland),
// where the offscreen platform even offers a native interface with a null connection.
xcb_connection_t* qtConnection();

// The first screen of a connection, or null.
const xcb_screen_t* firstScreen(xcb_connection_t* connection);

// True when the root window's pixels are 24-bit colour in 32-bit words, as Format_RGB32 has them.
bool hasRgb32Pixels(xcb_connection_t* connection);

// The WM_CLASS names of the application window at or below this child of the root.
QStringList windowClassAt(xcb_connection_t* connection, std::uint32_t window);

// A point of the root window, in the server's pixels, in Qt's device-independent pixels: a scaled
// screen keeps its corner where the server has it and divides the rest by its pixel ratio.
QPoint logicalOf(QPoint native);
// The other way: an area in device-independent pixels, in the server's pixels.
QRect nativeOf(const QRect& logical);
