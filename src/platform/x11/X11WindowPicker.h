#pragma once

#include "platform/WindowPicker.h"

#include <cstdint>
#include <memory>
#include <optional>

class QSocketNotifier;
struct xcb_connection_t;

// Picks on a connection of its own, opened for the pick: the pointer and the keyboard are taken
// from the server as grabs of that connection, and its end lets them go.
class X11WindowPicker final : public WindowPicker {
public:
    X11WindowPicker();
    ~X11WindowPicker() override;
    bool start() override;
    void stop() override;

private:
    void readEvents();
    // The pick is over: the connection goes, and the grabs with it.
    void finish();

    xcb_connection_t* m_connection = nullptr;
    std::optional<std::uint8_t> m_escape; // Escape's key code
    std::unique_ptr<QSocketNotifier> m_notifier;
};
