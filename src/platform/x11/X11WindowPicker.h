#pragma once

#include "platform/WindowPicker.h"

#include <memory>

class QSocketNotifier;
struct xcb_connection_t;

// Picks on a connection of its own, opened for the pick: the pointer is taken from the server
// as a grab of that connection, and its end lets the pointer go.
class X11WindowPicker final : public WindowPicker {
public:
    X11WindowPicker();
    ~X11WindowPicker() override;
    bool start() override;
    void stop() override;

private:
    void readEvents();

    xcb_connection_t* m_connection = nullptr;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
