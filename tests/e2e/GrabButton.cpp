// Test helper: holds a passive grab of a mouse button on the root window, as another program
// might, until it is killed. Prints "grabbed" once the grab is in place.
// Usage: grab_button BUTTON
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char* argv[]) {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (argc < 2 || xcb_connection_has_error(connection))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto button = static_cast<std::uint8_t>(std::atoi(argv[1]));
    xcb_generic_error_t* error = xcb_request_check(
        connection, xcb_grab_button_checked(connection, false, root, XCB_EVENT_MASK_BUTTON_PRESS,
                                            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE,
                                            XCB_NONE, button, XCB_MOD_MASK_ANY));
    if (error)
        return 1;
    std::puts("grabbed");
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection))
        std::free(event);
    return 0;
}
