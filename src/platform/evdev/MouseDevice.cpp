#include "platform/evdev/MouseDevice.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

bool bit(const unsigned char* bits, int number) {
    return (bits[number / 8] >> (number % 8)) & 1;
}

template <std::size_t N>
bool ioctlBits(int fd, unsigned long request, std::array<unsigned char, N>& bits) {
    return ioctl(fd, request, bits.data()) >= 0;
}

std::string ioctlText(int fd, unsigned long request) {
    char text[256] = {};
    return ioctl(fd, request, text) >= 0 ? std::string(text) : std::string();
}

} // namespace

bool isMouse(const MouseDescription& description) {
    if (description.phys.starts_with(copyPhysPrefix))
        return false;
    const unsigned char* keys = description.keys.data();
    for (int code = 1; code < BTN_MISC; ++code) {
        if (bit(keys, code))
            return false;
    }
    return bit(description.relative.data(), REL_X) && bit(description.relative.data(), REL_Y) &&
           bit(keys, BTN_LEFT);
}

std::unique_ptr<MouseDevice> MouseDevice::open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    MouseDescription description;
    description.name = ioctlText(fd, EVIOCGNAME(256));
    description.phys = ioctlText(fd, EVIOCGPHYS(256));
    const bool described =
        ioctl(fd, EVIOCGID, &description.id) >= 0 &&
        ioctlBits(fd, EVIOCGBIT(EV_KEY, KEY_MAX / 8 + 1), description.keys) &&
        ioctlBits(fd, EVIOCGBIT(EV_REL, REL_MAX / 8 + 1), description.relative) &&
        ioctlBits(fd, EVIOCGBIT(EV_MSC, MSC_MAX / 8 + 1), description.miscellaneous) &&
        ioctlBits(fd, EVIOCGPROP(INPUT_PROP_MAX / 8 + 1), description.properties);
    // Stamped on the clock the click's time is counted on.
    const int clock = CLOCK_MONOTONIC;
    if (!described || !isMouse(description) || ioctl(fd, EVIOCSCLOCKID, &clock) < 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<MouseDevice>(new MouseDevice(fd, path, std::move(description)));
}

MouseDevice::MouseDevice(int fd, std::string path, MouseDescription description)
    : m_fd(fd), m_path(std::move(path)), m_description(std::move(description)) {}

MouseDevice::~MouseDevice() {
    ::close(m_fd);
}

bool MouseDevice::anyButtonDown() const {
    std::array<unsigned char, KEY_MAX / 8 + 1> down{};
    if (ioctl(m_fd, EVIOCGKEY(down.size()), down.data()) < 0)
        return true;
    return std::any_of(down.begin(), down.end(), [](unsigned char bits) { return bits != 0; });
}

bool MouseDevice::grab() {
    return ioctl(m_fd, EVIOCGRAB, 1) == 0;
}

bool MouseDevice::read(std::vector<input_event>& events) {
    input_event buffer[64];
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got > 0) {
            events.insert(events.end(), buffer, buffer + got / sizeof(input_event));
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        // EAGAIN: all read. ENODEV (or an end): the mouse was pulled out.
        return got < 0 && errno == EAGAIN;
    }
}
