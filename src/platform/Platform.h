#pragma once

class PointerButtons;
class ProgramStarter;
class ScreenPhotographer;

// The platform services the main window works with; tests hand in fakes.
struct Platform {
    PointerButtons& buttons;
    ScreenPhotographer& photographer;
    ProgramStarter& starter;
};
