#pragma once

#include <cstddef>
#include <optional>

// Memory another process can be handed by its descriptor (the X server, the compositor): a
// memfd of this size, mapped here for reading and writing. Nothing, with errno saying why, when
// it cannot be had. The caller unmaps and closes it.
struct SharedMemory {
    int file = -1;
    void* address = nullptr;
    std::size_t size = 0;
};
std::optional<SharedMemory> makeSharedMemory(const char* name, std::size_t size);
