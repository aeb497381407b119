// Start-up benchmark driver: runs the program and the one-label yardstick in turn, exec to first frame and peak memory.
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Run
{
    double frameMs = 0; // exec to first painted frame
    double peakMiB = 0; // maximum resident set of the child, from wait4
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// One start of program; the probe linked into it prints "first-frame-ns N" and ends it.
bool runOnce(const char *program, const char *required, Run &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        setenv("SUMORA_BENCH_REQUIRE", required, 1);
        setenv("SUMORA_BENCH_T0", std::to_string(monotonicNs()).c_str(), 1); // last thing before exec
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);

    std::string text;
    char buffer[512];
    const long long deadline = monotonicNs() + 30'000'000'000LL; // a start that never paints is a failed run
    for (;;) {
        pollfd p{out[0], POLLIN, 0};
        const int left = int(std::max(0LL, (deadline - monotonicNs()) / 1'000'000));
        if (poll(&p, 1, left) <= 0) {
            kill(child, SIGKILL);
            break;
        }
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        text.append(buffer, size_t(n));
    }
    close(out[0]);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto at = text.find("first-frame-ns ");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || at == std::string::npos) {
        std::fprintf(stderr, "%s: no first frame reported (status %d)\n%s", program, status, text.c_str());
        return false;
    }
    run.frameMs = std::strtod(text.c_str() + at + 15, nullptr) / 1e6;
    run.peakMiB = double(usage.ru_maxrss) / 1024.0; // kibibytes on Linux
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double minimum(const std::vector<double> &values)
{
    return *std::min_element(values.begin(), values.end());
}

// One row of the benchmark table: name | value | goal | met.
void figure(const std::string &name, const std::string &value, const std::string &goal, const std::string &met)
{
    std::printf("FIGURE|%s|%s|%s|%s\n", name.c_str(), value.c_str(), goal.c_str(), met.c_str());
}

std::string format(const char *pattern, double a, double b = 0)
{
    char text[128];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <runs> <program with probe> <one-label program with probe>\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const char *program = argv[2];
    const char *yardstick = argv[3];
    const char *rows = "Label1_20"; // the program's first frame counts once its 20th row exists

    // One start of each first, not counted: it fills the caches (fontconfig, shared libraries).
    Run warm;
    if (!runOnce(yardstick, "", warm) || !runOnce(program, rows, warm))
        return 1;

    std::vector<double> programMs, yardstickMs, programMiB, yardstickMiB;
    for (int i = 0; i < runs; ++i) {
        // Interleaved, the order swapped every run, so drifts of the machine fall on both alike.
        for (int k = 0; k < 2; ++k) {
            const bool sumora = (k == 0) == (i % 2 == 0);
            Run run;
            if (!runOnce(sumora ? program : yardstick, sumora ? rows : "", run))
                return 1;
            (sumora ? programMs : yardstickMs).push_back(run.frameMs);
            (sumora ? programMiB : yardstickMiB).push_back(run.peakMiB);
        }
    }

    std::printf("start-up, %d runs each (ms), Sumora:", runs);
    for (double ms : programMs)
        std::printf(" %.1f", ms);
    std::printf("\nstart-up, %d runs each (ms), one label:", runs);
    for (double ms : yardstickMs)
        std::printf(" %.1f", ms);
    std::printf("\n");

    const double timeRatio = median(programMs) / median(yardstickMs);
    const double memoryRatio = median(programMiB) / median(yardstickMiB);
    figure("start-up to first frame, Sumora (median / min)",
           format("%.1f / %.1f ms", median(programMs), minimum(programMs)), "", "");
    figure("start-up to first frame, one label (median / min)",
           format("%.1f / %.1f ms", median(yardstickMs), minimum(yardstickMs)), "", "");
    figure("start-up ratio (medians; minima)",
           format("%.2f; %.2f", timeRatio, minimum(programMs) / minimum(yardstickMs)), "<= 1.20",
           timeRatio <= 1.2 ? "yes" : "no");
    figure("peak resident set, Sumora / one label (median)",
           format("%.1f / %.1f MiB", median(programMiB), median(yardstickMiB)), "", "");
    figure("peak resident set ratio", format("%.2f", memoryRatio), "<= 1.25", memoryRatio <= 1.25 ? "yes" : "no");
    return 0;
}
