#pragma once

#include <linux/input.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

// What a mouse is to the kernel: its name and identity, and the events it can send. A copy made
// with the same keeps the desktop's settings for it (speed, acceleration, the hardware
// database's entries).
struct MouseDescription {
    std::string name;
    std::string phys;
    input_id id{};
    std::array<unsigned char, KEY_MAX / 8 + 1> keys{};
    std::array<unsigned char, REL_MAX / 8 + 1> relative{};
    std::array<unsigned char, MSC_MAX / 8 + 1> miscellaneous{};
    std::array<unsigned char, INPUT_PROP_MAX / 8 + 1> properties{};
};

// The phys of our own copies: never taken for a mouse.
inline constexpr char copyPhysPrefix[] = "gestrix-input/";

// True for a mouse or a pointing stick: relative motion and a left button, and never a single
// keyboard key (a keyboard is not ours to read, even one that also moves a pointer). Not our
// own copies.
bool isMouse(const MouseDescription& description);

// One mouse's event device, opened without blocking.
class MouseDevice {
public:
    // The device at path if it is a mouse, else nothing.
    static std::unique_ptr<MouseDevice> open(const std::string& path);
    ~MouseDevice();
    MouseDevice(const MouseDevice&) = delete;
    MouseDevice& operator=(const MouseDevice&) = delete;

    int descriptor() const { return m_fd; }
    const std::string& path() const { return m_path; }
    const MouseDescription& description() const { return m_description; }
    // A button is down: grabbing now would leave it stuck on the desktop's side.
    bool anyButtonDown() const;
    // Takes every event of the device for this descriptor alone; the kernel gives it back when
    // the descriptor closes.
    bool grab();
    // The events waiting, in order; false when the device is gone (unplugged: ENODEV).
    bool read(std::vector<input_event>& events);

private:
    MouseDevice(int fd, std::string path, MouseDescription description);

    int m_fd;
    std::string m_path;
    MouseDescription m_description;
};
