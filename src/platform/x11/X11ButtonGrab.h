#pragma once

#include "platform/ClickOrHold.h"
#include "platform/TriggerButton.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <memory>

class QSocketNotifier;
struct xcb_button_press_event_t;
struct xcb_connection_t;
struct xcb_query_pointer_reply_t;
struct xcb_screen_t;

// The trigger button on X11, on a connection of its own so that Qt's event selection is left
// alone and the presses it takes never reach Qt. It lives on a thread of its own: while a press
// waits to be taken or replayed the server holds the whole desktop's pointer, so the answer must
// never wait for the user interface. Positions here are the server's pixels. In the order it
// tries them:
//  - a passive, synchronous grab of the button on the root window, for every modifier: each press
//    comes here first and is either taken (a gesture starts, the window below never sees the
//    press nor its release, nor a key typed from the press on) or replayed to the window below
//    as if nothing had grabbed it. Where quick clicks are given back, a taken press waits until
//    it moves or is held before it starts a gesture; released at once, it is replayed to the
//    window below as a click (through XTest, let past our own grab);
//  - XInput2 raw presses, when another program holds that grab: seen at once, but the window
//    below gets them too;
//  - a poll of the pointer's button mask (read()), when XInput2 is missing too.
// One Gestrix a display watches the button, whatever its user or runtime folder: the first
// claims the display (the selection GESTRIX_S0, as window managers claim WM_S0); a later one
// leaves the button alone.
class X11ButtonGrab final : public QObject {
    Q_OBJECT

public:
    enum class Mode { Grab, RawPresses, Poll };

    // Connects and claims the display, on the thread that makes it; unconnected without X11.
    X11ButtonGrab();
    ~X11ButtonGrab() override;

    bool isConnected() const { return m_connection != nullptr; }
    bool watchedElsewhere() const { return m_elsewhere; }

    // On its own thread from here on.
    void listen();
    Mode configure(const TriggerSettings& settings);
    TriggerState read();
    void setWelcome(const PressWelcome& welcome) { m_welcome = welcome; }
    void releaseKeyboard();

Q_SIGNALS:
    // A taken press starts a gesture (or, seen but not taken, is reported all the same); then,
    // while it is held, where the pointer goes and where the button comes up.
    void pressed(const TriggerPress& press);
    void heldMove(QPoint position);
    void released(QPoint position);

private:
    bool claimDisplay(const xcb_screen_t& screen);
    bool grab(int button);
    void ungrab();
    void selectRawPresses(bool on);
    void readEvents();
    void pressedNow(const xcb_button_press_event_t& event);
    // The verdict on a taken press whose fate waited: a gesture starts, or the click is given
    // back.
    void decided(ClickOrHold::Verdict verdict);
    void giveClickBack();
    // A press where the pointer is now: its place, the modifiers held, the window class below.
    TriggerPress pressUnder(const xcb_query_pointer_reply_t& pointer) const;

    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_root = 0;
    std::uint8_t m_inputOpcode = 0; // XInput2's, 0 without it
    std::unique_ptr<QSocketNotifier> m_notifier;
    TriggerSettings m_settings;
    PressWelcome m_welcome; // its icon area in the server's pixels
    Mode m_mode = Mode::Poll;
    int m_grabbed = 0;      // the button grabbed, 0 for none
    bool m_held = false;    // a taken press whose button is still down
    TriggerPress m_waiting; // a taken press not yet a gesture nor a click
    ClickOrHold m_clickOrHold;
    QTimer m_clickTimer{this};
    QPoint m_pointer;       // where a held press is now
    int m_replaysAhead = 0; // our own presses of the button, on their way to be replayed
    bool m_keyboardTaken = false;
    bool m_pressedSinceLastReading = false;
    std::uint32_t m_selection = 0;        // the display's, GESTRIX_S0
    std::uint32_t m_claim = 0;            // the window that holds it
    std::atomic<bool> m_elsewhere{false}; // another instance holds it
};
