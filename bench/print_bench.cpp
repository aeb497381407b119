// Printed sheets against the toolkit's floor: sumora --pdf --sheets 100 and a bare QPdfWriter program writing the
// same pages, started in turn (interleaved); time and size ratios, and the program's peak memory at 100 and 1000
// sheets. Figures only. Then sumora --pdf with 1000 sheets of the unit carry100-2d against 1000 plain sheets: what
// listing a unit's questions and drawing them without repeats add to printing.
//
//   sumora_bench_print SUMORA FLOOR [RUNS]
#include "figures.h"
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using BenchFigures::figure;
using BenchFigures::format;
using BenchFigures::median;

struct Run
{
    double seconds = 0;
    double cpuSeconds = 0; // the child's user and system time
    long peakKiB = 0;      // the child's peak resident set
    double sizeKiB = 0;
};

// Starts the program, waits for it and measures it; the output file is removed afterwards.
Run measure(std::vector<std::string> arguments, const std::string &file)
{
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Run run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
            + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakKiB = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0]);
        std::exit(1);
    }
    run.sizeKiB = double(std::filesystem::file_size(file)) / 1024;
    std::filesystem::remove(file);
    return run;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SUMORA FLOOR [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 10;
    const std::string file = (std::filesystem::temp_directory_path() / "sumora-print-bench.pdf").string();
    setenv("QT_QPA_PLATFORM", "offscreen", 1); // the floor's; the program picks it itself
    const auto program = [&](int sheets, const std::string &unit = {}) {
        std::vector<std::string> arguments{argv[1], "--pdf", file, "--sheets", std::to_string(sheets), "--seed", "1"};
        if (!unit.empty())
            arguments.insert(arguments.end(), {"--unit", unit});
        return measure(arguments, file);
    };
    const auto floor = [&](int sheets) { return measure({argv[2], file, std::to_string(sheets)}, file); };

    program(100); // warm caches for both
    floor(100);
    std::vector<double> ours, theirs;
    Run ourRun, theirRun;
    for (int i = 0; i < runs; ++i) {
        theirRun = floor(100);
        ourRun = program(100);
        theirs.push_back(theirRun.seconds);
        ours.push_back(ourRun.seconds);
    }
    const double time = median(ours) / median(theirs);
    figure("print 100 sheets / bare QPdfWriter, time (median)",
           format("%.2fx (%.3f s / %.3f s)", time, median(ours), median(theirs)), "<= 1.5x", time <= 1.5);
    const double size = ourRun.sizeKiB / theirRun.sizeKiB;
    figure("print 100 sheets / bare QPdfWriter, file size",
           format("%.2fx (%.0f KiB / %.0f KiB)", size, ourRun.sizeKiB, theirRun.sizeKiB), "<= 1.5x", size <= 1.5);

    long at100 = 0, at1000 = 0;
    for (int i = 0; i < 3; ++i) {
        at100 = std::max(at100, program(100).peakKiB);
        at1000 = std::max(at1000, program(1000).peakKiB);
    }
    const double growth = double(at1000) / double(at100);
    figure("print peak memory, 1000 / 100 sheets",
           format("%.2fx (%.1f MiB / %.1f MiB)", growth, at1000 / 1024.0, at100 / 1024.0), "<= 1.1x (flat)",
           growth <= 1.1);

    // A thousand sheets take ten times a hundred: a third as many runs. Processor time, which another program's
    // load on a shared machine moves far less than the time on the clock (both are shown).
    std::vector<double> unitCpu, plainCpu, unitWall, plainWall;
    program(1000, "carry100-2d");
    for (int i = 0; i < std::max(runs / 3, 3); ++i) {
        const Run plain = program(1000);
        const Run unit = program(1000, "carry100-2d");
        plainCpu.push_back(plain.cpuSeconds);
        unitCpu.push_back(unit.cpuSeconds);
        plainWall.push_back(plain.seconds);
        unitWall.push_back(unit.seconds);
    }
    const double units = median(unitCpu) / median(plainCpu);
    figure("print 1000 sheets of carry100-2d / 1000 plain, processor time",
           format("%.2fx (%.3f s / %.3f s", units, median(unitCpu), median(plainCpu))
                   + format("; on the clock %.3f s / %.3f s)", median(unitWall), median(plainWall)),
           "<= 1.2x", units <= 1.2);
    return 0;
}
