#include "platform/x11/X11WindowPicker.h"

#include "platform/x11/Xcb.h"

#include <QLoggingCategory>
#include <QSocketNotifier>

Q_LOGGING_CATEGORY(lcPicker, "gestrix.picker", QtCriticalMsg)

namespace {

// The cursor font's cross, and its mask.
constexpr std::uint16_t crosshairGlyph = 34;

std::uint32_t crosshair(xcb_connection_t* connection) {
    static constexpr char name[] = "cursor";
    const std::uint32_t font = xcb_generate_id(connection);
    xcb_open_font(connection, font, sizeof name - 1, name);
    const std::uint32_t cursor = xcb_generate_id(connection);
    xcb_create_glyph_cursor(connection, cursor, font, font, crosshairGlyph, crosshairGlyph + 1, 0,
                            0, 0, 0xFFFF, 0xFFFF, 0xFFFF);
    xcb_close_font(connection, font);
    return cursor;
}

// The key that gives the pick up, as this server's keyboard has it.
std::optional<xcb_keycode_t> escapeKeycode(xcb_connection_t* connection) {
    static constexpr xcb_keysym_t escape = 0xFF1B;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const XcbPointer<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr));
    if (!mapping || mapping->keysyms_per_keycode == 0)
        return std::nullopt;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int length = xcb_get_keyboard_mapping_keysyms_length(mapping.get());
    for (int i = 0; i < length; ++i) {
        if (keysyms[i] == escape)
            return xcb_keycode_t(setup->min_keycode + i / mapping->keysyms_per_keycode);
    }
    return std::nullopt;
}

} // namespace

X11WindowPicker::X11WindowPicker() = default;

X11WindowPicker::~X11WindowPicker() {
    stop();
}

bool X11WindowPicker::start() {
    stop();
    if (!qtConnection())
        return false;
    m_connection = xcb_connect(nullptr, nullptr);
    const xcb_screen_t* screen =
        xcb_connection_has_error(m_connection) ? nullptr : firstScreen(m_connection);
    const XcbPointer<xcb_grab_pointer_reply_t> grab(
        screen
            ? xcb_grab_pointer_reply(
                  m_connection,
                  xcb_grab_pointer(m_connection, false, screen->root, XCB_EVENT_MASK_BUTTON_PRESS,
                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE,
                                   crosshair(m_connection), XCB_CURRENT_TIME),
                  nullptr)
            : nullptr);
    if (!grab || grab->status != XCB_GRAB_STATUS_SUCCESS) {
        qCWarning(lcPicker) << "cannot take the pointer to pick a window";
        stop();
        return false;
    }
    // Escape gives the pick up; without the keyboard, only another button than the left does.
    m_escape = escapeKeycode(m_connection);
    xcb_discard_reply(m_connection,
                      xcb_grab_keyboard(m_connection, false, screen->root, XCB_CURRENT_TIME,
                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)
                          .sequence);
    m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_connection),
                                                   QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &X11WindowPicker::readEvents);
    return true;
}

void X11WindowPicker::stop() {
    m_notifier.reset();
    if (m_connection)
        xcb_disconnect(std::exchange(m_connection, nullptr));
}

void X11WindowPicker::readEvents() {
    while (const XcbPointer<xcb_generic_event_t> event{xcb_poll_for_event(m_connection)}) {
        const std::uint8_t type = event->response_type & 0x7F;
        if (type == XCB_KEY_PRESS) {
            if (reinterpret_cast<const xcb_key_press_event_t*>(event.get())->detail != m_escape)
                continue;
            finish();
            Q_EMIT cancelled();
            return;
        }
        if (type != XCB_BUTTON_PRESS)
            continue;
        const auto& press = *reinterpret_cast<const xcb_button_press_event_t*>(event.get());
        const std::optional<QStringList> windowClass =
            press.detail == XCB_BUTTON_INDEX_1
                ? std::optional(windowClassAt(m_connection, press.child))
                : std::nullopt;
        finish();
        if (windowClass)
            Q_EMIT picked(*windowClass);
        else
            Q_EMIT cancelled();
        return;
    }
}

// Called from the notifier's own signal: it goes once the event loop is back.
void X11WindowPicker::finish() {
    m_notifier->setEnabled(false);
    m_notifier.release()->deleteLater();
    xcb_disconnect(std::exchange(m_connection, nullptr));
}
