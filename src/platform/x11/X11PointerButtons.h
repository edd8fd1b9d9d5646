#pragma once

#include "platform/PointerButtons.h"

#include <QObject>

#include <cstdint>
#include <memory>

class QSocketNotifier;
struct xcb_connection_t;

// On X11: the pointer's button mask from xcb_query_pointer on Qt's own connection, and XInput2
// raw button presses from the root window on a connection of its own (so Qt's event selection is
// left alone), which catch clicks shorter than a poll interval. On any other platform (offscreen
// tests, Wayland) it is unavailable and reports no button.
class X11PointerButtons final : public QObject, public PointerButtons {
    Q_OBJECT

public:
    X11PointerButtons();
    ~X11PointerButtons() override;

    bool isAvailable() const override { return m_connection != nullptr; }
    MiddleButtonState readMiddleButton() override;

private:
    bool queryMiddleButton() const;
    void watchRawPresses();
    void readRawPresses();

    xcb_connection_t* m_connection = nullptr; // Qt's
    std::uint32_t m_root = 0;
    xcb_connection_t* m_rawConnection = nullptr; // ours, for raw events
    std::uint8_t m_inputOpcode = 0;
    std::unique_ptr<QSocketNotifier> m_rawNotifier;
    bool m_pressedSinceLastReading = false;
};
