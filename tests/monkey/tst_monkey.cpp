// Monkey test: after each of the monkey's events the sheet still holds together.
#include "fatalrecorder.h"
#include "monkey.h"
#include "questioncontract.h"
#include "sheetprobe.h"

#include "shared/numbers.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <random>

namespace {

// One run, the same wherever it runs (under the sanitizers too): about a minute there.
constexpr int events = 20000;
constexpr std::mt19937::result_type seed = 20240607u;

// The scores a sheet of 20 rows can show: "00" before grading, then 0.00, 5.00, ..., 100.00.
QSet<QString> possibleScores()
{
    QSet<QString> scores{QStringLiteral("00")};
    for (int correct = 0; correct <= rows; ++correct)
        scores.insert(QString::number(correct * 5) + QStringLiteral(".00"));
    return scores;
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private:
    FatalRecorder m_fatal;

    // Everything that must hold after any event; an empty text when it does.
    QString broken(VoDoMain &w) const
    {
        static const QRegularExpression rowName(QStringLiteral("^(Label1|Text2)_(\\d+)$"));
        static const QRegularExpression clockForm(QStringLiteral("^(\\d{2,}:\\d{2}|00:0-\\d+)$"));
        static const QSet<QString> scores = possibleScores();

        if (!m_fatal.isEmpty())
            return QStringLiteral("fatal error: ") + m_fatal.joined();
        if (!w.isVisible())
            return QStringLiteral("the practice window is gone");

        QHash<QString, int> seen;
        for (const QObject *object : w.children()) {
            const QRegularExpressionMatch m = rowName.match(object->objectName());
            if (!m.hasMatch())
                continue;
            const int index = m.captured(2).toInt();
            if (index < 0 || index > rows || m.captured(2).startsWith(u'0') != (index == 0))
                return QStringLiteral("a control that is no row: ") + object->objectName();
            ++seen[object->objectName()];
        }
        for (const char *array : {"Label1", "Text2"}) {
            if (seen.value(QLatin1String(array) + QStringLiteral("_0")) > 1)
                return QStringLiteral("two row templates of ") + QLatin1String(array);
            for (int row = 1; row <= rows; ++row) {
                const QString name = QLatin1String(array) + u'_' + QString::number(row);
                if (seen.value(name) != 1)
                    return QStringLiteral("%1 exists %2 times").arg(name).arg(seen.value(name));
                if (!SheetProbe::control(&w, name)->isVisibleTo(&w))
                    return name + QStringLiteral(" is hidden");
            }
        }
        for (int row = 1; row <= rows; ++row) {
            const QString question = SheetProbe::control<QLabel>(&w, QStringLiteral("Label1_%1").arg(row))->text();
            if (const QString breach = QuestionContract::formBreach(question); !breach.isEmpty())
                return QStringLiteral("row %1 asks \"%2\": %3").arg(row).arg(question, breach);
        }

        for (const char *name : {"Tt1", "Tt2"}) {
            const QString text = SheetProbe::control<QLineEdit>(w.options(), QLatin1String(name))->text();
            if (Numbers::leadingNumber(text) > 2)
                return QStringLiteral("%1 reads above 2: \"%2\"").arg(QLatin1String(name), text.left(40));
        }
        const QString score = SheetProbe::control<QLabel>(&w, QStringLiteral("Label4"))->text();
        if (!scores.contains(score))
            return QStringLiteral("score \"%1\"").arg(score);
        const QString clock = SheetProbe::control<QLabel>(&w, QStringLiteral("Label7"))->text();
        if (!clockForm.match(clock).hasMatch())
            return QStringLiteral("clock \"%1\"").arg(clock);
        return {};
    }

private Q_SLOTS:
    void randomEventsKeepTheSheetWhole()
    {
        RandomSource source;
        VoDoMain w(source);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // Seconds pass only through the monkey's ticks, so that a run does not depend on how fast it goes;
        // the program starts and stops the timer as ever.
        w.timer()->setInterval(24 * 3600 * 1000);
        QSignalSpy exitClicks(SheetProbe::control<QPushButton>(&w, QStringLiteral("EndDo")), &QPushButton::clicked);
        QVERIFY(broken(w).isEmpty());

        Monkey monkey(w, seed);
        QStringList recent; // the last events, for the failure message
        int sheets = 0;
        int gradings = 0;
        int messages = 0;
        QSet<QString> scoresSeen;
        QPointer<QObject> firstQuestion = SheetProbe::control(&w, QStringLiteral("Label1_1"));
        QString lastScore = SheetProbe::control<QLabel>(&w, QStringLiteral("Label4"))->text();
        QElapsedTimer clock;
        clock.start();

        for (int event = 1; event <= events; ++event) {
            recent.append(QString::number(event) + QStringLiteral(": ") + monkey.act());
            if (recent.size() > 8)
                recent.removeFirst();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            messages += monkey.closeSettingsMessages();

            const QString fault = broken(w);
            QVERIFY2(fault.isEmpty(), qPrintable(fault + QStringLiteral("\nafter ") + recent.join(u"\n      ")));
            QVERIFY2(exitClicks.isEmpty(), qPrintable(QStringLiteral("退出 was clicked after ") + recent.join(u", ")));

            // Coverage of what the events reached: new sheets and gradings.
            if (QObject *first = SheetProbe::control(&w, QStringLiteral("Label1_1")); first != firstQuestion) {
                ++sheets;
                firstQuestion = first;
            }
            const QString score = SheetProbe::control<QLabel>(&w, QStringLiteral("Label4"))->text();
            if (score != lastScore && score != u"00") {
                ++gradings;
                scoresSeen.insert(score);
            }
            lastScore = score;
        }
        // Animated clicks (Alt+T, Alt+D) land about 100 ms after their key.
        QTest::qWait(200);
        messages += monkey.closeSettingsMessages();
        QCoreApplication::processEvents();
        QVERIFY2(broken(w).isEmpty(), qPrintable(broken(w)));
        QVERIFY(exitClicks.isEmpty());

        qInfo("%d events in %lld ms: %d sheets built, %d gradings (%lld distinct scores), %d setting messages, "
              "%d waiting commands run inside a full-score hand-in",
              events, qint64(clock.elapsed()), sheets, gradings, qint64(scoresSeen.size()), messages,
              monkey.commandsRunInsideHandIns());
        // The events must have reached what they are meant to exercise.
        QVERIFY2(sheets >= events / 200, "too few sheets were built");
        QVERIFY2(gradings >= events / 200, "too few sheets were graded");
        QVERIFY2(monkey.commandsRunInsideHandIns() >= events / 1000, "too few waiting commands met a hand-in");
        // This seed's run reaches a refused setting and a full score.
        QVERIFY2(messages > 0, "no setting was ever refused");
        QVERIFY2(scoresSeen.contains(QStringLiteral("100.00")), "no sheet was ever fully right");
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
