// Start-up benchmark driver: interleaved starts of several programs, exec to first map (seen through X), first frame,
// peak memory.
//
// Usage: sumora_bench_startup_driver [--runs N] [--settle-ms M] [--memory-at-ms M] [--goals] PROGRAM...
// A PROGRAM is "NAME=COMMAND": COMMAND is split at spaces, leading VAR=VALUE words go into the program's environment
// (as with env(1)), the rest is the program and its arguments. The first PROGRAM is the yardstick every ratio is
// taken against, the second is the program under study; later ones are peers (or variants of the program).
// --goals adds the project's start-up goals to the program's ratios (to the yardstick and to each peer).
//
// Each start: the driver takes CLOCK_MONOTONIC, forks and execs the program (it also passes that instant as
// SUMORA_BENCH_T0, so a probe linked into the program measures from the same instant). It then watches the X
// server for the first MapNotify of a top-level window whose _NET_WM_PID is the child's, reads "first-frame-ns"
// and "first-frame-cpu-ns" (processor time of all its threads until then) from the child's standard output when a
// probe reports them, reads VmHWM from /proc/<pid>/status 3 s (--memory-at-ms) after the start and then kills it.
// Processor time suffers less than wall time from other work on a shared machine.
#include "figures.h"
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using BenchFigures::figure;
using BenchFigures::format;
using BenchFigures::median;

constexpr long long msNs = 1'000'000;
constexpr long long mapTimeoutNs = 20'000 * msNs; // a program that maps nothing by then is a failed start

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

struct Entry
{
    std::string name;
    std::vector<std::string> environment; // VAR=VALUE
    std::vector<std::string> argv;
};

struct Start
{
    double mapMs = NAN;    // exec to first map of the top-level window
    double frameMs = NAN;  // exec to first painted frame, where a probe reports it
    double cpuMs = NAN;    // processor time of the program until its first frame, where a probe reports it
    double peakMiB = NAN;  // VmHWM 3 s after the start
    bool viaFrame = false; // the map was seen only as the map of the window manager's frame, right after it
};

std::optional<Entry> parseEntry(const std::string &text)
{
    const auto equals = text.find('=');
    if (equals == std::string::npos || equals == 0)
        return std::nullopt;
    Entry entry;
    entry.name = text.substr(0, equals);
    std::istringstream words(text.substr(equals + 1));
    std::string word;
    while (words >> word) {
        if (entry.argv.empty() && word.find('=') != std::string::npos && word.front() != '/' && word.front() != '.')
            entry.environment.push_back(word);
        else
            entry.argv.push_back(word);
    }
    if (entry.argv.empty())
        return std::nullopt;
    return entry;
}

// The driver's own X connection: it sees top-level windows appear on the root and follows each one's mapping.
class XWatch
{
public:
    bool open()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            return false;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        m_pidAtom = intern("_NET_WM_PID");
        // CreateNotify for every new child of the root (each client's top-level, each window-manager frame).
        const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &rootMask);
        xcb_flush(m_connection);
        return m_pidAtom != XCB_ATOM_NONE;
    }

    ~XWatch()
    {
        if (m_connection)
            xcb_disconnect(m_connection);
    }

    int fd() const { return xcb_get_file_descriptor(m_connection); }

    // Handles every event queued so far; returns true once a top-level window of pid is mapped. The map is seen on
    // the window itself (StructureNotify, selected as soon as the window appears on the root) or, when the window
    // manager was quicker than that selection, as the map of the root's child that holds it (its frame, mapped
    // by the window manager right after the window): then viaFrame is set.
    bool poll(pid_t pid, bool &viaFrame)
    {
        bool found = false;
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&free)> owned(event, &free);
            switch (event->response_type & 0x7f) {
            case XCB_CREATE_NOTIFY: {
                const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
                if (created->parent != m_root || created->override_redirect)
                    break;
                const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(m_connection, created->window, XCB_CW_EVENT_MASK, &mask);
                break;
            }
            case XCB_MAP_NOTIFY: {
                const auto *mapped = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (found || mapped->override_redirect || pid <= 0)
                    break;
                if (mapped->event == mapped->window && ownedBy(mapped->window, pid)) {
                    found = true;
                } else if (mapped->event == m_root && mapped->window != m_root
                           && (ownedBy(mapped->window, pid) || holdsWindowOf(mapped->window, pid))) {
                    found = true;
                    viaFrame = !ownedBy(mapped->window, pid);
                }
                break;
            }
            default:
                break;
            }
        }
        xcb_flush(m_connection);
        return found;
    }

