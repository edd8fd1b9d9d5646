#include "platform/wayland/ScreencopyPhotographer.h"

#include "platform/Patience.h"
#include "platform/wayland/ShmBuffer.h"
#include "platform/wayland/WaylandConnection.h"

#include "wlr-screencopy-client.h"

#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QScreen>

#include <wayland-client.h>

#include <algorithm>
#include <vector>

Q_LOGGING_CATEGORY(lcScreencopy, "gestrix.photographer", QtCriticalMsg)

namespace {

constexpr std::uint32_t supportedCopyVersion = 3;

// The pixel layouts a desktop is copied in, as the compositor names them.
QImage::Format imageFormat(std::uint32_t shmFormat) {
    switch (shmFormat) {
    case WL_SHM_FORMAT_ARGB8888:
    case WL_SHM_FORMAT_XRGB8888:
        return QImage::Format_RGB32;
    case WL_SHM_FORMAT_ABGR8888:
    case WL_SHM_FORMAT_XBGR8888:
        return QImage::Format_RGBX8888;
    default:
        return QImage::Format_Invalid;
    }
}

// One output's copy, from the compositor's offer of a buffer to its "ready".
struct Copy {
    wl_shm* shm = nullptr;
    std::uint32_t managerVersion = 0;
    zwlr_screencopy_frame_v1* frame = nullptr;
    std::unique_ptr<ShmBuffer> buffer;
    std::uint32_t format = 0, width = 0, height = 0, stride = 0;
    bool offered = false; // an shm buffer it can be copied into
    bool upsideDown = false;
    bool finished = false;
    QImage image;

    ~Copy() {
        if (frame)
            zwlr_screencopy_frame_v1_destroy(frame);
    }

    void copy() {
        const QImage::Format layout = imageFormat(format);
        const std::size_t size = std::size_t(stride) * height;
        if (!offered || layout == QImage::Format_Invalid || size == 0) {
            qCWarning(lcScreencopy) << "screencopy offers no buffer we can read, format" << format;
            finished = true;
            return;
        }
        buffer = ShmBuffer::create(shm, QSize(int(width), int(height)), int(stride), format);
        if (!buffer) {
            finished = true;
            return;
        }
        zwlr_screencopy_frame_v1_copy(frame, buffer->buffer());
    }

    void ready() {
        image = buffer->take(imageFormat(format));
        if (upsideDown)
            image = image.mirrored();
        finished = true;
    }
};

const zwlr_screencopy_frame_v1_listener frameListener = {
    .buffer =
        [](void* data, zwlr_screencopy_frame_v1*, std::uint32_t format, std::uint32_t width,
           std::uint32_t height, std::uint32_t stride) {
            auto* copy = static_cast<Copy*>(data);
            copy->format = format;
            copy->width = width;
            copy->height = height;
            copy->stride = stride;
            copy->offered = true;
            // Before version 3 no "buffer_done" follows the offers.
            if (copy->managerVersion < 3)
                copy->copy();
        },
    .flags =
        [](void* data, zwlr_screencopy_frame_v1*, std::uint32_t flags) {
            static_cast<Copy*>(data)->upsideDown = flags & ZWLR_SCREENCOPY_FRAME_V1_FLAGS_Y_INVERT;
        },
    .ready = [](void* data, zwlr_screencopy_frame_v1*, std::uint32_t, std::uint32_t,
                std::uint32_t) { static_cast<Copy*>(data)->ready(); },
    .failed =
        [](void* data, zwlr_screencopy_frame_v1*) {
            qCWarning(lcScreencopy) << "the compositor could not copy an output";
            static_cast<Copy*>(data)->finished = true;
        },
    .damage = [](void*, zwlr_screencopy_frame_v1*, std::uint32_t, std::uint32_t, std::uint32_t,
                 std::uint32_t) {},
    .linux_dmabuf = [](void*, zwlr_screencopy_frame_v1*, std::uint32_t, std::uint32_t,
                       std::uint32_t) {},
    .buffer_done = [](void* data, zwlr_screencopy_frame_v1*) { static_cast<Copy*>(data)->copy(); },
};

} // namespace

std::unique_ptr<ScreencopyPhotographer>
ScreencopyPhotographer::open(WaylandConnection& connection) {
    auto* manager = static_cast<zwlr_screencopy_manager_v1*>(
        connection.bind(zwlr_screencopy_manager_v1_interface, supportedCopyVersion));
    if (!manager)
        return nullptr;
    qCInfo(lcScreencopy) << "photographs through the compositor's screencopy";
    return std::unique_ptr<ScreencopyPhotographer>(new ScreencopyPhotographer(connection, manager));
}

ScreencopyPhotographer::ScreencopyPhotographer(WaylandConnection& connection,
                                               zwlr_screencopy_manager_v1* manager)
    : m_connection(connection), m_manager(manager) {}

ScreencopyPhotographer::~ScreencopyPhotographer() {
    zwlr_screencopy_manager_v1_destroy(m_manager);
}

// Every output is asked at once; each copy comes when the compositor next draws it.
void ScreencopyPhotographer::photograph(const QList<QScreen*>& screens, Delivery deliver) {
    WaylandConnection& connection = m_connection;
    connection.refreshOutputs();
    std::vector<std::unique_ptr<Copy>> copies;
    for (QScreen* screen : screens) {
        auto copy = std::make_unique<Copy>();
        copy->shm = connection.shm();
        copy->managerVersion = wl_proxy_get_version(reinterpret_cast<wl_proxy*>(m_manager));
        if (wl_output* output = screen ? connection.outputOf(*screen) : nullptr) {
            copy->frame = zwlr_screencopy_manager_v1_capture_output(m_manager, 0, output);
            zwlr_screencopy_frame_v1_add_listener(copy->frame, &frameListener, copy.get());
        } else {
            qCWarning(lcScreencopy)
                << "no output for the screen" << (screen ? screen->name() : QString());
            copy->finished = true;
        }
        copies.push_back(std::move(copy));
    }
    const bool complete = connection.dispatchUntil(QDeadlineTimer(desktopPatienceMs), [&copies] {
        return std::all_of(copies.begin(), copies.end(),
                           [](const auto& copy) { return copy->finished; });
    });
    if (!complete)
        qCWarning(lcScreencopy) << "the compositor did not copy every output in time";
    QList<QImage> photographs;
    for (qsizetype i = 0; i < qsizetype(copies.size()); ++i) {
        QImage image = std::move(copies[i]->image);
        if (!image.isNull() && screens[i])
            image.setDevicePixelRatio(qreal(image.width()) / screens[i]->geometry().width());
        photographs.append(std::move(image));
    }
    // The frames go before the photographs are shown: no copy lands in memory shown meanwhile.
    copies.clear();
    wl_display_flush(connection.display());
    deliver(std::move(photographs));
}
