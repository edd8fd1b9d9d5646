#include "platform/process/Memory.h"

// Included first: it is what says whether this is glibc.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>

namespace {
// A 1920 x 1080 image line is 7.5 KB; anything from a small image up gets its own mapping.
constexpr int largeBlockBytes = 256 * 1024;
} // namespace
#endif

void returnLargeBlocksWhenFreed() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, largeBlockBytes);
#endif
}

void releaseFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
