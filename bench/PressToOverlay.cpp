// Press -> overlay mapped, seen from another X client: presses the trigger button through XTest
// at random moments, takes the time until the server reports the overlay window ("Gestrix
// geste") mapped, draws a short stroke and cancels with a right click. Prints each latency, then
// the median and the 90th percentile.
// Usage: press_to_overlay [PRESSES] [BUTTON]   (DISPLAY names the server)
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Free {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using Owned = std::unique_ptr<T, Free>;

std::string windowName(xcb_connection_t* connection, xcb_window_t window) {
    const Owned<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
        nullptr));
    if (!reply)
        return {};
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

void fake(xcb_connection_t* connection, std::uint8_t type, std::uint8_t detail, std::int16_t x = 0,
          std::int16_t y = 0) {
    xcb_test_fake_input(connection, type, detail, XCB_CURRENT_TIME, XCB_NONE, x, y, 0);
    xcb_flush(connection);
}

// Waits for a map or unmap of the overlay; returns false after a few seconds without one.
bool waitFor(xcb_connection_t* connection, std::uint8_t wanted) {
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < deadline) {
        const Owned<xcb_generic_event_t> event(xcb_poll_for_event(connection));
        if (!event) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        const std::uint8_t type = event->response_type & 0x7F;
        if (type == wanted && wanted == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (windowName(connection, map->window) == "Gestrix geste")
                return true;
        } else if (type == wanted) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    const int presses = argc > 1 ? std::atoi(argv[1]) : 25;
    const auto button = static_cast<std::uint8_t>(argc > 2 ? std::atoi(argv[2]) : 2);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("press_to_overlay: no X server\n", stderr);
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);

    std::mt19937 random(7);
    std::uniform_int_distribution<int> pause(150, 450);
    std::vector<double> latencies;
    for (int i = 0; i < presses; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
        fake(connection, XCB_MOTION_NOTIFY, 0, 300, 500);
        const auto pressed = Clock::now();
        fake(connection, XCB_BUTTON_PRESS, button);
        if (!waitFor(connection, XCB_MAP_NOTIFY)) {
            std::fprintf(stderr, "press %d: no overlay\n", i + 1);
            fake(connection, XCB_BUTTON_RELEASE, button);
            continue;
        }
        latencies.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - pressed).count());
        fake(connection, XCB_BUTTON_RELEASE, button);
        for (int x = 300; x <= 900; x += 50)
            fake(connection, XCB_MOTION_NOTIFY, 0, static_cast<std::int16_t>(x), 500);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        fake(connection, XCB_BUTTON_PRESS, 3);
        fake(connection, XCB_BUTTON_RELEASE, 3);
        if (!waitFor(connection, XCB_UNMAP_NOTIFY))
            std::fprintf(stderr, "press %d: the overlay stayed\n", i + 1);
    }
    xcb_disconnect(connection);
    if (latencies.empty())
        return 1;
    for (double ms : latencies)
        std::printf("%.1f ", ms);
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double share) {
        return latencies[std::min(
            latencies.size() - 1,
            static_cast<std::size_t>(share * static_cast<double>(latencies.size())))];
    };
    std::printf(
        "\npress -> overlay mapped: median %.1f ms, 90th percentile %.1f ms (%zu presses)\n",
        at(0.5), at(0.9), latencies.size());
    return 0;
}
