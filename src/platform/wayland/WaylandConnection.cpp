#include "platform/wayland/WaylandConnection.h"

#include "platform/Patience.h"

#include "xdg-output-client.h"

#include <QPoint>
#include <QScreen>

#include <wayland-client.h>

#include <poll.h>

#include <algorithm>
#include <cerrno>

namespace {

// Version 2 names the output's connector, as Qt names its screen.
constexpr std::uint32_t supportedDescriptionVersion = 2;

} // namespace

// An output, and what its description says of it: Qt names and places its screens so.
struct WaylandConnection::Output {
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

namespace {

const zxdg_output_v1_listener descriptionListener = {
    .logical_position =
        [](void* data, zxdg_output_v1*, std::int32_t x, std::int32_t y) {
            static_cast<WaylandConnection::Output*>(data)->position = QPoint(x, y);
        },
    .logical_size = [](void*, zxdg_output_v1*, std::int32_t, std::int32_t) {},
    .done = [](void*, zxdg_output_v1*) {},
    .name =
        [](void* data, zxdg_output_v1*, const char* name) {
            static_cast<WaylandConnection::Output*>(data)->connector = QString::fromUtf8(name);
        },
    .description = [](void*, zxdg_output_v1*, const char*) {},
};

} // namespace

std::unique_ptr<WaylandConnection> WaylandConnection::open() {
    std::unique_ptr<WaylandConnection> connection(new WaylandConnection);
    connection->m_display = wl_display_connect(nullptr);
    if (!connection->m_display)
        return nullptr;
    connection->m_registry = wl_display_get_registry(connection->m_display);
    static const wl_registry_listener registryListener = {
        .global =
            [](void* data, wl_registry*, std::uint32_t name, const char* interface,
               std::uint32_t version) {
                static_cast<WaylandConnection*>(data)->addGlobal(name, interface, version);
            },
        .global_remove =
            [](void* data, wl_registry*, std::uint32_t name) {
                static_cast<WaylandConnection*>(data)->removeGlobal(name);
            },
    };
    wl_registry_add_listener(connection->m_registry, &registryListener, connection.get());
    // The globals, then what the outputs say of themselves.
    if (!connection->roundtrip() || !connection->m_shm)
        return nullptr;
    if (connection->describeOutputs() && !connection->roundtrip())
        return nullptr;
    return connection;
}

WaylandConnection::~WaylandConnection() {
    m_outputs.clear();
    if (m_describer)
        zxdg_output_manager_v1_destroy(m_describer);
    if (m_shm)
        wl_shm_destroy(m_shm);
    if (m_registry)
        wl_registry_destroy(m_registry);
    if (m_display)
        wl_display_disconnect(m_display);
}

void* WaylandConnection::bind(const wl_interface& interface, std::uint32_t maxVersion) const {
    for (const Global& global : m_globals) {
        if (global.interface == interface.name)
            return wl_registry_bind(m_registry, global.name, &interface,
                                    std::min(global.version, maxVersion));
    }
    return nullptr;
}

bool WaylandConnection::dispatchOnce(QDeadlineTimer deadline) {
    while (wl_display_prepare_read(m_display) != 0) {
        if (wl_display_dispatch_pending(m_display) < 0)
            return false;
    }
    wl_display_flush(m_display);
    pollfd readable{wl_display_get_fd(m_display), POLLIN, 0};
    int waited = 0;
    do {
        waited = ::poll(&readable, 1, int(std::max<qint64>(0, deadline.remainingTime())));
    } while (waited < 0 && errno == EINTR);
    if (waited <= 0) {
        wl_display_cancel_read(m_display);
        return false;
    }
    return wl_display_read_events(m_display) == 0 && wl_display_dispatch_pending(m_display) >= 0;
}

bool WaylandConnection::dispatchArrived() {
    dispatchOnce(QDeadlineTimer(0)); // nothing to read is no failure
    return wl_display_get_error(m_display) == 0;
}

bool WaylandConnection::roundtrip() {
    bool answered = false;
    wl_callback* sync = wl_display_sync(m_display);
    static const wl_callback_listener syncListener = {
        .done = [](void* data, wl_callback*, std::uint32_t) { *static_cast<bool*>(data) = true; },
    };
    wl_callback_add_listener(sync, &syncListener, &answered);
    const bool complete =
        dispatchUntil(QDeadlineTimer(desktopPatienceMs), [&answered] { return answered; });
    wl_callback_destroy(sync);
    return complete;
}

void WaylandConnection::refreshOutputs() {
    if (roundtrip() && describeOutputs())
        roundtrip();
}

// Asks the outputs not yet described for their description; whether any was.
bool WaylandConnection::describeOutputs() {
    bool asked = false;
    for (const std::unique_ptr<Output>& output : m_outputs) {
        if (output->description || !m_describer)
            continue;
        output->description = zxdg_output_manager_v1_get_xdg_output(m_describer, output->output);
        zxdg_output_v1_add_listener(output->description, &descriptionListener, output.get());
        asked = true;
    }
    return asked;
}

void WaylandConnection::addGlobal(std::uint32_t name, std::string_view interface,
                                  std::uint32_t version) {
    if (interface == wl_shm_interface.name) {
        m_shm = static_cast<wl_shm*>(wl_registry_bind(m_registry, name, &wl_shm_interface, 1));
    } else if (interface == zxdg_output_manager_v1_interface.name) {
        m_describer = static_cast<zxdg_output_manager_v1*>(
            wl_registry_bind(m_registry, name, &zxdg_output_manager_v1_interface,
                             std::min(version, supportedDescriptionVersion)));
    } else if (interface == wl_output_interface.name) {
        auto output = std::make_unique<Output>();
        output->name = name;
        output->output = static_cast<wl_output*>(wl_registry_bind(
            m_registry, name, &wl_output_interface, std::min<std::uint32_t>(version, 3)));
        m_outputs.push_back(std::move(output));
        // An output that comes later is described as it comes.
        describeOutputs();
    } else {
        m_globals.push_back({name, std::string(interface), version});
    }
}

void WaylandConnection::removeGlobal(std::uint32_t name) {
    std::erase_if(m_outputs, [name](const auto& output) { return output->name == name; });
    std::erase_if(m_globals, [name](const Global& global) { return global.name == name; });
}

wl_output* WaylandConnection::outputOf(const QScreen& screen) const {
    for (const std::unique_ptr<Output>& output : m_outputs) {
        if (!output->connector.isEmpty() && output->connector == screen.name())
            return output->output;
    }
    for (const std::unique_ptr<Output>& output : m_outputs) {
        if (output->position == screen.geometry().topLeft())
            return output->output;
    }
    return nullptr;
}
