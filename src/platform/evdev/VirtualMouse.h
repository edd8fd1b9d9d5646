#pragma once

#include "platform/evdev/MouseDevice.h"

#include <memory>
#include <string>
#include <vector>

// A copy of a mouse made through uinput, where the events we do not keep go on to the desktop.
// It has the mouse's name, identity, buttons and axes (the high-resolution wheel included), so
// the desktop treats it as the mouse itself; only its phys says it is ours.
class VirtualMouse {
public:
    static std::unique_ptr<VirtualMouse> copy(const MouseDescription& mouse,
                                              const std::string& uinputPath);
    // Gone with the copy: the desktop sees the device unplugged.
    ~VirtualMouse();
    VirtualMouse(const VirtualMouse&) = delete;
    VirtualMouse& operator=(const VirtualMouse&) = delete;

    // Whole frames, as the mouse sent them; false when the kernel refused them.
    bool write(const std::vector<input_event>& events);

private:
    explicit VirtualMouse(int fd) : m_fd(fd) {}

    int m_fd;
};
