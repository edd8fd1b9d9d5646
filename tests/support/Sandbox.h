#pragma once

// Points HOME and the XDG folders at a fresh temporary folder for the whole test program, so no
// test reads or writes the user's settings or shortcuts. Call before any Qt object exists.
void sandboxUserFolders();
