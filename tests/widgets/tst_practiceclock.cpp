// The practice window's clock offscreen: counting down, handing in at zero, stopping, long sheets.
#include "sheetprobe.h"
#include "sheettest.h"

#include <QTest>

using namespace SheetProbe;

class TestPracticeClock : public SheetTest
{
    Q_OBJECT

private Q_SLOTS:
    void clockHandsInOnTheTickAfterZero()
    {
        VoDoMain &w = m_program.start();
        useFixedTime(w, QStringLiteral("2"));
        w.OutCm();
        QLabel *clock = label(&w, QStringLiteral("Label7"));
        QCOMPARE(clock->text(), QStringLiteral("00:02"));
        w.Timer1_Timer();
        QCOMPARE(clock->text(), QStringLiteral("00:01"));
        w.Timer1_Timer();
        QCOMPARE(clock->text(), QStringLiteral("00:00"));
        QCOMPARE(score(&w), QStringLiteral("00"));
        w.Timer1_Timer();
        QCOMPARE(clock->text(), QStringLiteral("00:00"));
        QCOMPARE(score(&w), QStringLiteral("0.00"));
        QVERIFY(!w.timer()->isActive());
        QVERIFY(box(&w, 1)->isReadOnly());
    }

    void handingInStopsTheClockAtTheTimeLeft()
    {
        VoDoMain &w = m_program.start();
        w.Timer1_Timer();
        w.VoTaPg_Click();
        w.Timer1_Timer(); // a stray tick would count on; the timer itself is stopped
        QVERIFY(!w.timer()->isActive());
        QCOMPARE(clock(&w), QStringLiteral("01:03"));
    }

    // A whole sheet on the real timer: typed answers, left to run out.
    void sheetRunsOutOnTheRealTimer()
    {
        VoDoMain &w = m_program.startShown();
        useFixedTime(w, QStringLiteral("2"));
        w.Command1_Click();
        QTest::keyClicks(box(&w, 1), rightAnswer(question(&w, 1)->text()));
        QTest::keyClicks(box(&w, 2), QStringLiteral("0"));
        QTRY_COMPARE_WITH_TIMEOUT(score(&w), QStringLiteral("5.00"), 10000);
        QCOMPARE(clock(&w), QStringLiteral("00:00"));
        QVERIFY(!mark(&w, 1)->isHidden());
        QVERIFY(mark(&w, 2)->isHidden());
        QTRY_COMPARE(QApplication::focusWidget(), button(&w, "Command1"));
    }

    void longSheetsCountDownThroughTheHundredMinutes()
    {
        VoDoMain &w = m_program.start();
        useFixedTime(w, QStringLiteral("6001"));
        w.OutCm();
        QCOMPARE(clock(&w), QStringLiteral("100:01"));
        w.Timer1_Timer();
        w.Timer1_Timer();
        QCOMPARE(clock(&w), QStringLiteral("99:59"));
    }
};

QTEST_MAIN(TestPracticeClock)
#include "tst_practiceclock.moc"
