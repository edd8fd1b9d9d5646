#pragma once

#include "tray/NotificationShell.h"

// Whether a pointer message over the notification icon brings the main window back: a right
// double click, or any middle-button message. Decoded from the message number itself, so the
// rule holds at every screen density.
constexpr bool showsMainWindow(std::uint32_t pointerMessage) {
    return pointerMessage == WM_RBUTTONDBLCLK ||
           (pointerMessage >= WM_MBUTTONDOWN && pointerMessage <= WM_MBUTTONDBLCLK);
}
