#pragma once

class LayerShell;
class ProgramStarter;
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
};
