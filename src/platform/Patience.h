#pragma once

// How long the program waits for the desktop or its compositor (a photograph, an answer) before
// it goes on without: one frame is what it usually takes, and a gesture must not wait longer.
inline constexpr int desktopPatienceMs = 1000;
