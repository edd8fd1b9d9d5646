#pragma once

#include "platform/Platform.h"

#include <memory>

class WaylandConnection;

// The services of the desktop this program runs on, chosen once: X11's, or Wayland's and what
// its compositor offers. Made after the application, which opens the display.
class DesktopPlatform {
public:
    // Before the application: in a Wayland session the desktop is Wayland's, since X11
    // (through Xwayland) would see neither the mouse over other programs nor their windows. X11
    // stays the fallback when Qt cannot speak Wayland here.
    static void preferWayland();

    DesktopPlatform();
    ~DesktopPlatform();

    Platform platform() const;

private:
    bool m_wayland;
    std::unique_ptr<WaylandConnection> m_connection; // made first, gone last
    std::unique_ptr<TriggerButton> m_trigger;
    std::unique_ptr<ScreenPhotographer> m_photographer;
    std::unique_ptr<ProgramStarter> m_starter;
    std::unique_ptr<OverlaySurfaces> m_surfaces;
    std::unique_ptr<ScreenFreezer> m_freezer;
    std::unique_ptr<WindowPicker> m_windowPicker;
};
