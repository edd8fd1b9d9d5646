#pragma once

#include "platform/PointerButtons.h"

struct xcb_connection_t;

// Reads the button state with xcb_query_pointer on Qt's own X connection. On any other platform
// (offscreen tests, Wayland) it is unavailable and reports no button.
class X11PointerButtons final : public PointerButtons {
public:
    X11PointerButtons();
    bool isAvailable() const override { return m_connection != nullptr; }
    bool middleButtonDown() override;

private:
    xcb_connection_t* m_connection = nullptr;
    unsigned int m_root = 0;
};
