// Monkey test: seeded random keys, pastes, clicks and clock ticks on the practice window and the options dialog.
#include "fatalrecorder.h"
#include "sheetprobe.h"

#include "controls/handlerguard.h"
#include "shared/numbers.h"
#include "sheet/grading.h"

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

// The full run; scripts/sanitize.sh asks for fewer through SUMORA_MONKEY_EVENTS, as the sanitizers are slow.
constexpr int defaultEvents = 20000;
constexpr std::mt19937::result_type seed = 20240607u;
constexpr int rows = 20;

int eventCount()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("SUMORA_MONKEY_EVENTS", &ok);
    return ok && n > 0 ? n : defaultEvents;
}

// The scores a sheet of 20 rows can show: "00" before grading, then 0.00, 5.00, ..., 100.00.
QSet<QString> possibleScores()
{
    QSet<QString> scores{QStringLiteral("00")};
    for (int correct = 0; correct <= rows; ++correct)
        scores.insert(QString::number(correct * 5) + QStringLiteral(".00"));
    return scores;
}

class Monkey
{
public:
    Monkey(VoDoMain &window, std::mt19937::result_type seed)
        : m_window(window)
        , m_dialog(window.options())
        , m_random(seed)
    {
    }

    // One random event; returns what it did, for the failure message.
    QString act()
    {
        const int roll = pick(1000);
        if (roll < 380)
            return key();
        if (roll < 630)
            return paste(pick(100) < 92 ? pick(13) : pick(2001));
        if (roll < 632)
            return paste(pick(102401)); // up to 100 KB of text; rare, the boxes cut it to 32767 characters
        if (roll < 692)
            return answerOneRow();
        if (roll < 702)
            return answerAllRows();
        if (roll < 822)
            return clickMainButton();
        if (roll < 922)
            return clickDialog();
        if (roll < 942)
            return openAndConfirmDialog();
        if (roll < 982)
            return tick();
        return activate();
    }

