#include "platform/x11/Xcb.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>

xcb_connection_t* qtConnection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

QPoint logicalOf(QPoint native) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect logical = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        if (QRect(logical.topLeft(), logical.size() * ratio).contains(native))
            return logical.topLeft() + (native - logical.topLeft()) / ratio;
    }
    return native;
}

QRect nativeOf(const QRect& logical) {
    const QScreen* screen = QGuiApplication::screenAt(logical.center());
    if (!screen)
        return logical;
    const QPoint corner = screen->geometry().topLeft();
    const qreal ratio = screen->devicePixelRatio();
    return {corner + (logical.topLeft() - corner) * ratio, logical.size() * ratio};
}

const xcb_screen_t* firstScreen(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
}

bool hasRgb32Pixels(xcb_connection_t* connection) {
    const xcb_screen_t* screen = firstScreen(connection);
    if (!screen || screen->root_depth != 24)
        return false;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem;
         xcb_format_next(&format)) {
        if (format.data->depth == 24)
            return format.data->bits_per_pixel == 32;
    }
    return false;
}

// The application window under the pointer is the first window with a WM_CLASS on the way down
// from the root's child (a window manager's frame holds it).
QStringList windowClassAt(xcb_connection_t* connection, std::uint32_t window) {
    for (int depth = 0; window != XCB_NONE && depth < 8; ++depth) {
        const XcbPointer<xcb_get_property_reply_t> property(xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256),
            nullptr));
        if (property && xcb_get_property_value_length(property.get()) > 0) {
            const QByteArray value(static_cast<const char*>(xcb_get_property_value(property.get())),
                                   xcb_get_property_value_length(property.get()));
            QStringList names;
            for (const QByteArray& name : value.split('\0'))
                if (!name.isEmpty())
                    names.append(QString::fromLocal8Bit(name));
            return names;
        }
        const XcbPointer<xcb_query_pointer_reply_t> pointer(
            xcb_query_pointer_reply(connection, xcb_query_pointer(connection, window), nullptr));
        window = pointer ? pointer->child : XCB_NONE;
    }
    return {};
}
