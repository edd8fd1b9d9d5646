#include "platform/process/Memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {
// A 1920 x 1080 image line is 7.5 KB; anything from a small image up gets its own mapping.
constexpr int largeBlockBytes = 256 * 1024;
} // namespace

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
