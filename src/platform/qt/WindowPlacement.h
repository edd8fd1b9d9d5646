#pragma once

#include <QGuiApplication>

// Where windows cannot place themselves (Wayland), the desktop places them: a window covers a
// screen only as a full-screen one, and where the pointer is stays unknown until it moves over
// one of ours.
inline bool windowsPlacedByTheDesktop() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