private:
    xcb_atom_t intern(const char *name)
    {
        const auto cookie = xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name);
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(m_connection, cookie, nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return atom;
    }

    // True when a child of frame (or a child of one of its children) is a window of pid.
    bool holdsWindowOf(xcb_window_t frame, pid_t pid, int depth = 2)
    {
        xcb_query_tree_reply_t *tree = xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, frame), nullptr);
        if (!tree)
            return false;
        const xcb_window_t *children = xcb_query_tree_children(tree);
        bool held = false;
        for (int i = 0; i < xcb_query_tree_children_length(tree) && !held; ++i)
            held = ownedBy(children[i], pid) || (depth > 1 && holdsWindowOf(children[i], pid, depth - 1));
        free(tree);
        return held;
    }

    bool ownedBy(xcb_window_t window, pid_t pid)
    {
        const auto cookie = xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1);
        xcb_get_property_reply_t *reply = xcb_get_property_reply(m_connection, cookie, nullptr);
        bool owned = false;
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
            owned = *static_cast<const uint32_t *>(xcb_get_property_value(reply)) == uint32_t(pid);
        free(reply);
        return owned;
    }

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
};

double peakResidentMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0; // the kernel writes kB (KiB)
    return NAN;
}

// One start of entry; false (with a message) when the program never maps a window or does not live 3 s.
bool runOnce(const Entry &entry, XWatch &watch, long long memoryAtNs, Start &start)
{
    watch.poll(0, start.viaFrame); // events of earlier starts (their windows' destruction) are of no interest
    start.viaFrame = false;

    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return false;
    std::vector<char *> argv;
    for (const std::string &word : entry.argv)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);

    const long long t0 = monotonicNs();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, STDERR_FILENO); // peers talk a lot; the probe reports on stdout
        for (const std::string &assignment : entry.environment)
            putenv(const_cast<char *>(assignment.c_str()));
        setenv("SUMORA_BENCH_T0", std::to_string(t0).c_str(), 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    fcntl(out[0], F_SETFL, O_NONBLOCK);

    std::string text;
    bool mapped = false;
    bool exited = false;
    for (;;) {
        const long long now = monotonicNs();
        if (now - t0 >= memoryAtNs && (mapped || now - t0 >= mapTimeoutNs))
            break;
        const long long wakeAt = t0 + (mapped || now - t0 < memoryAtNs ? memoryAtNs : mapTimeoutNs);
        pollfd fds[2] = {{watch.fd(), POLLIN, 0}, {out[0], POLLIN, 0}};
        ::poll(fds, out[0] >= 0 ? 2 : 1, int(std::max(1LL, (wakeAt - now + msNs - 1) / msNs)));
        if (!mapped && watch.poll(child, start.viaFrame)) {
            mapped = true;
            start.mapMs = double(monotonicNs() - t0) / 1e6;
        }
        if (out[0] >= 0 && (fds[1].revents & (POLLIN | POLLHUP))) {
            char buffer[4096];
            ssize_t n;
            while ((n = read(out[0], buffer, sizeof buffer)) > 0)
                text.append(buffer, size_t(n));
            if (n == 0) {
                close(out[0]);
                out[0] = -1;
            }
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            exited = true;
            break;
        }
    }
    if (!exited)
        start.peakMiB = peakResidentMiB(child);
    kill(child, SIGKILL);
    int status = 0;
    if (!exited)
        waitpid(child, &status, 0);
    if (out[0] >= 0)
        close(out[0]);

    const auto at = text.find("first-frame-ns ");
    if (at != std::string::npos)
        start.frameMs = std::strtod(text.c_str() + at + 15, nullptr) / 1e6;
    const auto cpuAt = text.find("first-frame-cpu-ns ");
    if (cpuAt != std::string::npos)
        start.cpuMs = std::strtod(text.c_str() + cpuAt + 19, nullptr) / 1e6;
    if (!mapped || exited) {
        std::fprintf(stderr, "%s: %s\n", entry.name.c_str(),
                     exited ? "ended before the memory reading" : "no top-level window mapped");
        return false;
    }
    return true;
}

