#pragma once

#include <QDeadlineTimer>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QScreen;
struct wl_display;
struct wl_interface;
struct wl_output;
struct wl_registry;
struct wl_shm;
struct zxdg_output_manager_v1;

// A Wayland connection of our own, beside Qt's, shared by the overlay surfaces and the
// photographer: the compositor's globals, its outputs and the names Qt knows them by, and waits
// that never outlast a patience.
class WaylandConnection {
public:
    // Nothing where there is no Wayland display, or it does not answer.
    static std::unique_ptr<WaylandConnection> open();
    ~WaylandConnection();

    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;

    wl_display* display() const { return m_display; }
    wl_shm* shm() const { return m_shm; }
    // The global offering this interface, bound at no more than this version; nothing where the
    // compositor offers none. The caller owns it.
    void* bind(const wl_interface& interface, std::uint32_t maxVersion) const;

    // Reads and handles events until done() holds, the connection fails or the deadline passes;
    // whether done() holds.
    template <typename Done> bool dispatchUntil(QDeadlineTimer deadline, Done done) {
        while (!done()) {
            if (!dispatchOnce(deadline))
                return false;
        }
        return true;
    }
    // Handles whatever has arrived, without waiting; false once the connection has failed.
    bool dispatchArrived();
    // Everything the compositor had to say until now, and the answers to what was asked.
    bool roundtrip();
    // Outputs that came or went since the connection last read its events, described. A
    // connection read as it has something to say needs it only for an output just announced.
    void refreshOutputs();
    // The output Qt shows as this screen: by its connector's name, else by its place.
    wl_output* outputOf(const QScreen& screen) const;

    struct Output;

private:
    WaylandConnection() = default;
    bool dispatchOnce(QDeadlineTimer deadline);
    bool describeOutputs();
    void addGlobal(std::uint32_t name, std::string_view interface, std::uint32_t version);
    void removeGlobal(std::uint32_t name);

    struct Global {
        std::uint32_t name;
        std::string interface;
        std::uint32_t version;
    };

    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    wl_shm* m_shm = nullptr;
    zxdg_output_manager_v1* m_describer = nullptr;
    std::vector<Global> m_globals;
    std::vector<std::unique_ptr<Output>> m_outputs;
};
