#pragma once

// A gesture allocates several screen-sized images and frees them when the overlay closes. By
// default the C library raises its threshold for giving large blocks their own mapping each time
// such a block is freed, so the next ones come from the heap and stay with the process.

// Gives every large block its own mapping, returned to the system when it is freed. Call once at
// start-up.
void returnLargeBlocksWhenFreed();

// Hands back what is left free at the top of the heap.
void releaseFreedMemory();
