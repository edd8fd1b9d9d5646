#pragma once

class LayerShell;
class ProgramStarter;
class ScreenFreezer;
class ScreenPhotographer;
class TriggerButton;

// The platform services the main window works with; tests hand in fakes.
struct Platform {
    TriggerButton& trigger;
    ScreenPhotographer& photographer;
    ProgramStarter& starter;
    // Where the compositor offers one: the overlays without a photograph show the desktop
    // through it.
    LayerShell* layers = nullptr;
    // Where the display server can hold the frozen screen itself: the overlays of unscaled
    // screens show it instead of a photograph.
    ScreenFreezer* freezer = nullptr;
};
