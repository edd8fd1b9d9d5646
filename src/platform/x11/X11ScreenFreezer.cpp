#include "platform/x11/X11ScreenFreezer.h"

#include "platform/x11/Xcb.h"

#include <QLoggingCategory>

#include <algorithm>
#include <cstring>

Q_LOGGING_CATEGORY(lcFreezer, "gestrix.freezer", QtCriticalMsg)

namespace {

constexpr int bytesPerPixel = 4;

class X11FrozenScreen final : public FrozenScreen {
public:
    X11FrozenScreen(xcb_connection_t* connection, std::uint32_t pixmap, std::uint32_t drawing)
        : m_connection(connection), m_pixmap(pixmap), m_drawing(drawing) {}

    ~X11FrozenScreen() override {
        xcb_free_pixmap(m_connection, m_pixmap);
        xcb_free_gc(m_connection, m_drawing);
        xcb_flush(m_connection);
    }

    void showBehind(WId window) override {
        const std::uint32_t pixmap = m_pixmap;
        xcb_change_window_attributes(m_connection, std::uint32_t(window), XCB_CW_BACK_PIXMAP,
                                     &pixmap);
        xcb_flush(m_connection);
    }

    QImage piece(const QRect& area) const override {
        const XcbPointer<xcb_get_image_reply_t> reply(xcb_get_image_reply(
            m_connection,
            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_pixmap, std::int16_t(area.x()),
                          std::int16_t(area.y()), std::uint16_t(area.width()),
                          std::uint16_t(area.height()), ~0u),
            nullptr));
        const std::size_t bytes = std::size_t(area.width()) * area.height() * bytesPerPixel;
        if (!reply || std::size_t(xcb_get_image_data_length(reply.get())) < bytes)
            return {};
        QImage picture(area.size(), QImage::Format_RGB32);
        std::memcpy(picture.bits(), xcb_get_image_data(reply.get()), bytes);
        return picture;
    }

    // In bands that each fit in one request.
    void put(WId window, const QImage& picture, QPoint at) override {
        const int lineBytes = picture.width() * bytesPerPixel;
        const std::uint32_t requestBytes = xcb_get_maximum_request_length(m_connection) * 4;
        const int bandLines = std::max(1, int((requestBytes - 64) / std::uint32_t(lineBytes)));
        for (int top = 0; top < picture.height(); top += bandLines) {
            const int lines = std::min(bandLines, picture.height() - top);
            xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, std::uint32_t(window), m_drawing,
                          std::uint16_t(picture.width()), std::uint16_t(lines),
                          std::int16_t(at.x()), std::int16_t(at.y() + top), 0, 24,
                          std::uint32_t(lines * lineBytes), picture.constScanLine(top));
        }
        xcb_flush(m_connection);
    }

private:
    xcb_connection_t* m_connection;
    std::uint32_t m_pixmap;
    std::uint32_t m_drawing; // a plain context, for putting pictures
};

} // namespace

std::unique_ptr<FrozenScreen> X11ScreenFreezer::freeze(const QRect& area) {
    xcb_connection_t* connection = qtConnection();
    if (!connection || !hasRgb32Pixels(connection) || area.isEmpty())
        return nullptr;
    const xcb_screen_t* screen = firstScreen(connection);
    const std::uint32_t pixmap = xcb_generate_id(connection);
    const XcbPointer<xcb_generic_error_t> error{xcb_request_check(
        connection,
        xcb_create_pixmap_checked(connection, screen->root_depth, pixmap, screen->root,
                                  std::uint16_t(area.width()), std::uint16_t(area.height())))};
    if (error) {
        qCWarning(lcFreezer) << "the X server has no room for the frozen screen";
        return nullptr;
    }
    // What every window shows, as the screen has it.
    const std::uint32_t copier = xcb_generate_id(connection);
    const std::uint32_t inferiors = XCB_SUBWINDOW_MODE_INCLUDE_INFERIORS;
    xcb_create_gc(connection, copier, screen->root, XCB_GC_SUBWINDOW_MODE, &inferiors);
    xcb_copy_area(connection, screen->root, pixmap, copier, std::int16_t(area.x()),
                  std::int16_t(area.y()), 0, 0, std::uint16_t(area.width()),
                  std::uint16_t(area.height()));
    xcb_free_gc(connection, copier);
    const std::uint32_t drawing = xcb_generate_id(connection);
    xcb_create_gc(connection, drawing, screen->root, 0, nullptr);
    qCInfo(lcFreezer) << "the screen is frozen by the X server";
    return std::make_unique<X11FrozenScreen>(connection, pixmap, drawing);
}
