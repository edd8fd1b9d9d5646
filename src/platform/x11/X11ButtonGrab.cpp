#include "platform/x11/X11ButtonGrab.h"

#include "platform/x11/Xcb.h"

#include <QLoggingCategory>
#include <QSocketNotifier>

#include <xcb/xinput.h>
#include <xcb/xtest.h>

#include <utility>

Q_LOGGING_CATEGORY(lcTrigger, "gestrix.trigger", QtCriticalMsg)

namespace {

// While a taken press is held, its motion and release come here too.
constexpr std::uint16_t grabEventMask =
    XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION;

Qt::KeyboardModifiers modifiersOf(std::uint16_t state) {
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, state & XCB_MOD_MASK_SHIFT);
    modifiers.setFlag(Qt::ControlModifier, state & XCB_MOD_MASK_CONTROL);
    modifiers.setFlag(Qt::AltModifier, state & XCB_MOD_MASK_1);
    modifiers.setFlag(Qt::MetaModifier, state & XCB_MOD_MASK_4);
    return modifiers;
}

// XInput2's events travel as generic events: without that extension they never arrive.
bool hasGenericEvents(xcb_connection_t* connection) {
    static constexpr char name[] = "Generic Event Extension";
    const XcbPointer<xcb_query_extension_reply_t> reply(xcb_query_extension_reply(
        connection, xcb_query_extension(connection, sizeof name - 1, name), nullptr));
    return reply && reply->present;
}

} // namespace

X11ButtonGrab::X11ButtonGrab() {
    m_clickTimer.setSingleShot(true);
    m_clickTimer.setTimerType(Qt::PreciseTimer);
    m_clickTimer.setInterval(ClickOrHold::clickTime);
    // A timer may fire a little early: its time is the deadline. It may also fire late, with
    // the release waiting to be read: that is read first.
    connect(&m_clickTimer, &QTimer::timeout, this, [this] {
        readEvents();
        decided(m_clickOrHold.timePassed(m_clickOrHold.deadline()));
    });
    if (!qtConnection())
        return;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const xcb_screen_t* screen =
        xcb_connection_has_error(connection) ? nullptr : firstScreen(connection);
    if (!screen) {
        xcb_disconnect(connection);
        qCWarning(lcTrigger) << "no connection of our own to the X server: no trigger";
        return;
    }
    m_connection = connection;
    m_root = screen->root;
    if (!claimDisplay(*screen)) {
        m_elsewhere = true;
        qCWarning(lcTrigger) << "another Gestrix watches the button on this display";
        return;
    }
    const xcb_query_extension_reply_t* input = xcb_get_extension_data(connection, &xcb_input_id);
    const XcbPointer<xcb_input_xi_query_version_reply_t> version(xcb_input_xi_query_version_reply(
        connection, xcb_input_xi_query_version(connection, 2, 0), nullptr));
    if (input && input->present && version && version->major_version >= 2 &&
        hasGenericEvents(connection))
        m_inputOpcode = input->major_opcode;
}

void X11ButtonGrab::listen() {
    m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_connection),
                                                   QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &X11ButtonGrab::readEvents);
}

X11ButtonGrab::~X11ButtonGrab() {
    m_notifier.reset();
    if (m_connection)
        xcb_disconnect(m_connection);
}

// The selection's owner is the display's watcher; the server drops it when the owner goes.
bool X11ButtonGrab::claimDisplay(const xcb_screen_t& screen) {
    static constexpr char name[] = "GESTRIX_S0";
    const XcbPointer<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, false, sizeof name - 1, name), nullptr));
    if (!atom)
        return true;
    m_selection = atom->atom;
    const auto owner = [this] {
        const XcbPointer<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(
            m_connection, xcb_get_selection_owner(m_connection, m_selection), nullptr));
        return reply ? reply->owner : std::uint32_t{XCB_NONE};
    };
    if (owner() != XCB_NONE)
        return false;
    m_claim = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_claim, screen.root, -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_set_selection_owner(m_connection, m_claim, m_selection, XCB_CURRENT_TIME);
    return owner() == m_claim;
}

X11ButtonGrab::Mode X11ButtonGrab::configure(const TriggerSettings& settings) {
    if (!m_connection || m_elsewhere)
        return Mode::Poll;
    m_settings = settings;
    ungrab();
    if (grab(settings.button)) {
        selectRawPresses(false);
        m_mode = Mode::Grab;
    } else if (m_inputOpcode) {
        selectRawPresses(true);
        m_mode = Mode::RawPresses;
        qCWarning(lcTrigger) << "button" << settings.button
                             << "is grabbed by another program: presses also reach the window "
                                "below";
    } else {
        m_mode = Mode::Poll;
        qCWarning(lcTrigger) << "no grab and no XInput2: the button is polled, short presses may "
                                "be missed";
    }
    qCInfo(lcTrigger) << "trigger: button" << settings.button << "mode" << int(m_mode);
    xcb_flush(m_connection);
    return m_mode;
}

