#include "platform/X11PointerButtons.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

X11PointerButtons::X11PointerButtons() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // The offscreen platform also offers this interface, with a null connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    m_connection = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    if (!screen) {
        m_connection = nullptr;
        return;
    }
    m_root = screen->root;
}

bool X11PointerButtons::middleButtonDown() {
    if (!m_connection)
        return false;
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(m_connection, xcb_query_pointer(m_connection, m_root), nullptr);
    if (!reply)
        return false;
    const bool down = (reply->mask & XCB_BUTTON_MASK_2) != 0;
    std::free(reply);
    return down;
}
