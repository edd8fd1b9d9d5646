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

} // namespace

std::unique_ptr<X11WindowPicker> X11WindowPicker::start() {
    if (!qtConnection())
        return nullptr;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const xcb_screen_t* screen =
        xcb_connection_has_error(connection) ? nullptr : firstScreen(connection);
    const XcbPointer<xcb_grab_pointer_reply_t> grab(
        screen ? xcb_grab_pointer_reply(
                     connection,
                     xcb_grab_pointer(connection, false, screen->root, XCB_EVENT_MASK_BUTTON_PRESS,
                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE,
                                      crosshair(connection), XCB_CURRENT_TIME),
                     nullptr)
               : nullptr);
    if (!grab || grab->status != XCB_GRAB_STATUS_SUCCESS) {
        qCWarning(lcPicker) << "cannot take the pointer to pick a window";
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::unique_ptr<X11WindowPicker>(new X11WindowPicker(connection));
}

X11WindowPicker::X11WindowPicker(xcb_connection_t* connection)
    : m_connection(connection), m_notifier(std::make_unique<QSocketNotifier>(
                                    xcb_get_file_descriptor(connection), QSocketNotifier::Read)) {
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &X11WindowPicker::readEvents);
}

// The connection's end lets the pointer go.
X11WindowPicker::~X11WindowPicker() {
    m_notifier.reset();
    xcb_disconnect(m_connection);
}

void X11WindowPicker::readEvents() {
    while (const XcbPointer<xcb_generic_event_t> event{xcb_poll_for_event(m_connection)}) {
        if ((event->response_type & 0x7F) != XCB_BUTTON_PRESS)
            continue;
        const auto& press = *reinterpret_cast<const xcb_button_press_event_t*>(event.get());
        xcb_ungrab_pointer(m_connection, XCB_CURRENT_TIME);
        xcb_flush(m_connection);
        m_notifier->setEnabled(false);
        Q_EMIT picked(press.detail == XCB_BUTTON_INDEX_1 ? windowClassAt(m_connection, press.child)
                                                         : QStringList());
        return;
    }
}