bool X11ButtonGrab::grab(int button) {
    const xcb_void_cookie_t cookie = xcb_grab_button_checked(
        m_connection, false, m_root, grabEventMask, XCB_GRAB_MODE_SYNC, XCB_GRAB_MODE_SYNC,
        XCB_NONE, XCB_NONE, static_cast<std::uint8_t>(button), XCB_MOD_MASK_ANY);
    if (const XcbPointer<xcb_generic_error_t> error{xcb_request_check(m_connection, cookie)}) {
        qCWarning(lcTrigger) << "cannot grab button" << button << "error" << error->error_code;
        return false;
    }
    m_grabbed = button;
    return true;
}

void X11ButtonGrab::ungrab() {
    if (!m_grabbed)
        return;
    xcb_ungrab_button(m_connection, static_cast<std::uint8_t>(m_grabbed), m_root, XCB_MOD_MASK_ANY);
    m_grabbed = 0;
    m_held = false;
    m_clickTimer.stop();
    m_clickOrHold = {};
}

void X11ButtonGrab::selectRawPresses(bool on) {
    if (!m_inputOpcode)
        return;
    struct {
        xcb_input_event_mask_t head;
        std::uint32_t mask;
    } selection{{XCB_INPUT_DEVICE_ALL, 1},
                on ? std::uint32_t{XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS} : 0u};
    xcb_input_xi_select_events(m_connection, m_root, 1, &selection.head);
}

// Neither the poll nor XInput2 can keep a press from the window below, but the settings'
// exceptions hold all the same: a press they let through starts no gesture.
TriggerState X11ButtonGrab::read() {
    readEvents();
    const bool pressed = std::exchange(m_pressedSinceLastReading, false);
    if (!m_connection || m_elsewhere)
        return {};
    const XcbPointer<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(m_connection, xcb_query_pointer(m_connection, m_root), nullptr));
    if (!pointer)
        return {false, pressed};
    // The button mask has bits for buttons 1 to 5 only.
    const bool down = m_settings.button <= 5 &&
                      (pointer->mask & (XCB_BUTTON_MASK_1 << (m_settings.button - 1))) != 0;
    if ((down || pressed) && letsThrough(m_settings, pressUnder(*pointer)))
        return {};
    return {down, pressed};
}

TriggerPress X11ButtonGrab::pressUnder(const xcb_query_pointer_reply_t& pointer) const {
    TriggerPress press;
    press.position = QPoint(pointer.root_x, pointer.root_y);
    press.modifiers = modifiersOf(pointer.mask);
    if (!m_settings.excludedClasses.isEmpty())
        press.windowClass = windowClassAt(m_connection, pointer.child);
    return press;
}

void X11ButtonGrab::readEvents() {
    if (!m_connection)
        return;
    while (const XcbPointer<xcb_generic_event_t> event{xcb_poll_for_event(m_connection)}) {
        switch (event->response_type & 0x7F) {
        case XCB_BUTTON_PRESS: {
            const auto& press = *reinterpret_cast<const xcb_button_press_event_t*>(event.get());
            if (m_mode == Mode::Grab && press.detail == m_settings.button)
                pressedNow(press);
            break;
        }
        case XCB_MOTION_NOTIFY: {
            const auto& motion = *reinterpret_cast<const xcb_motion_notify_event_t*>(event.get());
            if (!m_held)
                break;
            m_pointer = QPoint(motion.root_x, motion.root_y);
            if (m_clickOrHold.undecided()) {
                const QPoint travel = m_pointer - *m_waiting.position;
                decided(m_clickOrHold.moved(travel.x(), travel.y()));
            } else {
                Q_EMIT heldMove(m_pointer);
            }
            break;
        }
        case XCB_BUTTON_RELEASE: {
            const auto& release = *reinterpret_cast<const xcb_button_release_event_t*>(event.get());
            if (!m_held || release.detail != m_settings.button)
                break;
            m_pointer = QPoint(release.root_x, release.root_y);
            m_held = false;
            if (m_clickOrHold.undecided()) {
                // Timed by the server, not by when we read it: a busy moment here does not
                // turn a click into a gesture.
                const ClickOrHold::Verdict verdict = m_clickOrHold.released(
                    m_clickOrHold.pressedAt() +
                    std::chrono::milliseconds(std::uint32_t(release.time - m_waiting.time)));
                decided(verdict);
                if (verdict == ClickOrHold::Verdict::Click)
                    break;
            }
            Q_EMIT released(m_pointer);
            break;
        }
        case XCB_SELECTION_CLEAR: {
            // Another instance claimed the display at the same moment, and won.
            const auto& clear = *reinterpret_cast<const xcb_selection_clear_event_t*>(event.get());
            if (clear.selection == m_selection) {
                qCWarning(lcTrigger) << "another Gestrix took the display: the button is its";
                ungrab();
                selectRawPresses(false);
                m_elsewhere = true;
                xcb_flush(m_connection);
            }
            break;
        }
        case XCB_GE_GENERIC: {
            const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event.get());
            if (generic->extension != m_inputOpcode ||
                generic->event_type != XCB_INPUT_RAW_BUTTON_PRESS)
                break;
            const auto& raw = *reinterpret_cast<const xcb_input_raw_button_press_event_t*>(generic);
            if (raw.detail != static_cast<std::uint32_t>(m_settings.button))
                break;
            m_pressedSinceLastReading = true;
            // Seen, not taken: the window below has the press too.
            if (m_mode == Mode::RawPresses) {
                const XcbPointer<xcb_query_pointer_reply_t> pointer(xcb_query_pointer_reply(
                    m_connection, xcb_query_pointer(m_connection, m_root), nullptr));
                TriggerPress press = pointer ? pressUnder(*pointer) : TriggerPress();
                press.time = raw.time;
                if (!letsThrough(m_settings, press) && m_welcome.takes(press))
                    Q_EMIT pressed(press);
            }
            break;
        }
        default:
            break;
        }
    }
}

