// Grading from texts alone: the expected answer of a question, the answer comparison and the score.
#include "raised.h"
#include "sheet/grading.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestGrading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void expectedAnswer_data();
    void expectedAnswer();
    void faultyQuestions_data();
    void faultyQuestions();
    void isCorrect_data();
    void isCorrect();
    void scoreText_data();
    void scoreText();
    void everyCountGivesFivePointSteps();
    void isFullScore_data();
    void isFullScore();
};

void TestGrading::expectedAnswer_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QString>("expected");

    QTest::newRow("sum") << u"47＋8"_s << true << u"55"_s;
    QTest::newRow("difference") << u"63－25"_s << true << u"38"_s;
    QTest::newRow("product") << u"12×9"_s << true << u"108"_s;
    QTest::newRow("quotient") << u"56÷7"_s << true << u"8"_s;
    QTest::newRow("blanks around the question") << u" 56÷7 "_s << true << u"8"_s;
    QTest::newRow("one third cut to two decimals") << u"1÷3"_s << true << u"0.33"_s;
    QTest::newRow("one half keeps one decimal") << u"1÷2"_s << true << u"0.5"_s;
    QTest::newRow("two decimals stay") << u"5÷4"_s << true << u"1.25"_s;
    QTest::newRow("three decimals stay three") << u"1÷8"_s << true << u"0.125"_s;
    QTest::newRow("two thirds rounded up") << u"2÷3"_s << true << u"0.67"_s;
    QTest::newRow("four decimals cut with the tie to even") << u"1÷16"_s << true << u"0.06"_s;
    QTest::newRow("seven thirds above one") << u"7÷3"_s << true << u"2.33"_s;
    QTest::newRow("negative difference") << u"3－5"_s << true << u"-2"_s;
    QTest::newRow("zero difference") << u"5－5"_s << true << u"0"_s;
    QTest::newRow("empty second operand reads as 0") << u"5＋"_s << true << u"5"_s;
    // ÷ is looked for before ＋, so the second operand is "2＋3", which reads as 2.
    QTest::newRow("division found before addition") << u"12÷2＋3"_s << true << u"6"_s;
    QTest::newRow("large product in plain digits") << u"32767×32767"_s << true << u"1073676289"_s;
    QTest::newRow("no operator") << u"12"_s << false << QString();
    QTest::newRow("ASCII operator is no operator") << u"5+3"_s << false << QString();
}

void TestGrading::expectedAnswer()
{
    QFETCH(QString, question);
    QFETCH(bool, answered);
    QFETCH(QString, expected);
    const std::optional<QString> answer = Grading::expectedAnswer(question);
    QCOMPARE(answer.has_value(), answered);
    if (answer)
        QCOMPARE(*answer, expected);
}

void TestGrading::faultyQuestions_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<MaybeKind>("kind");

    QTest::newRow("division by zero") << u"5÷0"_s << MaybeKind(RuntimeError::Kind::DivisionByZero);
    QTest::newRow("zero by zero is an invalid result") << u"0÷0"_s << MaybeKind(RuntimeError::Kind::Overflow);
    QTest::newRow("product beyond double range") << u"1e300×1e300"_s << MaybeKind(RuntimeError::Kind::Overflow);
    QTest::newRow("operand beyond double range") << u"1e400＋1"_s << MaybeKind(RuntimeError::Kind::Overflow);
}

void TestGrading::faultyQuestions()
{
    QFETCH(QString, question);
    QFETCH(MaybeKind, kind);
    QCOMPARE(raised([&] { Grading::expectedAnswer(question); }), kind);
}

void TestGrading::isCorrect_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("correct");

    QTest::newRow("exact digits") << u"8"_s << true;
    QTest::newRow("blanks around") << u" 8 "_s << true;
    QTest::newRow("leading zero") << u"08"_s << false;
    QTest::newRow("point and zero") << u"8.0"_s << false;
    QTest::newRow("plus sign") << u"+8"_s << false;
    QTest::newRow("full-width digit") << u"\uFF18"_s << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("only blanks") << u"   "_s << false;
    QTest::newRow("blank inside") << u"8 8"_s << false;
    QTest::newRow("extra character") << u"8a"_s << false;
}

void TestGrading::isCorrect()
{
    QFETCH(QString, answer);
    QFETCH(bool, correct);
    QCOMPARE(Grading::isCorrect(answer, u"8"), correct);
}

void TestGrading::scoreText_data()
{
    QTest::addColumn<int>("correct");
    QTest::addColumn<QString>("score");

    QTest::newRow("all correct") << 20 << u"100.00"_s;
    QTest::newRow("one wrong") << 19 << u"95.00"_s;
    QTest::newRow("none correct") << 0 << u"0.00"_s;
    QTest::newRow("seventeen") << 17 << u"85.00"_s;
    QTest::newRow("one") << 1 << u"5.00"_s;
}

void TestGrading::scoreText()
{
    QFETCH(int, correct);
    QFETCH(QString, score);
    QCOMPARE(Grading::scoreText(correct, 20), score);
}

void TestGrading::everyCountGivesFivePointSteps()
{
    // 100 / 20 × c must never show binary noise such as 14.99 or 35.01.
    for (int correct = 0; correct <= 20; ++correct)
        QCOMPARE(Grading::scoreText(correct, 20), QString::number(5 * correct) + u".00"_s);
}

void TestGrading::isFullScore_data()
{
    QTest::addColumn<QString>("score");
    QTest::addColumn<bool>("full");

    QTest::newRow("hundred") << u"100.00"_s << true;
    QTest::newRow("ninety-five") << u"95.00"_s << false;
    QTest::newRow("fresh sheet label") << u"00"_s << false;
    QTest::newRow("zero") << u"0.00"_s << false;
}

void TestGrading::isFullScore()
{
    QFETCH(QString, score);
    QFETCH(bool, full);
    QCOMPARE(Grading::isFullScore(score), full);
}

QTEST_APPLESS_MAIN(TestGrading)
#include "tst_grading.moc"
