#include "platform/wayland/ScreencopyPhotographer.h"

#include "wlr-screencopy-client.h"
#include "xdg-output-client.h"

#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QScreen>

#include <wayland-client.h>

#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

Q_LOGGING_CATEGORY(lcScreencopy, "gestrix.photographer", QtCriticalMsg)

namespace {

// How long a gesture waits for the compositor's copies: one frame is what it usually takes.
constexpr int patienceMs = 1000;
constexpr std::uint32_t supportedCopyVersion = 3;
// Version 2 names the output's connector, as Qt names its screen.
constexpr std::uint32_t supportedDescriptionVersion = 2;

// An output, and what its description says of it: Qt names and places its screens so.
struct Output {
    std::uint32_t name = 0; // the registry's
    wl_output* output = nullptr;
    zxdg_output_v1* description = nullptr;
    QPoint position;
    QString connector; // "HEADLESS-1", "DP-2"…

    ~Output() {
        if (description)
            zxdg_output_v1_destroy(description);
        if (wl_output_get_version(output) >= WL_OUTPUT_RELEASE_SINCE_VERSION)
            wl_output_release(output);
        else
            wl_output_destroy(output);
    }
};

const zxdg_output_v1_listener descriptionListener = {
    .logical_position = [](void* data, zxdg_output_v1*, std::int32_t x,
                           std::int32_t y) { static_cast<Output*>(data)->position = QPoint(x, y); },
    .logical_size = [](void*, zxdg_output_v1*, std::int32_t, std::int32_t) {},
    .done = [](void*, zxdg_output_v1*) {},
    .name =
        [](void* data, zxdg_output_v1*, const char* name) {
            static_cast<Output*>(data)->connector = QString::fromUtf8(name);
        },
    .description = [](void*, zxdg_output_v1*, const char*) {},
};

// The memory of one copy: the image over it unmaps it when it goes.
struct Mapping {
    void* address = nullptr;
    std::size_t size = 0;
};

void unmap(void* info) {
    auto* mapping = static_cast<Mapping*>(info);
    ::munmap(mapping->address, mapping->size);
    delete mapping;
}

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
    wl_buffer* buffer = nullptr;
    std::uint32_t format = 0, width = 0, height = 0, stride = 0;
    bool offered = false; // an shm buffer it can be copied into
    bool upsideDown = false;
    bool finished = false;
    QImage image;
    Mapping* mapping = nullptr; // until the image owns it

    ~Copy() {
        if (buffer)
            wl_buffer_destroy(buffer);
        if (frame)
            zwlr_screencopy_frame_v1_destroy(frame);
        if (mapping)
            unmap(mapping);
    }

