#pragma once

#include "platform/TriggerButton.h"
#include "platform/x11/X11ButtonGrab.h"

#include <QObject>
#include <QThread>

// The trigger button on X11, watched by an X11ButtonGrab on a thread of its own and brought to
// the user interface's thread, in Qt's device-independent pixels. Where Qt does not run on X11
// it is unavailable and reports no button.
class X11TriggerButton final : public QObject, public TriggerButton {
    Q_OBJECT

public:
    X11TriggerButton();
    ~X11TriggerButton() override;

    bool isAvailable() const override { return m_grab && !m_grab->watchedElsewhere(); }
    bool watchedElsewhere() const override { return m_grab && m_grab->watchedElsewhere(); }
    bool deliversPresses() const override { return m_mode != X11ButtonGrab::Mode::Poll; }
    void setHandler(TriggerHandler* handler) override { m_handler = handler; }
    void configure(const TriggerSettings& settings) override;
    TriggerState read() override;
    void setWelcome(const PressWelcome& welcome) override;
    void releaseKeyboard() override;

private:
    QThread m_thread;
    X11ButtonGrab* m_grab = nullptr; // on m_thread, which deletes it as it ends
    X11ButtonGrab::Mode m_mode = X11ButtonGrab::Mode::Poll;
    TriggerHandler* m_handler = nullptr;
};
