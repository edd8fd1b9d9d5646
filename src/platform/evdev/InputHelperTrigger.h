#pragma once

#include "platform/TriggerButton.h"
#include "platform/evdev/FrameFilter.h"

#include <QLocalSocket>
#include <QObject>

// The trigger button on Wayland desktops, which give no program the mouse over other windows:
// read from the mouse itself by the system's input helper (gestrix-input), which keeps the
// trigger's press and release for us and gives everything else to the desktop. Neither the
// pointer's place nor the keys held are known with a press, so neither the pass-through key nor
// the excluded applications apply here; a quick click goes back to the application instead.
class InputHelperTrigger final : public QObject, public TriggerButton {
    Q_OBJECT

public:
    // Connects to the helper at its socket (GESTRIX_INPUT_SOCKET, else the system's) and waits
    // a moment for its welcome.
    InputHelperTrigger();

    // The helper answered and serves us.
    bool isAvailable() const override { return m_serving; }
    bool needsAccess() const override { return !m_serving; }
    bool deliversPresses() const override { return true; }
    void setHandler(TriggerHandler* handler) override { m_handler = handler; }
    void configure(const TriggerSettings& settings) override;
    TriggerState read() override { return {}; }
    void setWelcome(const PressWelcome& welcome) override;

private:
    void hear();
    void tell();

    QLocalSocket m_socket;
    TriggerHandler* m_handler = nullptr;
    TriggerChoice m_choice{.code = BTN_MIDDLE, .clicksGivenBack = true, .taking = true};
    bool m_serving = false;
};
