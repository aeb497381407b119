// The practice window offscreen: its design, the sheet it builds, grading, commands and the clock.
#include "sheetprobe.h"

#include "options/voop.h"
#include "practice/handlerguard.h"
#include "practice/vodomain.h"
#include "questions/randomsource.h"

#include <QFontInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace SheetProbe;

namespace {

// A source that fails on its first draw: the sheet build at load cannot finish.
class FailingSource : public RandomSource
{
public:
    float next() override { throw std::runtime_error("no draws"); }
};

QLineEdit *dialogBox(VoDoMain &w, const char *name)
{
    return control<QLineEdit>(w.options(), QLatin1String(name));
}

QCheckBox *dialogCheck(VoDoMain &w, const char *name)
{
    return control<QCheckBox>(w.options(), QLatin1String(name));
}

void useFixedTime(VoDoMain &w, const QString &seconds)
{
    dialogCheck(w, "Check5")->setChecked(true);
    dialogBox(w, "Text1")->setText(seconds);
}

} // namespace

class TestVoDoMain : public QObject
{
    Q_OBJECT

private:
    FreshProgram m_program;
    QStringList m_fatal;

    VoDoMain &fresh() { return m_program.start(); }

    VoDoMain &shown()
    {
        VoDoMain &w = fresh();
        w.show();
        if (!QTest::qWaitForWindowActive(&w))
            qFatal("practice window never became active");
        return w;
    }