    void copy() {
        const QImage::Format layout = imageFormat(format);
        const std::size_t size = std::size_t(stride) * height;
        if (!offered || layout == QImage::Format_Invalid || size == 0) {
            qCWarning(lcScreencopy) << "screencopy offers no buffer we can read, format" << format;
            finished = true;
            return;
        }
        const int file = ::memfd_create("gestrix-screencopy", MFD_CLOEXEC);
        if (file < 0 || ::ftruncate(file, off_t(size)) != 0) {
            qCWarning(lcScreencopy) << "no memory for a copy of the screen:" << strerror(errno);
            if (file >= 0)
                ::close(file);
            finished = true;
            return;
        }
        void* address = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, file, 0);
        if (address == MAP_FAILED) {
            qCWarning(lcScreencopy) << "cannot map a copy of the screen:" << strerror(errno);
            ::close(file);
            finished = true;
            return;
        }
        mapping = new Mapping{address, size};
        wl_shm_pool* pool = wl_shm_create_pool(shm, file, int(size));
        buffer = wl_shm_pool_create_buffer(pool, 0, int(width), int(height), int(stride), format);
        wl_shm_pool_destroy(pool);
        ::close(file);
        zwlr_screencopy_frame_v1_copy(frame, buffer);
    }

    void ready() {
        Mapping* memory = std::exchange(mapping, nullptr);
        image = QImage(static_cast<uchar*>(memory->address), int(width), int(height),
                       qsizetype(stride), imageFormat(format), unmap, memory);
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

struct ScreencopyPhotographer::Connection {
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    wl_shm* shm = nullptr;
    zwlr_screencopy_manager_v1* manager = nullptr;
    zxdg_output_manager_v1* describer = nullptr;
    std::vector<std::unique_ptr<Output>> outputs;

    ~Connection() {
        outputs.clear();
        if (describer)
            zxdg_output_manager_v1_destroy(describer);
        if (manager)
            zwlr_screencopy_manager_v1_destroy(manager);
        if (shm)
            wl_shm_destroy(shm);
        if (registry)
            wl_registry_destroy(registry);
        if (display)
            wl_display_disconnect(display);
    }

    // Reads and handles events until done() holds, the connection fails or the deadline passes;
    // whether done() holds.
    template <typename Done> bool dispatchUntil(QDeadlineTimer deadline, Done done) {
        while (!done()) {
            while (wl_display_prepare_read(display) != 0) {
                if (wl_display_dispatch_pending(display) < 0)
                    return false;
            }
            wl_display_flush(display);
            pollfd readable{wl_display_get_fd(display), POLLIN, 0};
            const int waited =
                ::poll(&readable, 1, int(std::max<qint64>(0, deadline.remainingTime())));
            if (waited <= 0) {
                wl_display_cancel_read(display);
                if (waited < 0 && errno == EINTR)
                    continue;
                return false;
            }
            if (wl_display_read_events(display) != 0 || wl_display_dispatch_pending(display) < 0)
                return false;
        }
        return true;
    }

    // Everything the compositor had to say until now, and the answers to what was asked.
    bool roundtrip() {
        bool answered = false;
        wl_callback* sync = wl_display_sync(display);
        static const wl_callback_listener syncListener = {
            .done = [](void* data, wl_callback*,
                       std::uint32_t) { *static_cast<bool*>(data) = true; },
        };
        wl_callback_add_listener(sync, &syncListener, &answered);
        const bool complete =
            dispatchUntil(QDeadlineTimer(patienceMs), [&answered] { return answered; });
        wl_callback_destroy(sync);
        return complete;
    }

    // Asks the outputs not yet described for their description; whether any was.
    bool describeOutputs() {
        bool asked = false;
        for (const std::unique_ptr<Output>& output : outputs) {
            if (output->description || !describer)
                continue;
            output->description = zxdg_output_manager_v1_get_xdg_output(describer, output->output);
            zxdg_output_v1_add_listener(output->description, &descriptionListener, output.get());
            asked = true;
        }
        return asked;
    }

    void addGlobal(std::uint32_t name, std::string_view interface, std::uint32_t version) {
        if (interface == wl_shm_interface.name) {
            shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
        } else if (interface == zwlr_screencopy_manager_v1_interface.name) {
            manager = static_cast<zwlr_screencopy_manager_v1*>(
                wl_registry_bind(registry, name, &zwlr_screencopy_manager_v1_interface,
                                 std::min(version, supportedCopyVersion)));
        } else if (interface == zxdg_output_manager_v1_interface.name) {
            describer = static_cast<zxdg_output_manager_v1*>(
                wl_registry_bind(registry, name, &zxdg_output_manager_v1_interface,
                                 std::min(version, supportedDescriptionVersion)));
        } else if (interface == wl_output_interface.name) {
            auto output = std::make_unique<Output>();
            output->name = name;
            output->output = static_cast<wl_output*>(wl_registry_bind(
                registry, name, &wl_output_interface, std::min<std::uint32_t>(version, 3)));
            outputs.push_back(std::move(output));
        }
    }

    void removeGlobal(std::uint32_t name) {
        std::erase_if(outputs, [name](const auto& output) { return output->name == name; });
    }

    // The output Qt shows as this screen: by its connector's name, else by its place.
    wl_output* outputOf(const QScreen& screen) const {
        for (const std::unique_ptr<Output>& output : outputs) {
            if (!output->connector.isEmpty() && output->connector == screen.name())
                return output->output;
        }
        for (const std::unique_ptr<Output>& output : outputs) {
            if (output->position == screen.geometry().topLeft())
                return output->output;
        }
        return nullptr;
    }
};

namespace {

const wl_registry_listener registryListener = {
    .global =
        [](void* data, wl_registry*, std::uint32_t name, const char* interface,
           std::uint32_t version) {
            static_cast<ScreencopyPhotographer::Connection*>(data)->addGlobal(name, interface,
                                                                              version);
        },
    .global_remove =
        [](void* data, wl_registry*, std::uint32_t name) {
            static_cast<ScreencopyPhotographer::Connection*>(data)->removeGlobal(name);
        },
};

} // namespace

std::unique_ptr<ScreencopyPhotographer> ScreencopyPhotographer::connect() {
    auto connection = std::make_unique<Connection>();
    connection->display = wl_display_connect(nullptr);
    if (!connection->display)
        return nullptr;
    connection->registry = wl_display_get_registry(connection->display);
    wl_registry_add_listener(connection->registry, &registryListener, connection.get());
    // The globals, then what the outputs say of themselves.
    if (!connection->roundtrip() || !connection->manager || !connection->shm)
        return nullptr;
    if (connection->describeOutputs() && !connection->roundtrip())
        return nullptr;
    qCInfo(lcScreencopy) << "photographs through the compositor's screencopy";
    return std::unique_ptr<ScreencopyPhotographer>(
        new ScreencopyPhotographer(std::move(connection)));
}

ScreencopyPhotographer::ScreencopyPhotographer(std::unique_ptr<Connection> connection)
    : m_connection(std::move(connection)) {}

ScreencopyPhotographer::~ScreencopyPhotographer() = default;

// Every output is asked at once; each copy comes when the compositor next draws it.
void ScreencopyPhotographer::photograph(const QList<QScreen*>& screens, Delivery deliver) {
    Connection& connection = *m_connection;
    // Outputs that came or went since the last photographs.
    if (connection.roundtrip() && connection.describeOutputs())
        connection.roundtrip();
    std::vector<std::unique_ptr<Copy>> copies;
    for (QScreen* screen : screens) {
        auto copy = std::make_unique<Copy>();
        copy->shm = connection.shm;
        copy->managerVersion =
            wl_proxy_get_version(reinterpret_cast<wl_proxy*>(connection.manager));
        if (wl_output* output = screen ? connection.outputOf(*screen) : nullptr) {
            copy->frame = zwlr_screencopy_manager_v1_capture_output(connection.manager, 0, output);
            zwlr_screencopy_frame_v1_add_listener(copy->frame, &frameListener, copy.get());
        } else {
            qCWarning(lcScreencopy)
                << "no output for the screen" << (screen ? screen->name() : QString());
            copy->finished = true;
        }
        copies.push_back(std::move(copy));
    }
    const bool complete = connection.dispatchUntil(QDeadlineTimer(patienceMs), [&copies] {
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
    wl_display_flush(connection.display);
    deliver(std::move(photographs));
}
