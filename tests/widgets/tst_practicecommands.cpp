// The practice window's commands and keys offscreen: Enter, access keys, exit, close box, focus and tab order.
#include "sheetprobe.h"
#include "sheettest.h"

#include <QSignalSpy>
#include <QTest>

using namespace SheetProbe;

class TestPracticeCommands : public SheetTest
{
    Q_OBJECT

private Q_SLOTS:
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
        VoDoMain &w = m_program.startShown();
        QLineEdit *answer = box(&w, row);
        answer->setFocus();
        QTest::keyClicks(answer, rightAnswer(question(&w, row)->text()));
        QSignalSpy reached(answer, &QLineEdit::returnPressed);
        QTest::keyClick(answer, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(score(&w), QStringLiteral("5.00"));
        QVERIFY(!mark(&w, row)->isHidden());
        QCOMPARE(reached.size(), 1); // the box still receives the key
    }

    void otherKeysOnlyEdit()
    {
        VoDoMain &w = m_program.startShown();
        QTest::keyClicks(box(&w, 2), QStringLiteral("12a"));
        QTest::keyClick(box(&w, 2), Qt::Key_Escape);
        QCOMPARE(box(&w, 2)->text(), QStringLiteral("12a"));
        QCOMPARE(score(&w), QStringLiteral("00"));
        QVERIFY(w.timer()->isActive());
    }

    void accessKeysPressTheirButtons()
    {
        VoDoMain &w = m_program.startShown();
        QTest::keyClick(&w, Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(score(&w), QStringLiteral("0.00"));
        const QStringList graded = questions(&w);
        QTest::keyClick(&w, Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(score(&w), QStringLiteral("00"));
        QVERIFY(questions(&w) != graded);
        QTRY_COMPARE(QApplication::focusWidget(), box(&w, 1));
    }

    // Ending the program leaves the process unable to run another event loop, so each of
    // these runs alone, in its own process (see CMakeLists.txt).
    void exitDropsTopMostAndEndsTheEventLoop()
    {
        if (!qEnvironmentVariableIsSet("SUMORA_TEST_ENDING"))
            QSKIP("runs in a process of its own");
        VoDoMain &w = m_program.startShown();
        const WId id = w.winId();
        QEventLoop loop;
        QTimer::singleShot(0, &w, [&w] { QTest::keyClick(&w, Qt::Key_X, Qt::AltModifier); });
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!(w.windowHandle()->flags() & Qt::WindowStaysOnTopHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(w.winId(), id);                   // the same native window, not a new one
        QCOMPARE(score(&w), QStringLiteral("00")); // not graded
    }

    void closingTheFrameEndsTheEventLoop()
    {
        if (!qEnvironmentVariableIsSet("SUMORA_TEST_ENDING"))
            QSKIP("runs in a process of its own");
        VoDoMain &w = m_program.startShown();
        QEventLoop loop;
        QTimer::singleShot(0, &w, [&w] { w.close(); });
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
    }

    void tabRunsThroughTheBoxesThenTheButtons()
    {
        VoDoMain &w = m_program.startShown();
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
        VoDoMain &w = m_program.startShown();
        QTRY_COMPARE(QApplication::focusWidget(), box(&w, 1));
    }

    void newSheetFocusesTheFirstBox()
    {
        VoDoMain &w = m_program.startShown();
        box(&w, 8)->setFocus();
        button(&w, "Command1")->click();
        QCOMPARE(QApplication::focusWidget(), box(&w, 1));
    }
};

QTEST_MAIN(TestPracticeCommands)
#include "tst_practicecommands.moc"
