// Minimise benchmark: acts as a window manager that minimises the program's window every time it is mapped.
//
// Usage: sumora_bench_minimise PROGRAM [SECONDS]     (on a display with a window manager, e.g.
//        dbus-run-session -- bash scripts/xsession.sh build/bench/sumora_bench_minimise build/sumora)
//
// Starts PROGRAM, waits for its top-level window (by _NET_WM_PID) to be managed, then for SECONDS (default 10)
// asks for the window to be iconified (ICCCM WM_CHANGE_STATE) at once and again at each of its MapNotify events.
// Prints the mappings a second, the program's processor time (utime + stime of /proc/PID/stat) as a share of one
// core, and whether the window is back on screen (WM_STATE Normal) 1.5 s after the requests stop.
#include "figures.h"

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return value;
}

std::vector<uint32_t> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    std::vector<uint32_t> values;
    if (reply && reply->format == 32) {
        const auto *data = static_cast<const uint32_t *>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    return values;
}

// Processor time of the process so far, in seconds.
double processorSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // The fields after the command name (which ends at the last ')') start with the 3rd; utime is the 14th.
    const std::string rest = line.substr(line.rfind(')') + 2);
    unsigned long long user = 0, system = 0;
    std::sscanf(rest.c_str(), "%*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %llu %llu", &user, &system);
    return double(user + system) / double(sysconf(_SC_CLK_TCK));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [SECONDS]\n", argv[0]);
        return 2;
    }
    const double seconds = argc > 2 ? std::atof(argv[2]) : 10.0;
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t clients = atom(c, "_NET_CLIENT_LIST"), pidAtom = atom(c, "_NET_WM_PID");
    const xcb_atom_t wmState = atom(c, "WM_STATE"), changeState = atom(c, "WM_CHANGE_STATE");

    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    xcb_window_t window = XCB_WINDOW_NONE;
    for (const double end = now() + 15; window == XCB_WINDOW_NONE && now() < end; usleep(50000)) {
        for (const uint32_t client : property(c, root, clients)) {
            if (property(c, client, pidAtom) == std::vector<uint32_t>{uint32_t(pid)})
                window = client;
        }
    }
    if (window == XCB_WINDOW_NONE) {
        std::fprintf(stderr, "%s: no managed window within 15 s\n", argv[1]);
        kill(pid, SIGKILL);
        return 1;
    }
    usleep(1000000); // the first sheet and the first frame

    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &mask);
    xcb_client_message_event_t iconify{};
    iconify.response_type = XCB_CLIENT_MESSAGE;
    iconify.format = 32;
    iconify.window = window;
    iconify.type = changeState;
    iconify.data.data32[0] = 3; // IconicState
    const auto minimise = [&] {
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&iconify));
        xcb_flush(c);
    };

    const double cpuBefore = processorSeconds(pid);
    long mappings = 0;
    minimise();
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    for (const double end = now() + seconds; now() < end;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                ++mappings;
                minimise();
            }
            free(event);
        }
        poll(&fd, 1, int((end - now()) * 1000) + 1);
    }
    const double cpu = processorSeconds(pid) - cpuBefore;
    usleep(1500000);
    const std::vector<uint32_t> state = property(c, window, wmState);
    const bool back = !state.empty() && state[0] == 1; // NormalState
    kill(pid, SIGKILL);

    const double share = cpu / seconds * 100;
    const std::string name = "minimised at every mapping: ";
    BenchFigures::figure(name + "mappings a second", BenchFigures::format("%.1f", double(mappings) / seconds));
    BenchFigures::figure(name + "processor time, share of a core", BenchFigures::format("%.1f %%", share), "<= 5 %",
                         share <= 5);
    BenchFigures::figure(name + "on screen 1.5 s after the last request", back ? "yes" : "no", "yes", back);
    xcb_disconnect(c);
    return 0;
}
