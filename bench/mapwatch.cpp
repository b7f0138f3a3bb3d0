// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

// Starts a program under an X server without a window manager and times, from the exec, the map
// of its first top-level window (MapNotify) and the first drawing into it (DamageNotify); then
// closes that window as a window manager would (WM_DELETE_WINDOW) and reports the program's peak
// resident memory while shown (VmHWM just before the close) and over its whole life, closing
// included (getrusage), and its exit status. One line of key=value pairs on stdout:
//   map_ms=27.612 paint_ms=31.020 shown_rss_kb=30998 maxrss_kb=31104 exit=0
// Usage: mapwatch [--settle MS] [--timeout MS] PROGRAM [ARGUMENTS...]
//   --settle: how long the window stays up after its first paint (default 300 ms), so that the
//             peak memory is that of a started program, not of one still starting.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char **environ;

namespace {

double nowMs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

// The window manager's polite close: the program decides itself how to end.
void sendDeleteWindow(xcb_connection_t *c, xcb_window_t window)
{
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(c, "WM_PROTOCOLS");
    event.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(c);
}

// The high-water mark of the resident set so far, in KiB; -1 when it cannot be read.
long peakResidentKb(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    std::FILE *status = std::fopen(path.c_str(), "r");
    if (!status)
        return -1;
    long kb = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1)
            break;
    std::fclose(status);
    return kb;
}

uint32_t windowPid(xcb_connection_t *c, xcb_window_t window)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atom(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 0, 1),
        nullptr);
    uint32_t pid = 0;
    if (reply && xcb_get_property_value_length(reply) == 4)
        std::memcpy(&pid, xcb_get_property_value(reply), 4);
    std::free(reply);
    return pid;
}

} // namespace

int main(int argc, char **argv)
{
    double settleMs = 300;
    double timeoutMs = 10000;
    int first = 1;
    for (; first + 1 < argc && argv[first][0] == '-'; first += 2) {
        if (std::strcmp(argv[first], "--settle") == 0)
            settleMs = std::atof(argv[first + 1]);
        else if (std::strcmp(argv[first], "--timeout") == 0)
            timeoutMs = std::atof(argv[first + 1]);
        else
            break;
    }
    if (first >= argc || argv[first][0] == '-') {
        std::fprintf(stderr, "usage: mapwatch [--settle MS] [--timeout MS] PROGRAM [ARGS...]\n");
        return 2;
    }

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "mapwatch: cannot connect to the X server\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_damage_query_version_reply_t *damage = xcb_damage_query_version_reply(
        c, xcb_damage_query_version(c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr);
    const xcb_query_extension_reply_t *damageExtension = xcb_get_extension_data(c, &xcb_damage_id);
    const bool haveDamage = damage && damageExtension && damageExtension->present;
    std::free(damage);
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootMask);
    // A round trip: the server watches the root for us before the program starts.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

    pid_t pid = 0;
    const double start = nowMs();
    // posix_spawn returns once the child has called exec, so start is the exec within a few
    // microseconds, the same for every program measured.
    if (posix_spawn(&pid, argv[first], nullptr, nullptr, argv + first, environ) != 0) {
        std::fprintf(stderr, "mapwatch: cannot start %s\n", argv[first]);
        return 2;
    }

    xcb_window_t window = XCB_WINDOW_NONE;
    double mapMs = -1;
    double paintMs = -1;
    std::vector<xcb_damage_damage_t> damages;
    const int fd = xcb_get_file_descriptor(c);
    for (;;) {
        const double now = nowMs();
        if (now - start > timeoutMs)
            break;
        if (paintMs >= 0 && now - (start + paintMs) >= settleMs)
            break;
        // No paint seen (no damage extension, or the program draws nothing): settle after map.
        if (mapMs >= 0 && paintMs < 0 && now - (start + mapMs) >= settleMs + 2000)
            break;
        xcb_generic_event_t *event = xcb_poll_for_event(c);
        if (!event) {
            if (xcb_connection_has_error(c))
                break;
            pollfd pfd = {fd, POLLIN, 0};
            poll(&pfd, 1, 10);
            continue;
        }
        const double at = nowMs() - start;
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY && haveDamage) {
            // Watch every new top-level window for drawing, before it can be mapped and drawn.
            auto *create = reinterpret_cast<xcb_create_notify_event_t *>(event);
            if (create->parent == root && !create->override_redirect) {
                const xcb_damage_damage_t id = xcb_generate_id(c);
                xcb_damage_create(c, id, create->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                damages.push_back(id);
                xcb_flush(c);
            }
        } else if (type == XCB_MAP_NOTIFY && window == XCB_WINDOW_NONE) {
            auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (map->event == root && !map->override_redirect) {
                window = map->window;
                mapMs = at;
            }
        } else if (haveDamage && type == damageExtension->first_event + XCB_DAMAGE_NOTIFY) {
            auto *notify = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            if (window != XCB_WINDOW_NONE && notify->drawable == window && paintMs < 0)
                paintMs = at;
            xcb_damage_subtract(c, notify->damage, XCB_NONE, XCB_NONE);
            xcb_flush(c);
        }
        std::free(event);
    }

    const long shownRssKb = peakResidentKb(pid);
    bool otherProgram = false;
    if (window != XCB_WINDOW_NONE) {
        const uint32_t owner = windowPid(c, window);
        otherProgram = owner != 0 && owner != static_cast<uint32_t>(pid);
        sendDeleteWindow(c, window);
    }

    int status = 0;
    rusage usage;
    std::memset(&usage, 0, sizeof usage);
    const double closeStart = nowMs();
    pid_t waited = 0;
    while ((waited = wait4(pid, &status, WNOHANG, &usage)) == 0 && nowMs() - closeStart < 5000)
        usleep(2000);
    std::string exitText;
    if (waited == 0) {
        kill(pid, SIGKILL);
        wait4(pid, &status, 0, &usage);
        exitText = "killed";
    } else if (WIFEXITED(status)) {
        exitText = std::to_string(WEXITSTATUS(status));
    } else {
        exitText = "signal" + std::to_string(WTERMSIG(status));
    }
    xcb_disconnect(c);

    std::printf("map_ms=%.3f paint_ms=%.3f shown_rss_kb=%ld maxrss_kb=%ld exit=%s\n", mapMs,
                paintMs, shownRssKb, usage.ru_maxrss, exitText.c_str());
    if (otherProgram)
        std::fprintf(stderr, "mapwatch: the window mapped first belongs to another program\n");
    return mapMs >= 0 && !otherProgram && exitText == "0" ? 0 : 1;
}