double minimum(const std::vector<double> &values)
{
    double best = NAN;
    for (double v : values)
        if (!std::isnan(v) && (std::isnan(best) || v < best))
            best = v;
    return best;
}

struct Series
{
    std::vector<double> mapMs, frameMs, cpuMs, peakMiB;
    int viaFrame = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    int runs = 10;
    long settleMs = 300; // pause between starts: the window manager finishes with the window just killed
    bool goals = false;
    long long memoryAtNs = 3'000 * msNs; // the resident-set peak is read this long after the start
    std::vector<Entry> entries;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (argument == "--settle-ms" && i + 1 < argc) {
            settleMs = std::atol(argv[++i]);
        } else if (argument == "--memory-at-ms" && i + 1 < argc) {
            memoryAtNs = std::atoll(argv[++i]) * msNs;
        } else if (argument == "--goals") {
            goals = true;
        } else if (auto entry = parseEntry(argument)) {
            entries.push_back(*entry);
        } else {
            std::fprintf(stderr, "%s: not a NAME=COMMAND: %s\n", argv[0], argument.c_str());
            return 2;
        }
    }
    if (entries.size() < 2 || runs < 1) {
        std::fprintf(stderr,
                     "usage: %s [--runs N] [--settle-ms M] [--memory-at-ms M] [--goals] YARDSTICK=COMMAND "
                     "PROGRAM=COMMAND [PEER=COMMAND...]\n",
                     argv[0]);
        return 2;
    }

    XWatch watch;
    if (!watch.open()) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 1;
    }
    const timespec settle{settleMs / 1000, (settleMs % 1000) * msNs};

    // One start of each first, not counted: it fills the caches (fontconfig, shared libraries, a peer's files).
    for (const Entry &entry : entries) {
        Start warm;
        if (!runOnce(entry, watch, memoryAtNs, warm))
            return 1;
        nanosleep(&settle, nullptr);
    }

    std::vector<Series> series(entries.size());
    const size_t n = entries.size();
    for (int run = 0; run < runs; ++run) {
        // Interleaved, the first program of each round rotating, so a drift of the machine falls on all alike.
        for (size_t k = 0; k < n; ++k) {
            const size_t s = (size_t(run) + k) % n;
            Start start;
            if (!runOnce(entries[s], watch, memoryAtNs, start))
                return 1;
            series[s].mapMs.push_back(start.mapMs);
            series[s].frameMs.push_back(start.frameMs);
            series[s].cpuMs.push_back(start.cpuMs);
            series[s].peakMiB.push_back(start.peakMiB);
            series[s].viaFrame += start.viaFrame;
            nanosleep(&settle, nullptr);
        }
    }

    for (size_t s = 0; s < n; ++s) {
        std::printf("%-16s map ms:", entries[s].name.c_str());
        for (double ms : series[s].mapMs)
            std::printf(" %.1f", ms);
        if (!std::isnan(median(series[s].frameMs))) {
            std::printf("\n%-16s frame ms:", "");
            for (double ms : series[s].frameMs)
                std::printf(" %.1f", ms);
            std::printf("\n%-16s CPU ms:", "");
            for (double ms : series[s].cpuMs)
                std::printf(" %.1f", ms);
        }
        std::printf("\n%-16s VmHWM MiB:", "");
        for (double mib : series[s].peakMiB)
            std::printf(" %.1f", mib);
        std::printf("\n");
        if (series[s].viaFrame)
            std::printf("%-16s %d of %d maps were seen through the window manager's frame (a close late bound)\n", "",
                        series[s].viaFrame, runs);
    }

    const Series &yard = series[0];
    const std::string memoryAt = format("%.1f s", double(memoryAtNs) / 1e9);
    for (size_t s = 0; s < n; ++s) {
        const Series &one = series[s];
        const std::string &name = entries[s].name;
        figure(name + ": exec to first map (median / min)",
               format("%.1f / %.1f ms", median(one.mapMs), minimum(one.mapMs)));
        if (!std::isnan(median(one.frameMs)))
            figure(name + ": exec to first frame (median / min)",
                   format("%.1f / %.1f ms", median(one.frameMs), minimum(one.frameMs)));
        if (!std::isnan(median(one.cpuMs)))
            figure(name + ": processor time to first frame (median / min)",
                   format("%.1f / %.1f ms", median(one.cpuMs), minimum(one.cpuMs)));
        figure(name + ": peak resident set " + memoryAt + " after start (median)",
               format("%.1f MiB", median(one.peakMiB)));
        if (s == 0)
            continue;
        const std::string versus = " / " + entries[0].name;
        const double mapRatio = median(one.mapMs) / median(yard.mapMs);
        figure(name + versus + ": first map (medians; minima)",
               format("%.2f; %.2f", mapRatio, minimum(one.mapMs) / minimum(yard.mapMs)),
               goals && s == 1 ? "<= 1.15" : "", mapRatio <= 1.15);
        if (!std::isnan(median(one.frameMs)) && !std::isnan(median(yard.frameMs)))
            figure(name + versus + ": first frame (medians; minima)",
                   format("%.2f; %.2f", median(one.frameMs) / median(yard.frameMs),
                          minimum(one.frameMs) / minimum(yard.frameMs)));
        if (!std::isnan(median(one.cpuMs)) && !std::isnan(median(yard.cpuMs)))
            figure(name + versus + ": processor time to first frame (medians)",
                   format("%.2f", median(one.cpuMs) / median(yard.cpuMs)));
        const double memoryRatio = median(one.peakMiB) / median(yard.peakMiB);
        figure(name + versus + ": peak resident set (medians)", format("%.2f", memoryRatio),
               goals && s == 1 ? "<= 1.15" : "", memoryRatio <= 1.15);
    }
    // The program against each peer or variant: the ratio of first-map medians and the difference in ms and MiB,
    // then the median of the differences within each round, which a slow drift of the machine does not move.
    const Series &program = series[1];
    const auto pairedMedian = [](const std::vector<double> &a, const std::vector<double> &b) {
        std::vector<double> differences;
        for (size_t i = 0; i < a.size() && i < b.size(); ++i)
            differences.push_back(a[i] - b[i]);
        return median(differences);
    };
    for (size_t s = 2; s < n; ++s) {
        const Series &one = series[s];
        const double frameDifference = pairedMedian(program.frameMs, one.frameMs);
        if (std::isnan(frameDifference))
            figure(entries[1].name + " - " + entries[s].name + ": first map (paired median)",
                   format("%+.1f ms", pairedMedian(program.mapMs, one.mapMs)));
        else
            figure(entries[1].name + " - " + entries[s].name
                           + ": first map, first frame, processor time (paired medians)",
                   format("%+.1f, %+.1f, %+.1f ms", pairedMedian(program.mapMs, one.mapMs), frameDifference,
                          pairedMedian(program.cpuMs, one.cpuMs)));
        const double ratio = median(program.mapMs) / median(one.mapMs);
        figure(entries[1].name + " / " + entries[s].name + ": first map (medians)",
               format("%.2f (%+.1f ms, %+.1f MiB)", ratio, median(program.mapMs) - median(one.mapMs),
                      median(program.peakMiB) - median(one.peakMiB)),
               goals ? "< 1" : "", ratio < 1);
        if (!std::isnan(median(one.cpuMs)) && !std::isnan(median(program.cpuMs)))
            figure(entries[1].name + " - " + entries[s].name + ": processor time to first frame (medians)",
                   format("%+.1f ms", median(program.cpuMs) - median(one.cpuMs)));
    }
    return 0;
}
