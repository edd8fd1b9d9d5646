#include "platform/x11/X11ScreenPhotographer.h"

#include "platform/process/SharedMemory.h"
#include "platform/qt/ScreenGrabber.h"
#include "platform/x11/Xcb.h"

#include <QLoggingCategory>
#include <QScreen>

#include <xcb/shm.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

Q_LOGGING_CATEGORY(lcPhotographer, "gestrix.photographer", QtCriticalMsg)

namespace {

constexpr int bytesPerPixel = 4;
// The photograph is taken in bands of about this size (a 4K screen has 16).
constexpr int bandBytes = 2 * 1024 * 1024;

} // namespace

X11ScreenPhotographer::X11ScreenPhotographer() {
    xcb_connection_t* connection = qtConnection();
    if (!connection)
        return;
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(connection, &xcb_shm_id);
    const XcbPointer<xcb_shm_query_version_reply_t> version(
        shm && shm->present
            ? xcb_shm_query_version_reply(connection, xcb_shm_query_version(connection), nullptr)
            : nullptr);
    // File descriptors came with version 1.2.
    const bool passesFiles =
        version && (version->major_version > 1 ||
                    (version->major_version == 1 && version->minor_version >= 2));
    m_usable = passesFiles && hasRgb32Pixels(connection);
    if (!m_usable)
        qCWarning(lcPhotographer) << "no MIT-SHM 1.2 at 24 bits: photographs go through Qt";
}

X11ScreenPhotographer::~X11ScreenPhotographer() {
    dropSegment();
}

// Which way each photograph went is logged: a shared-memory path that fails falls back quietly.
// There is one shared segment: a second screen, if ever asked for, goes through Qt.
void X11ScreenPhotographer::photograph(const QList<QScreen*>& screens, Delivery deliver) {
    QList<QImage> photographs;
    for (QScreen* screen : screens) {
        QImage shared = photographs.isEmpty() ? takeShared(screen) : QImage();
        qCInfo(lcPhotographer) << "photograph through" << (shared.isNull() ? "Qt" : "MIT-SHM");
        photographs.append(shared.isNull() ? grabScreen(screen) : std::move(shared));
    }
    deliver(std::move(photographs));
}

QImage X11ScreenPhotographer::takeShared(QScreen* screen) {
    if (!m_usable || !screen || !qtConnection())
        return {};
    // The screen's corner stays in native pixels; its size is scaled by the pixel ratio.
    const qreal ratio = screen->devicePixelRatio();
    const QRect native(screen->geometry().topLeft(), screen->geometry().size() * ratio);
    const std::size_t size = std::size_t(native.width()) * native.height() * bytesPerPixel;
    if ((size != m_size && !makeSegment(size)) || !takeInBands(native))
        return {};
    QImage image(m_memory, native.width(), native.height(), native.width() * bytesPerPixel,
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

// The pages of each band are allocated in one call, then the server copies the band in while the
// next band's pages are allocated: the two sides work at the same time.
bool X11ScreenPhotographer::takeInBands(const QRect& native) {
    xcb_connection_t* connection = qtConnection();
    const xcb_window_t root = firstScreen(connection)->root;
    const int lineBytes = native.width() * bytesPerPixel;
    const int bandLines = std::max(1, bandBytes / lineBytes);
    std::vector<xcb_shm_get_image_cookie_t> requests;
    for (int top = 0; top < native.height(); top += bandLines) {
        const int lines = std::min(bandLines, native.height() - top);
        const off_t offset = off_t(top) * lineBytes;
        if (::fallocate(m_file, 0, offset, off_t(lines) * lineBytes) != 0)
            qCWarning(lcPhotographer) << "cannot allocate the photograph's pages at once";
        requests.push_back(xcb_shm_get_image(
            connection, root, static_cast<std::int16_t>(native.x()),
            static_cast<std::int16_t>(native.y() + top), static_cast<std::uint16_t>(native.width()),
            static_cast<std::uint16_t>(lines), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, m_segment,
            static_cast<std::uint32_t>(offset)));
        xcb_flush(connection);
    }
    bool complete = true;
    for (const xcb_shm_get_image_cookie_t request : requests) {
        const XcbPointer<xcb_shm_get_image_reply_t> reply(
            xcb_shm_get_image_reply(connection, request, nullptr));
        complete = complete && reply;
    }
    if (!complete)
        qCWarning(lcPhotographer) << "the server refused the photograph";
    return complete;
}

void X11ScreenPhotographer::release() {
    // The pages go back to the system; the segment stays for the next photograph.
    if (m_file >= 0 && ::fallocate(m_file, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, 0,
                                   static_cast<off_t>(m_size)) != 0)
        dropSegment();
}

bool X11ScreenPhotographer::makeSegment(std::size_t size) {
    dropSegment();
    xcb_connection_t* connection = qtConnection();
    const std::optional<SharedMemory> shared = makeSharedMemory("gestrix-photograph", size);
    if (!shared) {
        qCWarning(lcPhotographer) << "no shared memory of" << size << "bytes:" << strerror(errno);
        return false;
    }
    const int file = shared->file;
    void* memory = shared->address;
    // xcb sends the descriptor and closes it: it gets a copy. Without one (no descriptor left),
    // the server would wait for a descriptor that never comes, and so would we.
    const int copy = ::dup(file);
    if (copy < 0) {
        qCWarning(lcPhotographer) << "no descriptor for shared memory:" << strerror(errno);
        ::munmap(memory, size);
        ::close(file);
        return false;
    }
    const std::uint32_t segment = xcb_generate_id(connection);
    const XcbPointer<xcb_generic_error_t> error{
        xcb_request_check(connection, xcb_shm_attach_fd_checked(connection, segment, copy, false))};
    if (error) {
        qCWarning(lcPhotographer) << "the X server cannot attach shared memory";
        ::munmap(memory, size);
        ::close(file);
        return false;
    }
    m_segment = segment;
    m_file = file;
    m_memory = static_cast<unsigned char*>(memory);
    m_size = size;
    return true;
}

void X11ScreenPhotographer::dropSegment() {
    if (!m_memory)
        return;
    if (xcb_connection_t* connection = qtConnection())
        xcb_shm_detach(connection, m_segment);
    ::munmap(m_memory, m_size);
    ::close(m_file);
    m_memory = nullptr;
    m_file = -1;
    m_segment = 0;
    m_size = 0;
}