    // What a learner does after a message about a setting: read it and close it.
    int closeSettingsMessages()
    {
        int closed = 0;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == u"SettingsMessage" && top->isVisible()) {
                top->close();
                ++closed;
            }
        }
        return closed;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    QWidget *keyTarget()
    {
        // Typing needs an active window; a learner clicks the practice window first.
        if (!QApplication::activeWindow())
            activate();
        if (QWidget *focus = QApplication::focusWidget())
            return focus;
        return QApplication::activeWindow() ? QApplication::activeWindow() : &m_window;
    }

    QString key()
    {
        struct Key
        {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char *name;
            int weight; // in thousandths of the key events
        };
        static const Key keys[] = {
                {Qt::Key_Return, Qt::NoModifier, "Enter", 80},
                {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter", 30},
                {Qt::Key_Tab, Qt::NoModifier, "Tab", 80},
                {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab", 40},
                {Qt::Key_Backspace, Qt::NoModifier, "Backspace", 60},
                {Qt::Key_Minus, Qt::NoModifier, "-", 40},
                {Qt::Key_Period, Qt::NoModifier, ".", 40},
                {Qt::Key_T, Qt::AltModifier, "Alt+T", 10},
                {Qt::Key_D, Qt::AltModifier, "Alt+D", 10},
        };
        QWidget *target = keyTarget();
        const QString where = target->objectName();
        int roll = pick(1000);
        for (const Key &k : keys) {
            if (roll >= k.weight) {
                roll -= k.weight;
                continue;
            }
            QTest::keyClick(target, k.key, k.modifiers);
            finishAnimatedClick();
            return QStringLiteral("key %1 to %2").arg(QLatin1String(k.name), where);
        }
        const int digit = pick(10);
        QTest::keyClick(target, char('0' + digit));
        return QStringLiteral("key %1 to %2").arg(digit).arg(where);
    }

    // An access key clicks its button about 100 ms later; waiting for it keeps every run of the seed alike.
    void finishAnimatedClick()
    {
        for (const char *name : {"VoTaPg", "Command1"}) {
            const auto *button = SheetProbe::control<QPushButton>(&m_window, QLatin1String(name));
            for (int waited = 0; button->isDown() && waited < 2000; waited += 5)
                QTest::qWait(5);
        }
    }

    QChar randomChar()
    {
        static const char16_t operators[] = {u'＋', u'－', u'×', u'÷'};
        const int kind = pick(100);
        if (kind < 35)
            return QChar(char16_t(u'0' + pick(10)));
        if (kind < 43)
            return QChar(pick(2) ? u'+' : u'-');
        if (kind < 49)
            return QChar(u'.');
        if (kind < 54)
            return QChar(pick(2) ? u'e' : u'E');
        if (kind < 62)
            return QChar(pick(3) ? u' ' : u'\t');
        if (kind < 74)
            return QChar(char16_t(0x4E00 + pick(0x51A6))); // CJK ideographs
        if (kind < 84)
            return QChar(char16_t(0xFF10 + pick(10))); // full-width digits
        if (kind < 94)
            return QChar(operators[pick(4)]);
        return QChar(char16_t(u'a' + pick(26)));
    }

    QString randomText(int length)
    {
        QString text(length, Qt::Uninitialized);
        for (int i = 0; i < length; ++i)
            text[i] = randomChar();
        return text;
    }

    QList<QLineEdit *> boxes() const
    {
        QList<QLineEdit *> all;
        for (int row = 1; row <= rows; ++row) {
            if (auto *box = SheetProbe::control<QLineEdit>(&m_window, QStringLiteral("Text2_%1").arg(row)))
                all.append(box);
        }
        for (const char *name : {"Tt1", "Tt2", "Text1"})
            all.append(SheetProbe::control<QLineEdit>(m_dialog, QLatin1String(name)));
        return all;
    }

    // A paste through setText or insert(); a locked answer box takes nothing, as for a learner.
    QString paste(int length)
    {
        const QList<QLineEdit *> all = boxes();
        QLineEdit *box = all[pick(int(all.size()))];
        if (box->isReadOnly())
            return QStringLiteral("paste refused by locked %1").arg(box->objectName());
        const QString text = randomText(length);
        if (pick(2)) {
            box->setText(text);
            return QStringLiteral("setText %1 characters into %2").arg(length).arg(box->objectName());
        }
        box->insert(text);
        return QStringLiteral("insert %1 characters into %2").arg(length).arg(box->objectName());
    }

    QString rightAnswer(int row) const
    {
        const auto *question = SheetProbe::control<QLabel>(&m_window, QStringLiteral("Label1_%1").arg(row));
        const std::optional<QString> answer = Grading::expectedAnswer(question->text());
        return answer.value_or(QString());
    }

    QString answerOneRow()
    {
        const int row = 1 + pick(rows);
        auto *box = SheetProbe::control<QLineEdit>(&m_window, QStringLiteral("Text2_%1").arg(row));
        if (box->isReadOnly())
            return QStringLiteral("answer refused by locked row %1").arg(row);
        box->setText(rightAnswer(row));
        return QStringLiteral("right answer into row %1").arg(row);
    }

    QString answerAllRows()
    {
        for (int row = 1; row <= rows; ++row) {
            auto *box = SheetProbe::control<QLineEdit>(&m_window, QStringLiteral("Text2_%1").arg(row));
            if (!box->isReadOnly())
                box->setText(rightAnswer(row));
        }
        return QStringLiteral("right answers into every open row");
    }

    QString clickMainButton()
    {
        static const char *const names[] = {"VoTaPg", "Command1", "Cmdbtn"}; // never EndDo: it ends the program
        const char *name = names[pick(3)];
        QTest::mouseClick(SheetProbe::control<QPushButton>(&m_window, QLatin1String(name)), Qt::LeftButton);
        return QStringLiteral("click %1").arg(QLatin1String(name));
    }

    QString clickDialog()
    {
        if (!m_dialog->isVisible()) {
            QTest::mouseClick(SheetProbe::control<QPushButton>(&m_window, QStringLiteral("Cmdbtn")), Qt::LeftButton);
            return QStringLiteral("open the dialog");
        }
        static const char *const names[] = {"Check1", "Check2", "Check3", "Check4",  "Check5",
                                            "Tt1",    "Tt2",    "Text1",  "Command1"};
        const char *name = names[pick(int(std::size(names)))];
        QWidget *control = SheetProbe::control(m_dialog, QLatin1String(name));
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(4, control->height() / 2));
        return QStringLiteral("click dialog %1").arg(QLatin1String(name));
    }

    QString openAndConfirmDialog()
    {
        QTest::mouseClick(SheetProbe::control<QPushButton>(&m_window, QStringLiteral("Cmdbtn")), Qt::LeftButton);
        QTest::mouseClick(SheetProbe::control<QPushButton>(m_dialog, QStringLiteral("Command1")), Qt::LeftButton);
        return QStringLiteral("open the dialog and click 确定");
    }

    // The clock's second passes only while the program runs its timer, and reaches it as the timer's own
    // connection would; the timer itself never fires on its own here (see the test).
    QString tick()
    {
        if (!m_window.timer()->isActive())
            return QStringLiteral("no clock tick: the clock is stopped");
        HandlerGuard::run(&m_window, [this] { m_window.Timer1_Timer(); });
        return QStringLiteral("clock tick");
    }

    QString activate()
    {
        m_window.activateWindow();
        return QStringLiteral("activate the practice window");
    }

    VoDoMain &m_window;
    VoOp *m_dialog;
    std::mt19937 m_random;
};

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
        static const QRegularExpression questionForm(QStringLiteral("^[1-9]\\d*[＋－×÷][1-9]\\d*$"));
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
            if (!questionForm.match(question).hasMatch())
                return QStringLiteral("row %1 asks \"%2\"").arg(row).arg(question);
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

        const int events = eventCount();
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

        qInfo("%d events in %lld ms: %d sheets built, %d gradings (%lld distinct scores), %d setting messages", events,
              qint64(clock.elapsed()), sheets, gradings, qint64(scoresSeen.size()), messages);
        // The events must have reached what they are meant to exercise.
        QVERIFY2(sheets >= events / 200, "too few sheets were built");
        QVERIFY2(gradings >= events / 200, "too few sheets were graded");
        // The full run of this seed reaches a refused setting and a full score; shorter runs may not.
        if (events >= defaultEvents) {
            QVERIFY2(messages > 0, "no setting was ever refused");
            QVERIFY2(scoresSeen.contains(QStringLiteral("100.00")), "no sheet was ever fully right");
        }
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