    void answerAll(VoDoMain &w, int wrongRows)
    {
        for (int row = 1; row <= 20; ++row) {
            const QString right = rightAnswer(question(&w, row)->text());
            box(&w, row)->setText(row <= wrongRows ? right + u'1' : right);
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        HandlerGuard::setFatalHandler([this](const QString &message) { m_fatal.append(message); });
    }
    void init() { m_fatal.clear(); }
    void cleanup()
    {
        m_program.end();
        QCOMPARE(m_fatal, QStringList());
    }

    // --- design ---
    void windowDesign()
    {
        VoDoMain &w = fresh();
        QCOMPARE(w.objectName(), QStringLiteral("VoDoMain"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Sumora(Brenn六周年纪念版)"));
        QCOMPARE(w.logicalDpiY(), 96);
        QCOMPARE(w.size(), QSize(616, 287));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));

        auto *timer = w.findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        for (const char *name : {"Shape1", "Line1", "Line2", "Line3", "Label5", "VoOutCome", "Label6"})
            QVERIFY2(control(&w, QLatin1String(name)), name);
    }

    void designLabels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<double>("points");
        QTest::newRow("slogan") << "Label5" << QPoint(240, 12) << QColor(0x00, 0x80, 0x00) << 14.25;
        QTest::newRow("score caption") << "VoOutCome" << QPoint(16, 259) << QColor() << 10.5;
        QTest::newRow("clock caption") << "Label6" << QPoint(140, 259) << QColor() << 10.5;
        QTest::newRow("clock") << "Label7" << QPoint(200, 260) << QColor(0x00, 0x00, 0xFF) << 9.0;
        QTest::newRow("score") << "Label4" << QPoint(64, 258) << QColor(0xFF, 0x00, 0x00) << 12.0;
    }
    void designLabels()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, position);
        QFETCH(QColor, color);
        QFETCH(double, points);
        VoDoMain &w = fresh();
        QLabel *l = label(&w, name);
        QVERIFY(l);
        QCOMPARE(l->pos(), position);
        QCOMPARE(l->font().pointSizeF(), points);
        QVERIFY(l->font().bold());
        QVERIFY(!l->autoFillBackground());
        if (color.isValid())
            QCOMPARE(l->palette().color(QPalette::WindowText), color);
        // Sized to its own text in the font in use, so nothing of it is cut off.
        const QFontMetrics metrics(l->font());
        QCOMPARE(l->size(), QSize(metrics.horizontalAdvance(l->text()), metrics.height()));
    }

    void songFontResolvesToANarrowSongFace()
    {
        VoDoMain &w = fresh();
        const QFont font = question(&w, 1)->font();
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("AR PL UMing CN"));
        // The design's 12 pt line height, and "99×99" well inside its 53-pixel template.
        QCOMPARE(QFontMetrics(font).height(), 16);
        QVERIFY(QFontMetrics(font).horizontalAdvance(QStringLiteral("99×99")) <= 53);
    }

    void buttonsInDesignOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::newRow("hand in") << "VoTaPg" << "交卷(&T)" << 296;
        QTest::newRow("new sheet") << "Command1" << "出题(&D)" << 374;
        QTest::newRow("options") << "Cmdbtn" << "设置" << 452;
        QTest::newRow("exit") << "EndDo" << "退出(&X)" << 530;
    }
    void buttonsInDesignOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, left);
        VoDoMain &w = fresh();
        auto *b = control<QPushButton>(&w, name);
        QVERIFY(b);
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->geometry(), QRect(left, 254, 67, 23));
        QVERIFY(!b->autoDefault());
        QVERIFY(!b->isDefault());
    }

    void templatesStayHiddenWithDesignExtents()
    {
        VoDoMain &w = fresh();
        QCOMPARE(question(&w, 0)->geometry(), QRect(24, 8, 53, 16));
        QCOMPARE(question(&w, 0)->text(), QStringLiteral("99×99"));
        QCOMPARE(label(&w, QStringLiteral("Label2_0"))->text(), QStringLiteral("＝"));
        QCOMPARE(mark(&w, 0)->text(), QStringLiteral("#"));
        QCOMPARE(box(&w, 0)->geometry(), QRect(96, 4, 49, 24));
        for (QWidget *t : {static_cast<QWidget *>(question(&w, 0)), static_cast<QWidget *>(box(&w, 0)),
                           static_cast<QWidget *>(mark(&w, 0))})
            QVERIFY(t->isHidden());
    }

    // --- the first sheet ---
    void firstSheetUsesTheDefaults()
    {
        VoDoMain &w = fresh();
        static const QRegularExpression form(QStringLiteral("^[1-9][＋－][1-9]$"));
        for (int row = 1; row <= 20; ++row) {
            QVERIFY(question(&w, row));
            QVERIFY2(form.match(question(&w, row)->text()).hasMatch(), qPrintable(question(&w, row)->text()));
            QVERIFY(!question(&w, row)->isHidden());
            QVERIFY(!box(&w, row)->isHidden());
            QVERIFY(box(&w, row)->text().isEmpty());
            QVERIFY(!box(&w, row)->isReadOnly());
            QVERIFY(mark(&w, row)->isHidden());
            QCOMPARE(box(&w, row)->accessibleName(), question(&w, row)->text() + u'＝');
        }
        QVERIFY(!question(&w, 21));
        QCOMPARE(label(&w, QStringLiteral("Label7"))->text(), QStringLiteral("01:05"));
        QCOMPARE(label(&w, QStringLiteral("Label4"))->text(), QStringLiteral("00"));
        QVERIFY(w.timer()->isActive());
    }

    void twoFreshSourcesGiveTheSameFirstSheet()
    {
        const QStringList first = questions(&fresh());
        QCOMPARE(questions(&fresh()), first);
        QStringList distinct = first;
        QVERIFY(distinct.removeDuplicates() < 19); // and it is a real mixture, not one question
    }

    void rowPositions_data()
    {
        QTest::addColumn<QString>("array");
        QTest::addColumn<QList<int>>("lefts"); // twips by column
        QTest::addColumn<QList<int>>("tops");  // twips by line
        QTest::newRow("questions") << "Label1" << QList<int>{360, 2562, 4764, 6966}
                                   << QList<int>{660, 1160, 1660, 2160, 2660};
        QTest::newRow("equals signs") << "Label2" << QList<int>{1200, 3402, 5604, 7806}
                                      << QList<int>{660, 1160, 1660, 2160, 2660};
        QTest::newRow("marks") << "Label3" << QList<int>{2175, 4377, 6579, 8781}
                               << QList<int>{690, 1190, 1690, 2190, 2690};
        QTest::newRow("answer boxes drift 2 twips a column") << "Text2" << QList<int>{1440, 3644, 5848, 8052}
                                                             << QList<int>{599, 1099, 1599, 2099, 2599};
    }
    void rowPositions()
    {
        QFETCH(QString, array);
        QFETCH(QList<int>, lefts);
        QFETCH(QList<int>, tops);
        VoDoMain &w = fresh();
        const auto px = [](int twips) { return qRound(twips / 15.0); };
        for (int row = 1; row <= 20; ++row) {
            QWidget *element = control(&w, array + u'_' + QString::number(row));
            QVERIFY(element);
            QPoint expected(px(lefts[(row - 1) % 4]), px(tops[(row - 1) / 4]));
            if (array == u"Label3" && row % 4 == 0)
                expected.rx() += 1; // clear of the drifting answer box, see below
            QVERIFY2(element->pos() == expected,
                     qPrintable(QStringLiteral("row %1 at %2,%3").arg(row).arg(element->x()).arg(element->y())));
        }
    }

    void noMarkStartsInsideItsAnswerBox()
    {
        VoDoMain &w = fresh();
        for (int row = 1; row <= 20; ++row)
            QVERIFY2(mark(&w, row)->x() >= box(&w, row)->geometry().right() + 1, qPrintable(QString::number(row)));
    }

    void twoBuildsReplaceEveryRow()
    {
        VoDoMain &w = fresh();
        box(&w, 3)->setText(QStringLiteral("42"));
        QList<QPointer<QWidget>> old;
        for (int row = 1; row <= 20; ++row)
            old << QPointer<QWidget>(box(&w, row)) << QPointer<QWidget>(question(&w, row));
        const QStringList before = questions(&w);
        w.OutCm();
        w.OutCm();
        for (const auto &gone : old)
            QVERIFY(gone.isNull());
        QVERIFY(questions(&w) != before);
        for (int row = 1; row <= 20; ++row) {
            QCOMPARE(w.findChildren<QLineEdit *>(QStringLiteral("Text2_%1").arg(row)).size(), 1);
            QVERIFY(box(&w, row)->text().isEmpty());
        }
        QVERIFY(!question(&w, 21));
        QVERIFY(!box(&w, 21));
    }

    void noOperatorTickedChangesNothing()
    {
        VoDoMain &w = fresh();
        box(&w, 1)->setText(QStringLiteral("7"));
        w.VoTaPg_Click();
        const QStringList before = questions(&w);
        const QString score = label(&w, QStringLiteral("Label4"))->text();
        const QString clock = label(&w, QStringLiteral("Label7"))->text();
        QPointer<QLineEdit> first = box(&w, 1);
        for (const char *name : {"Check1", "Check2"})
            dialogCheck(w, name)->setChecked(false);
        w.Command1_Click();
        QCOMPARE(first.data(), box(&w, 1));
        QCOMPARE(questions(&w), before);
        QCOMPARE(box(&w, 1)->text(), QStringLiteral("7"));
        QVERIFY(box(&w, 1)->isReadOnly());
        QCOMPARE(label(&w, QStringLiteral("Label4"))->text(), score);
        QCOMPARE(label(&w, QStringLiteral("Label7"))->text(), clock);
        QVERIFY(!w.timer()->isActive());
    }

    void greyedCheckBoxIsNotTicked()
    {
        VoDoMain &w = fresh();
        QCheckBox *subtract = dialogCheck(w, "Check2");
        subtract->setTristate(true);
        subtract->setCheckState(Qt::PartiallyChecked);
        w.OutCm();
        for (const QString &q : questions(&w))
            QVERIFY2(q.contains(u'＋'), qPrintable(q));
    }

    // --- grading ---
    void gradedRows_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("correct");
        QTest::newRow("sum") << "47＋8" << "55" << true;
        QTest::newRow("difference") << "63－25" << "38" << true;
        QTest::newRow("product") << "12×9" << "108" << true;
        QTest::newRow("quotient") << "56÷7" << "8" << true;
        QTest::newRow("blanks around the answer") << "56÷7" << "  8 " << true;
        QTest::newRow("leading zero") << "56÷7" << "08" << false;
        QTest::newRow("decimal zeros") << "56÷7" << "8.0" << false;
        QTest::newRow("plus sign") << "56÷7" << "+8" << false;
        QTest::newRow("full-width digit") << "56÷7" << "８" << false;
        QTest::newRow("empty answer") << "56÷7" << "" << false;
        QTest::newRow("a third to two decimals") << "1÷3" << "0.33" << true;
        QTest::newRow("a half") << "1÷2" << "0.5" << true;
        QTest::newRow("three decimals stay") << "1÷8" << "0.125" << true;
        QTest::newRow("two thirds rounded up") << "2÷3" << "0.67" << true;
    }
    void gradedRows()
    {
        QFETCH(QString, question);
        QFETCH(QString, answer);
        QFETCH(bool, correct);
        VoDoMain &w = fresh();
        SheetProbe::question(&w, 7)->setText(question);
        box(&w, 7)->setText(answer);
        w.VoTaPg_Click();
        QCOMPARE(!mark(&w, 7)->isHidden(), correct);
        if (correct)
            QCOMPARE(mark(&w, 7)->text(), QStringLiteral("√"));
        QCOMPARE(label(&w, QStringLiteral("Label4"))->text(), correct ? QStringLiteral("5.00") : QStringLiteral("0.00"));
        for (int row = 1; row <= 20; ++row)
            QVERIFY(box(&w, row)->isReadOnly());
    }

    void fullScoreMovesTheFocusToExit()
    {
        VoDoMain &w = shown();
        answerAll(w, 0);
        w.VoTaPg_Click();
        QCOMPARE(label(&w, QStringLiteral("Label4"))->text(), QStringLiteral("100.00"));
        for (int row = 1; row <= 20; ++row)
            QCOMPARE(mark(&w, row)->isVisible(), true);
        QTRY_COMPARE(QApplication::focusWidget(), button(&w, "EndDo"));
        QVERIFY(!w.timer()->isActive());
    }

    void nineteenRightMovesTheFocusToNewSheet()
    {
        VoDoMain &w = shown();
        answerAll(w, 1);
        w.VoTaPg_Click();
        QCOMPARE(label(&w, QStringLiteral("Label4"))->text(), QStringLiteral("95.00"));
        QVERIFY(mark(&w, 1)->isHidden());
        QTRY_COMPARE(QApplication::focusWidget(), button(&w, "Command1"));
    }

    void gradingTwiceGivesTheSameResult()
    {
        VoDoMain &w = fresh();
        answerAll(w, 6);
        w.VoTaPg_Click();
        const QString clock = label(&w, QStringLiteral("Label7"))->text();
        w.VoTaPg_Click();
        QCOMPARE(label(&w, QStringLiteral("Label4"))->text(), QStringLiteral("70.00"));
        for (int row = 1; row <= 20; ++row)
            QCOMPARE(mark(&w, row)->isHidden(), row <= 6);
        QCOMPARE(label(&w, QStringLiteral("Label7"))->text(), clock);
    }

    void gradingWithoutASheetOnlyStopsTheClock()
    {
        FailingSource failing;
        VoDoMain w(failing); // the build at load fails; the window is made all the same
        QVERIFY(!question(&w, 1));
        w.timer()->start();
        w.VoTaPg_Click();
        QVERIFY(!w.timer()->isActive());
        QCOMPARE(label(&w, QStringLiteral("Label4"))->text(), QStringLiteral("00.00"));
        QCOMPARE(label(&w, QStringLiteral("Label7"))->text(), QStringLiteral("00:00"));
    }

    void divisionByZeroEndsTheProgramWithAMessage()
    {
        VoDoMain &w = fresh();
        question(&w, 2)->setText(QStringLiteral("5÷0"));
        button(&w, "VoTaPg")->click();
        QCOMPARE(m_fatal.size(), 1);
        QVERIFY(m_fatal.first().contains(QStringLiteral("除数为零")));
        m_fatal.clear();
    }

    // --- commands and keys ---
    void enterInAnyBoxHandsTheSheetIn_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("main Enter, first row") << 1 << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter, last row") << 20 << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Shift+Enter") << 9 << int(Qt::Key_Return) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Enter") << 14 << int(Qt::Key_Return) << int(Qt::ControlModifier);
    }
    void enterInAnyBoxHandsTheSheetIn()
    {
        QFETCH(int, row);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        VoDoMain &w = shown();
        QLineEdit *answer = box(&w, row);
        answer->setFocus();
        QTest::keyClicks(answer, rightAnswer(question(&w, row)->text()));
        QSignalSpy reached(answer, &QLineEdit::returnPressed);
        QTest::keyClick(answer, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(label(&w, QStringLiteral("Label4"))->text(), QStringLiteral("5.00"));
        QVERIFY(!mark(&w, row)->isHidden());
        QCOMPARE(reached.size(), 1); // the box still receives the key
    }

    void otherKeysOnlyEdit()
    {
        VoDoMain &w = shown();
        QTest::keyClicks(box(&w, 2), QStringLiteral("12a"));
        QTest::keyClick(box(&w, 2), Qt::Key_Escape);
        QCOMPARE(box(&w, 2)->text(), QStringLiteral("12a"));
        QCOMPARE(label(&w, QStringLiteral("Label4"))->text(), QStringLiteral("00"));
        QVERIFY(w.timer()->isActive());
    }

    void accessKeysPressTheirButtons()
    {
        VoDoMain &w = shown();
        QTest::keyClick(&w, Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(label(&w, QStringLiteral("Label4"))->text(), QStringLiteral("0.00"));
        const QStringList graded = questions(&w);
        QTest::keyClick(&w, Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(label(&w, QStringLiteral("Label4"))->text(), QStringLiteral("00"));
        QVERIFY(questions(&w) != graded);
        QTRY_COMPARE(QApplication::focusWidget(), box(&w, 1));
    }

    // Ending the program leaves the process unable to run another event loop, so each of
    // these runs alone, in its own process (see CMakeLists.txt).
    void exitDropsTopMostAndEndsTheEventLoop()
    {
        if (!qEnvironmentVariableIsSet("SUMORA_TEST_ENDING"))
            QSKIP("runs in a process of its own");
        VoDoMain &w = shown();
        const WId id = w.winId();
        QEventLoop loop;
        QTimer::singleShot(0, &w, [&w] { QTest::keyClick(&w, Qt::Key_X, Qt::AltModifier); });
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!(w.windowHandle()->flags() & Qt::WindowStaysOnTopHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(w.winId(), id); // the same native window, not a new one
        QCOMPARE(label(&w, QStringLiteral("Label4"))->text(), QStringLiteral("00")); // not graded
    }

    void closingTheFrameEndsTheEventLoop()
    {
        if (!qEnvironmentVariableIsSet("SUMORA_TEST_ENDING"))
            QSKIP("runs in a process of its own");
        VoDoMain &w = shown();
        QEventLoop loop;
        QTimer::singleShot(0, &w, [&w] { w.close(); });
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
    }

    void tabRunsThroughTheBoxesThenTheButtons()
    {
        VoDoMain &w = shown();
        box(&w, 1)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), box(&w, 1));
        QList<QWidget *> expected;
        for (int row = 2; row <= 20; ++row)
            expected << box(&w, row);
        for (const char *name : {"EndDo", "VoTaPg", "Command1", "Cmdbtn"})
            expected << button(&w, name);
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void focusStartsInTheFirstBox()
    {
        VoDoMain &w = shown();
        QTRY_COMPARE(QApplication::focusWidget(), box(&w, 1));
    }

    void newSheetFocusesTheFirstBox()
    {
        VoDoMain &w = shown();
        box(&w, 8)->setFocus();
        button(&w, "Command1")->click();
        QCOMPARE(QApplication::focusWidget(), box(&w, 1));
    }

    // --- the clock ---
    void clockHandsInOnTheTickAfterZero()
    {
        VoDoMain &w = fresh();
        useFixedTime(w, QStringLiteral("2"));
        w.OutCm();
        QLabel *clock = label(&w, QStringLiteral("Label7"));
        QCOMPARE(clock->text(), QStringLiteral("00:02"));
        w.Timer1_Timer();
        QCOMPARE(clock->text(), QStringLiteral("00:01"));
        w.Timer1_Timer();
        QCOMPARE(clock->text(), QStringLiteral("00:00"));
        QCOMPARE(label(&w, QStringLiteral("Label4"))->text(), QStringLiteral("00"));
        w.Timer1_Timer();
        QCOMPARE(clock->text(), QStringLiteral("00:00"));
        QCOMPARE(label(&w, QStringLiteral("Label4"))->text(), QStringLiteral("0.00"));
        QVERIFY(!w.timer()->isActive());
        QVERIFY(box(&w, 1)->isReadOnly());
    }

    void handingInStopsTheClockAtTheTimeLeft()
    {
        VoDoMain &w = fresh();
        w.Timer1_Timer();
        w.VoTaPg_Click();
        w.Timer1_Timer(); // a stray tick would count on; the timer itself is stopped
        QVERIFY(!w.timer()->isActive());
        QCOMPARE(label(&w, QStringLiteral("Label7"))->text(), QStringLiteral("01:03"));
    }

    // A whole sheet on the real timer: typed answers, left to run out.
    void sheetRunsOutOnTheRealTimer()
    {
        VoDoMain &w = shown();
        useFixedTime(w, QStringLiteral("2"));
        w.Command1_Click();
        QTest::keyClicks(box(&w, 1), rightAnswer(question(&w, 1)->text()));
        QTest::keyClicks(box(&w, 2), QStringLiteral("0"));
        QTRY_COMPARE_WITH_TIMEOUT(label(&w, QStringLiteral("Label4"))->text(), QStringLiteral("5.00"), 10000);
        QCOMPARE(label(&w, QStringLiteral("Label7"))->text(), QStringLiteral("00:00"));
        QVERIFY(!mark(&w, 1)->isHidden());
        QVERIFY(mark(&w, 2)->isHidden());
        QTRY_COMPARE(QApplication::focusWidget(), button(&w, "Command1"));
    }

    void longSheetsCountDownThroughTheHundredMinutes()
    {
        VoDoMain &w = fresh();
        useFixedTime(w, QStringLiteral("6001"));
        w.OutCm();
        QCOMPARE(label(&w, QStringLiteral("Label7"))->text(), QStringLiteral("100:01"));
        w.Timer1_Timer();
        w.Timer1_Timer();
        QCOMPARE(label(&w, QStringLiteral("Label7"))->text(), QStringLiteral("99:59"));
    }
};

QTEST_MAIN(TestVoDoMain)
#include "tst_vodomain.moc"
