// Grading a sheet offscreen: marks, score, locked boxes, where the focus goes, and errors that end the program.
#include "sheetprobe.h"
#include "sheettest.h"

#include <QTest>

using namespace SheetProbe;

namespace {

// A source that fails on its first draw: the sheet build at load cannot finish.
class FailingSource : public RandomSource
{
public:
    float next() override { throw std::runtime_error("no draws"); }
};

} // namespace

class TestSheetGrading : public SheetTest
{
    Q_OBJECT

private Q_SLOTS:
    void gradedRows_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("correct");
        // clang-format off
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
        // clang-format on
    }

    void gradedRows()
    {
        QFETCH(QString, question);
        QFETCH(QString, answer);
        QFETCH(bool, correct);
        VoDoMain &w = m_program.start();
        SheetProbe::question(&w, 7)->setText(question);
        box(&w, 7)->setText(answer);
        w.VoTaPg_Click();
        QCOMPARE(!mark(&w, 7)->isHidden(), correct);
        if (correct)
            QCOMPARE(mark(&w, 7)->text(), QStringLiteral("√"));
        QCOMPARE(score(&w), correct ? QStringLiteral("5.00") : QStringLiteral("0.00"));
        for (int row = 1; row <= 20; ++row)
            QVERIFY(box(&w, row)->isReadOnly());
    }

    void fullScoreMovesTheFocusToExit()
    {
        VoDoMain &w = m_program.startShown();
        answerAll(&w, 0);
        w.VoTaPg_Click();
        QCOMPARE(score(&w), QStringLiteral("100.00"));
        for (int row = 1; row <= 20; ++row)
            QCOMPARE(mark(&w, row)->isVisible(), true);
        QTRY_COMPARE(QApplication::focusWidget(), button(&w, "EndDo"));
        QVERIFY(!w.timer()->isActive());
    }

    void nineteenRightMovesTheFocusToNewSheet()
    {
        VoDoMain &w = m_program.startShown();
        answerAll(&w, 1);
        w.VoTaPg_Click();
        QCOMPARE(score(&w), QStringLiteral("95.00"));
        QVERIFY(mark(&w, 1)->isHidden());
        QTRY_COMPARE(QApplication::focusWidget(), button(&w, "Command1"));
    }

    void gradingTwiceGivesTheSameResult()
    {
        VoDoMain &w = m_program.start();
        answerAll(&w, 6);
        w.VoTaPg_Click();
        const QString clockBefore = clock(&w);
        w.VoTaPg_Click();
        QCOMPARE(score(&w), QStringLiteral("70.00"));
        for (int row = 1; row <= 20; ++row)
            QCOMPARE(mark(&w, row)->isHidden(), row <= 6);
        QCOMPARE(clock(&w), clockBefore);
    }

    void gradingWithoutASheetOnlyStopsTheClock()
    {
        FailingSource failing;
        VoDoMain w(failing); // the build at load fails; the window is made all the same
        QVERIFY(!question(&w, 1));
        w.timer()->start();
        w.VoTaPg_Click();
        QVERIFY(!w.timer()->isActive());
        QCOMPARE(score(&w), QStringLiteral("00.00"));
        QCOMPARE(clock(&w), QStringLiteral("00:00"));
    }

    void divisionByZeroEndsTheProgramWithAMessage()
    {
        VoDoMain &w = m_program.start();
        question(&w, 2)->setText(QStringLiteral("5÷0"));
        button(&w, "VoTaPg")->click();
        const QStringList fatal = m_fatal.take();
        QCOMPARE(fatal.size(), 1);
        QVERIFY(fatal.first().contains(QStringLiteral("除数为零")));
    }
};

QTEST_MAIN(TestSheetGrading)
#include "tst_sheetgrading.moc"
