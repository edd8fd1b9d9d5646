#include "platform/evdev/VirtualMouse.h"

#include <linux/uinput.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// Each bit set in bits, declared with request.
template <std::size_t N>
bool declare(int fd, unsigned long request, const std::array<unsigned char, N>& bits) {
    for (std::size_t number = 0; number < N * 8; ++number) {
        if (((bits[number / 8] >> (number % 8)) & 1) && ioctl(fd, request, number) < 0)
            return false;
    }
    return true;
}

} // namespace

std::unique_ptr<VirtualMouse> VirtualMouse::copy(const MouseDescription& mouse,
                                                 const std::string& uinputPath) {
    const int fd = ::open(uinputPath.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    uinput_setup setup{};
    setup.id = mouse.id;
    std::strncpy(setup.name, mouse.name.c_str(), UINPUT_MAX_NAME_SIZE - 1);
    const std::string phys = copyPhysPrefix + mouse.phys;
    const bool made =
        ioctl(fd, UI_SET_EVBIT, EV_KEY) >= 0 && ioctl(fd, UI_SET_EVBIT, EV_REL) >= 0 &&
        ioctl(fd, UI_SET_EVBIT, EV_MSC) >= 0 && ioctl(fd, UI_SET_EVBIT, EV_SYN) >= 0 &&
        declare(fd, UI_SET_KEYBIT, mouse.keys) && declare(fd, UI_SET_RELBIT, mouse.relative) &&
        declare(fd, UI_SET_MSCBIT, mouse.miscellaneous) &&
        declare(fd, UI_SET_PROPBIT, mouse.properties) &&
        ioctl(fd, UI_SET_PHYS, phys.c_str()) >= 0 && ioctl(fd, UI_DEV_SETUP, &setup) >= 0 &&
        ioctl(fd, UI_DEV_CREATE) >= 0;
    if (!made) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<VirtualMouse>(new VirtualMouse(fd));
}

VirtualMouse::~VirtualMouse() {
    ioctl(m_fd, UI_DEV_DESTROY);
    ::close(m_fd);
}

bool VirtualMouse::write(const std::vector<input_event>& events) {
    const auto* bytes = reinterpret_cast<const char*>(events.data());
    std::size_t left = events.size() * sizeof(input_event);
    while (left > 0) {
        const ssize_t written = ::write(m_fd, bytes, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}
