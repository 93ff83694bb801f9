// Waits until a window manager manages the display's windows: until some
// client has taken the root window's substructure redirection, which only a
// manager does, so that every window mapped from then on goes to it first.
// Asks the X server and never competes for the redirection itself.
//   window_manager_ready [SECONDS]      exit 0 once ready, 1 at the deadline

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char *argv[])
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "window_manager_ready: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        xcb_get_window_attributes_reply_t *attributes =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, root), nullptr);
        const bool managed = attributes && (attributes->all_event_masks & XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT);
        std::free(attributes);
        if (managed)
            break;
        if (std::chrono::steady_clock::now() >= deadline) {
            std::fprintf(stderr, "window_manager_ready: no window manager took the display within %d s\n", seconds);
            xcb_disconnect(c);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    xcb_disconnect(c);
    return 0;
}
