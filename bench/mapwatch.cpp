// Watches the X display for bench/startup.sh and prints the wall clock, in
// microseconds since the epoch, of the moment the first top-level window is
// mapped: the time to window as the display server sees it, before anything
// is drawn in it.
//
//   mapwatch <ready file> <timeout ms>
//
// Pop-ups (override-redirect windows: menus, tool tips) do not count. The
// ready file is written once the watch is on, so a program started after it
// cannot be missed. Exits 1 on time-out, 2 without a display.

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>

namespace {

long long nowUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <ready file> <timeout ms>\n", argv[0]);
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    // Children of the root that are mapped, created or reparented report here.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t cookie = xcb_change_window_attributes_checked(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t *error = xcb_request_check(connection, cookie)) {
        std::fprintf(stderr, "cannot watch the root window (error %d)\n", error->error_code);
        std::free(error);
        return 2;
    }
    if (FILE *ready = std::fopen(argv[1], "w"))
        std::fclose(ready);

    const long long deadline = nowUs() + std::atoll(argv[2]) * 1000;
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (nowUs() < deadline) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const bool topLevelMap = (event->response_type & 0x7f) == XCB_MAP_NOTIFY
                && !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
            std::free(event);
            if (topLevelMap) {
                std::printf("%lld\n", nowUs());
                std::fflush(stdout);
                xcb_disconnect(connection);
                return 0;
            }
        }
        if (xcb_connection_has_error(connection))
            return 2;
        const long long left = (deadline - nowUs()) / 1000;
        poll(&fd, 1, int(left > 0 ? left : 0));
    }
    xcb_disconnect(connection);
    return 1;
}
