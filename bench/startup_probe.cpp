// Start-up probe linked into the benchmark builds: reports the first painted frame of the main window on stdout.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// With SUMORA_BENCH_MAPS set: the resident kibibytes of each mapped file (or [heap], anonymous ...) at the first
// frame, largest first, to stderr; it tells where a peak resident set comes from.
void printResidentMappings()
{
    std::FILE *smaps = std::fopen("/proc/self/smaps", "r");
    if (!smaps)
        return;
    std::map<std::string, long> residentByName;
    std::string current = "[anonymous]";
    char line[1024];
    while (std::fgets(line, sizeof line, smaps)) {
        long kib = 0;
        unsigned long start = 0;
        unsigned long end = 0;
        char name[768] = "";
        if (std::sscanf(line, "Rss: %ld kB", &kib) == 1)
            residentByName[current] += kib;
        else if (std::sscanf(line, "%lx-%lx %*s %*s %*s %*s %767[^\n]", &start, &end, name) >= 2)
            current = name[0] ? name : "[anonymous]"; // a mapping's header line
    }
    std::fclose(smaps);
    std::vector<std::pair<long, std::string>> sorted;
    for (const auto &[name, kib] : residentByName)
        sorted.emplace_back(kib, name);
    std::sort(sorted.rbegin(), sorted.rend());
    for (size_t i = 0; i < sorted.size() && i < 25; ++i)
        std::fprintf(stderr, "%8ld KiB  %s\n", sorted[i].first, sorted[i].second.c_str());
}

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// Waits for the first paint of a top-level widget that holds the child named by SUMORA_BENCH_REQUIRE (any
// top-level when it is empty). The repaint that delivers that event also flushes the frame to the window
// system; a queued call runs only once that repaint has returned, so it marks the finished frame.
class FirstFrame : public QObject
{
public:
    FirstFrame(long long startNs, QString required)
        : m_startNs(startNs)
        , m_required(std::move(required))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()) {
            const auto *widget = static_cast<const QWidget *>(watched);
            if (widget->isWindow() && (m_required.isEmpty() || widget->findChild<QObject *>(m_required))) {
                m_seen = true;
                QMetaObject::invokeMethod(this, &FirstFrame::report, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    void report()
    {
        const long long elapsed = monotonicNs() - m_startNs;
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu); // all threads of the process, user and system
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("first-frame-ns %lld\nfirst-frame-cpu-ns %lld\nmax-rss-kib %ld\n", elapsed,
                    cpu.tv_sec * 1'000'000'000LL + cpu.tv_nsec, usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::instance()->removeEventFilter(this);
        if (qEnvironmentVariableIsSet("SUMORA_BENCH_MAPS"))
            printResidentMappings();
        // A profile of the start-up ends here; the driver instead lets the program run on and ends it itself.
        if (qEnvironmentVariableIsSet("SUMORA_BENCH_EXIT_AT_FRAME"))
            _exit(0); // tearing down would only cost time nobody waits for
    }

    long long m_startNs;
    QString m_required;
    bool m_seen = false;
};

// Runs inside the QCoreApplication constructor, so the program's own main stays as it is.
void installProbe()
{
    // SUMORA_BENCH_T0: CLOCK_MONOTONIC in nanoseconds, taken by the driver just before it forks the program.
    const QByteArray start = qgetenv("SUMORA_BENCH_T0");
    if (start.isEmpty())
        return;
    auto *probe = new FirstFrame(start.toLongLong(), qEnvironmentVariable("SUMORA_BENCH_REQUIRE"));
    probe->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
