// The least a program can do to freeze the screen at a press of the middle button, the X
// server's own way: the server copies the screen into a pixmap that backs an override-redirect
// window, and no pixel crosses to the client. A right click lets the screen go. Its window is
// named as Gestrix's overlay, so that press_to_overlay measures both alike.
// Usage: server_freeze   (DISPLAY names the server)
#include <xcb/xcb.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(void) {
    xcb_connection_t* connection = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(connection)) {
        fputs("server_freeze: no X server\n", stderr);
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_grab_button(connection, 0, screen->root, XCB_EVENT_MASK_BUTTON_PRESS, XCB_GRAB_MODE_ASYNC,
                    XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, 2, XCB_MOD_MASK_ANY);

    const xcb_window_t window = xcb_generate_id(connection);
    const uint32_t attributes[] = {1, XCB_EVENT_MASK_BUTTON_PRESS};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0,
                      screen->width_in_pixels, screen->height_in_pixels, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, attributes);
    const char name[] = "Gestrix geste";
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, sizeof name - 1, name);
    // What the windows show, copied whole.
    const xcb_gcontext_t copier = xcb_generate_id(connection);
    const uint32_t inferiors = XCB_SUBWINDOW_MODE_INCLUDE_INFERIORS;
    xcb_create_gc(connection, copier, screen->root, XCB_GC_SUBWINDOW_MODE, &inferiors);
    xcb_flush(connection);
    puts("ready");
    fflush(stdout);

    int shown = 0;
    xcb_generic_event_t* event;
    while ((event = xcb_wait_for_event(connection))) {
        if ((event->response_type & 0x7F) == XCB_BUTTON_PRESS) {
            const xcb_button_press_event_t* press = (const xcb_button_press_event_t*)event;
            if (press->detail == 2 && !shown) {
                const xcb_pixmap_t frozen = xcb_generate_id(connection);
                xcb_create_pixmap(connection, screen->root_depth, frozen, screen->root,
                                  screen->width_in_pixels, screen->height_in_pixels);
                xcb_copy_area(connection, screen->root, frozen, copier, 0, 0, 0, 0,
                              screen->width_in_pixels, screen->height_in_pixels);
                xcb_change_window_attributes(connection, window, XCB_CW_BACK_PIXMAP, &frozen);
                // The window keeps the pixmap as long as it needs it.
                xcb_free_pixmap(connection, frozen);
                xcb_map_window(connection, window);
                shown = 1;
            } else if (press->detail == 3 && shown) {
                xcb_unmap_window(connection, window);
                shown = 0;
            }
            xcb_flush(connection);
        }
        free(event);
    }
    xcb_disconnect(connection);
    return 0;
}
