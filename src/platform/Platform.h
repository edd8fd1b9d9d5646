#pragma once

class ProgramStarter;
class ScreenPhotographer;
class TriggerButton;

// The platform services the main window works with; tests hand in fakes.
struct Platform {
    TriggerButton& trigger;
    ScreenPhotographer& photographer;
    ProgramStarter& starter;
};
