#include "platform/x11/X11PointerButtons.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QSocketNotifier>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cstdlib>
#include <cstring>
#include <utility>

Q_LOGGING_CATEGORY(lcPointer, "gestrix.pointer", QtCriticalMsg)

namespace {

constexpr std::uint32_t middleButton = 2;

// Frees an xcb reply or event when it goes out of scope.
template <typename T> struct XcbFree {
    void operator()(T* pointer) const { std::free(pointer); }
};
template <typename T> using XcbPointer = std::unique_ptr<T, XcbFree<T>>;

} // namespace

X11PointerButtons::X11PointerButtons() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // The offscreen platform also offers this interface, with a null connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x11->connection())).data;
    if (!screen)
        return;
    m_connection = x11->connection();
    m_root = screen->root;
    watchRawPresses();
}

X11PointerButtons::~X11PointerButtons() {
    m_rawNotifier.reset();
    if (m_rawConnection)
        xcb_disconnect(m_rawConnection);
}

MiddleButtonState X11PointerButtons::readMiddleButton() {
    readRawPresses();
    return {queryMiddleButton(), std::exchange(m_pressedSinceLastReading, false)};
}

bool X11PointerButtons::queryMiddleButton() const {
    if (!m_connection)
        return false;
    const XcbPointer<xcb_query_pointer_reply_t> reply(
        xcb_query_pointer_reply(m_connection, xcb_query_pointer(m_connection, m_root), nullptr));
    return reply && (reply->mask & XCB_BUTTON_MASK_2) != 0;
}

// Without XInput2 the poll alone remains: only a click that spans a poll is seen.
void X11PointerButtons::watchRawPresses() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        qCWarning(lcPointer) << "no connection for raw button events";
        return;
    }
    const xcb_query_extension_reply_t* input = xcb_get_extension_data(connection, &xcb_input_id);
    const XcbPointer<xcb_input_xi_query_version_reply_t> version(xcb_input_xi_query_version_reply(
        connection, xcb_input_xi_query_version(connection, 2, 0), nullptr));
    if (!input || !input->present || !version || version->major_version < 2) {
        xcb_disconnect(connection);
        qCWarning(lcPointer) << "no XInput2: short middle clicks may be missed";
        return;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen) {
        xcb_disconnect(connection);
        qCWarning(lcPointer) << "no screen on the connection for raw button events";
        return;
    }
    struct {
        xcb_input_event_mask_t head;
        std::uint32_t mask;
    } selection{{XCB_INPUT_DEVICE_ALL, 1}, XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS};
    xcb_input_xi_select_events(connection, screen->root, 1, &selection.head);
    xcb_flush(connection);

    m_rawConnection = connection;
    m_inputOpcode = input->major_opcode;
    m_rawNotifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection),
                                                      QSocketNotifier::Read);
    connect(m_rawNotifier.get(), &QSocketNotifier::activated, this,
            &X11PointerButtons::readRawPresses);
}

void X11PointerButtons::readRawPresses() {
    if (!m_rawConnection)
        return;
    while (const XcbPointer<xcb_generic_event_t> event{xcb_poll_for_event(m_rawConnection)}) {
        if ((event->response_type & 0x7F) != XCB_GE_GENERIC)
            continue;
        const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event.get());
        if (generic->extension != m_inputOpcode ||
            generic->event_type != XCB_INPUT_RAW_BUTTON_PRESS)
            continue;
        const auto* press =
            reinterpret_cast<const xcb_input_raw_button_press_event_t*>(event.get());
        if (press->detail == middleButton)
            m_pressedSinceLastReading = true;
    }
}
