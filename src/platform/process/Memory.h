#pragma once

// Hands memory the program has freed back to the system. A closed overlay frees several
// screen-sized images, which the C library would otherwise keep for the life of the process.
void releaseFreedMemory();