// The pointer stays frozen until the press is taken or replayed, so this is answered at once,
// from what the user interface told beforehand.
void X11ButtonGrab::pressedNow(const xcb_button_press_event_t& event) {
    if (m_replaysAhead > 0) {
        --m_replaysAhead;
        xcb_allow_events(m_connection, XCB_ALLOW_REPLAY_POINTER, event.time);
        xcb_allow_events(m_connection, XCB_ALLOW_ASYNC_KEYBOARD, event.time);
        xcb_flush(m_connection);
        return;
    }
    TriggerPress press;
    press.position = QPoint(event.root_x, event.root_y);
    press.modifiers = modifiersOf(event.state);
    press.time = event.time;
    if (!m_settings.excludedClasses.isEmpty())
        press.windowClass = windowClassAt(m_connection, event.child);
    const bool taken = !letsThrough(m_settings, press) && m_welcome.takes(press);
    if (taken && m_settings.clicksGivenBack) {
        // Whether it is a gesture or a click is known at its release, or once it moves or is
        // held; meanwhile it is ours.
        m_waiting = press;
        m_pointer = *press.position;
        m_clickOrHold.pressed(ClickOrHold::Clock::now(), true);
        m_clickTimer.start();
    } else if (taken) {
        Q_EMIT pressed(press);
    }
    // The keyboard is frozen too from the press on: keys typed since then are ours, or the
    // window below's as if nothing had grabbed them.
    if (taken) {
        xcb_grab_keyboard(m_connection, false, m_root, event.time, XCB_GRAB_MODE_ASYNC,
                          XCB_GRAB_MODE_ASYNC);
        m_keyboardTaken = true;
    }
    xcb_allow_events(m_connection, taken ? XCB_ALLOW_ASYNC_POINTER : XCB_ALLOW_REPLAY_POINTER,
                     event.time);
    // Each thaws what is still frozen: the keyboard's grab may have done so already.
    xcb_allow_events(m_connection, XCB_ALLOW_ASYNC_KEYBOARD, event.time);
    xcb_flush(m_connection);
    m_held = taken;
    qCDebug(lcTrigger) << (taken ? "took" : "let through") << "a press at" << *press.position
                       << press.windowClass;
}

void X11ButtonGrab::decided(ClickOrHold::Verdict verdict) {
    if (verdict == ClickOrHold::Verdict::Undecided)
        return;
    m_clickTimer.stop();
    if (verdict == ClickOrHold::Verdict::Click) {
        giveClickBack();
        return;
    }
    Q_EMIT pressed(m_waiting);
    if (m_pointer != *m_waiting.position)
        Q_EMIT heldMove(m_pointer);
}

// The click goes round again as the server's own press and release of the button: our grab
// sees the press first and replays it to the window under the pointer, which then has both.
void X11ButtonGrab::giveClickBack() {
    releaseKeyboard();
    const auto button = static_cast<std::uint8_t>(m_settings.button);
    m_replaysAhead = 1;
    xcb_test_fake_input(m_connection, XCB_BUTTON_PRESS, button, XCB_CURRENT_TIME, XCB_NONE, 0, 0,
                        0);
    xcb_test_fake_input(m_connection, XCB_BUTTON_RELEASE, button, XCB_CURRENT_TIME, XCB_NONE, 0, 0,
                        0);
    xcb_flush(m_connection);
    qCDebug(lcTrigger) << "gave a click back at" << m_pointer;
}

// Done before the overlay asks for the keyboard on Qt's connection: the round trip makes sure
// the server let it go first.
void X11ButtonGrab::releaseKeyboard() {
    if (!std::exchange(m_keyboardTaken, false))
        return;
    xcb_ungrab_keyboard(m_connection, XCB_CURRENT_TIME);
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}
