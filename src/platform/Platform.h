#pragma once

class OverlaySurfaces;
class ProgramStarter;
class ScreenFreezer;
class ScreenPhotographer;
class TriggerButton;
class WindowPicker;

// The platform services the main window works with; tests hand in fakes.
struct Platform {
    TriggerButton& trigger;
    ScreenPhotographer& photographer;
    ProgramStarter& starter;
    // Where the compositor offers them: the overlays without a photograph show the desktop
    // through them.
    OverlaySurfaces* surfaces = nullptr;
    // Where the display server can hold the frozen screen itself: the overlays of unscaled
    // screens show it instead of a photograph.
    ScreenFreezer* freezer = nullptr;
    // Where other programs' windows can be seen (X11).
    WindowPicker* windowPicker = nullptr;
    // Where windows cannot place themselves (Wayland), the desktop places them: a window covers
    // a screen only as a full-screen one, and where the pointer is stays unknown until it moves
    // over one of ours.
    bool windowsPlacedByTheDesktop = false;
};
