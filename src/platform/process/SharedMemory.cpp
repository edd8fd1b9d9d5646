#include "platform/process/SharedMemory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>

std::optional<SharedMemory> makeSharedMemory(const char* name, std::size_t size) {
    const int file = ::memfd_create(name, MFD_CLOEXEC);
    void* address = file >= 0 && ::ftruncate(file, off_t(size)) == 0
                        ? ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, file, 0)
                        : MAP_FAILED;
    if (address == MAP_FAILED) {
        const int reason = errno;
        if (file >= 0)
            ::close(file);
        errno = reason;
        return std::nullopt;
    }
    return SharedMemory{file, address, size};
}
