// Sheet benchmarks on the offscreen platform: build and grading times, resident-set growth, and the clock's hand-in
// delay.
#include "figures.h"
#include "sheetprobe.h"

#include "controls/handlerguard.h"
#include "shared/numbers.h"
#include "sheet/grading.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using BenchFigures::figure;
using BenchFigures::format;
using BenchFigures::median;

using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

// What the event loop does between two clicks of a learner: layout, repaint, deferred deletes.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The resident set now, VmRSS of /proc/self/status, in kibibytes.
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return std::strtol(line.constData() + 6, nullptr, 10);
    }
    return -1;
}

// Fills the sheet's answer boxes: right answers everywhere except the last row, the usual case of a hand-in.
void answerAllButOne(VoDoMain &window)
{
    for (int row = 1; row <= 20; ++row) {
        const QString right = Grading::expectedAnswer(SheetProbe::question(&window, row)->text()).value_or(QString());
        SheetProbe::box(&window, row)->setText(row < 20 ? right : right + u'1');
    }
}

void buildAndGradeTimes(VoDoMain &window)
{
    constexpr int runs = 1000;
    for (int i = 0; i < 50; ++i) { // warm-up: glyph caches, allocator pools
        window.OutCm();
        settle();
    }

    std::vector<double> build;
    std::vector<double> buildAndRepaint;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        window.OutCm();
        const auto built = Clock::now();
        settle();
        const auto settled = Clock::now();
        build.push_back(microseconds(built - start));
        buildAndRepaint.push_back(microseconds(settled - start));
    }

    std::vector<double> grading;
    for (int i = 0; i < runs; ++i) {
        window.OutCm();
        answerAllButOne(window);
        settle();
        const auto start = Clock::now();
        window.VoTaPg_Click();
        grading.push_back(microseconds(Clock::now() - start));
        settle();
    }

    const double buildUs = median(build);
    const double gradeUs = median(grading);
    figure("sheet build, OutCm (median / min of 1000)",
           format("%.0f / %.0f us", buildUs, *std::min_element(build.begin(), build.end())), "< 2000 us",
           buildUs < 2000);
    figure("sheet build with its repaint (median of 1000)", format("%.0f us", median(buildAndRepaint)), "", true);
    figure("grading, VoTaPg_Click, 19 of 20 right (median / min of 1000)",
           format("%.0f / %.0f us", gradeUs, *std::min_element(grading.begin(), grading.end())), "< 200 us",
           gradeUs < 200);
}

void residentGrowth(VoDoMain &window)
{
    long at100 = 0;
    std::printf("resident set after builds (KiB):");
    for (int build = 1; build <= 10000; ++build) {
        window.OutCm();
        settle();
        if (build == 100 || build % 2000 == 0) {
            const long kib = residentKiB();
            std::printf(" %d:%ld", build, kib);
            if (build == 100)
                at100 = kib;
        }
    }
    std::printf("\n");
    const double growthKiB = double(residentKiB() - at100);
    figure("resident-set growth, build 100 to 10,000", format("%.0f KiB", growthKiB), "< 1024 KiB", growthKiB < 1024);
}

void clockAccuracy(VoDoMain &window)
{
    constexpr int sheets = 3;
    constexpr double dueMs = 11000; // "00:10" counts down 10 ticks; the 11th hands the sheet in
    VoOp *dialog = window.options();
    SheetProbe::control<QCheckBox>(dialog, "Check5")->setChecked(true);
    SheetProbe::control<QLineEdit>(dialog, "Text1")->setText(QStringLiteral("10"));
    const QLabel *score = SheetProbe::control<QLabel>(&window, "Label4");

    std::vector<double> delays;
    for (int sheet = 0; sheet < sheets; ++sheet) {
        QEventLoop loop;
        Clock::time_point handedIn{};
        // Connected after the window's own connection, so it runs right after the tick that hands in.
        const auto hook = QObject::connect(window.timer(), &QTimer::timeout, &loop, [&] {
            if (score->text() != u"00") {
                handedIn = Clock::now();
                loop.quit();
            }
        });
        QTimer::singleShot(20000, &loop, &QEventLoop::quit); // a clock that never hands in ends the wait
        dialog->Command1_Click();                            // 确定: builds the sheet and starts the clock
        const auto started = Clock::now();
        loop.exec();
        QObject::disconnect(hook);
        if (handedIn == Clock::time_point{}) {
            std::fprintf(stderr, "the 10 s sheet was never handed in\n");
            std::exit(1);
        }
        delays.push_back(microseconds(handedIn - started) / 1000.0);
    }

    double worst = 0;
    std::printf("hand-in delay of a 10 s sheet (ms):");
    for (double ms : delays) {
        std::printf(" %.1f", ms);
        worst = std::max(worst, std::abs(ms - dueMs));
    }
    std::printf("\n");
    figure("hand-in of a 10 s sheet after 11 s (median delay; worst deviation of 3)",
           format("%.1f ms; %.1f ms", median(delays), worst), "within 50 ms", worst <= 50);
}

// One clamp of a digit box on a pasted text: the box takes the text, its change handler reads it and, when it reads
// above 2, writes "2". Texts of 10,000 and 100,000 characters, so that a cost growing faster than the text shows.
void digitBoxClamp(VoDoMain &window)
{
    QLineEdit *box = SheetProbe::control<QLineEdit>(window.options(), "Tt1");
    std::vector<double> ratioParts;
    for (const int length : {10000, 100000}) {
        for (const char *last : {"3", "1"}) { // 3: clamped to "2"; 1: stays as pasted
            const QString text = QString(length - 1, u' ') + QLatin1String(last);
            std::vector<double> pasteAndClamp;
            std::vector<double> readingAlone;
            for (int i = 0; i < 21; ++i) {
                box->setText(QStringLiteral("1"));
                const auto start = Clock::now();
                box->setText(text);
                pasteAndClamp.push_back(microseconds(Clock::now() - start));
                const auto read = Clock::now();
                volatile double value = Numbers::leadingNumber(text);
                (void)value;
                readingAlone.push_back(microseconds(Clock::now() - read));
            }
            if (box->text() != (*last == '3' ? QStringLiteral("2") : text)) {
                std::fprintf(stderr, "the digit box did not clamp as it should\n");
                std::exit(1);
            }
            const std::string name = "digit-box clamp, " + std::to_string(length) + " characters ending in " + last
                    + " (box text set and clamped; reading alone; median of 21)";
            figure(name.c_str(), format("%.0f us; %.0f us", median(pasteAndClamp), median(readingAlone)), "", true);
            if (*last == '3')
                ratioParts.push_back(median(pasteAndClamp));
        }
    }
    const double growth = ratioParts[1] / ratioParts[0];
    figure("digit-box clamp, 100,000 / 10,000 characters", format("%.1f times", growth), "about 10 (linear)",
           growth < 20);
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "times" && mode != "growth" && mode != "clock" && mode != "clamp") {
        std::fprintf(stderr, "usage: %s times|growth|clock|clamp   (run with QT_QPA_PLATFORM=offscreen)\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    HandlerGuard::setFatalHandler([](const QString &message) {
        std::fprintf(stderr, "fatal error in a handler: %s\n", qPrintable(message));
        std::exit(1);
    });

    RandomSource source;
    VoDoMain window(source);
    window.show();
    settle();

    if (mode == "times")
        buildAndGradeTimes(window);
    else if (mode == "growth")
        residentGrowth(window);
    else if (mode == "clamp")
        digitBoxClamp(window);
    else
        clockAccuracy(window);
    return 0;
}
