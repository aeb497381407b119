// The random source and the question generator: fed draws for exact texts, many seeds for the guarantees.
#include "questioncontract.h"

#include "questions/prmain.h"
#include "questions/randomsource.h"
#include "raised.h"
#include "shared/operators.h"

#include <QList>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QString plusSign{QChar(Operators::plus)};
const QString minusSign{QChar(Operators::minus)};
const QString timesSign{QChar(Operators::times)};
const QString divideSign{QChar(Operators::divide)};
const QString allFour = plusSign + minusSign + timesSign + divideSign;

// Hands out exactly the draws a test chose; running out means the generator drew more than it should.
class FedSource : public RandomSource
{
public:
    explicit FedSource(QList<float> draws)
        : m_draws(std::move(draws))
    {
    }
    float next() override
    {
        if (m_used >= m_draws.size())
            throw std::out_of_range("the generator asked for more draws than were fed");
        return m_draws[m_used++];
    }
    qsizetype used() const { return m_used; }

private:
    QList<float> m_draws;
    qsizetype m_used = 0;
};

// A seeded source that counts its draws, so the properties are checked over many different sheets.
class CountedSource : public RandomSource
{
public:
    using RandomSource::RandomSource;
    float next() override
    {
        ++m_used;
        return RandomSource::next();
    }
    int used() const { return m_used; }

private:
    int m_used = 0;
};

// Draws that make the generator pick a leading digit of 1 to 9, or a further digit of 0 to 9.
float leadingDigitDraw(int digit)
{
    return float((digit - 0.5) / 9.0);
}
float furtherDigitDraw(int digit)
{
    return float((digit + 0.5) / 10.0);
}

void appendOperand(QList<float> &draws, int value)
{
    const QString digits = QString::number(value);
    draws << leadingDigitDraw(digits[0].digitValue());
    for (qsizetype i = 1; i < digits.size(); ++i)
        draws << furtherDigitDraw(digits[i].digitValue());
}

// The draws of one attempt: operator position (0-based) in a set of setSize symbols, then x, then y.
QList<float> attempt(int position, qsizetype setSize, int x, int y)
{
    QList<float> draws{float((position + 0.5) / double(setSize))};
    appendOperand(draws, x);
    appendOperand(draws, y);
    return draws;
}

} // namespace

class TestQuestions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawsStayBelowOne();
    void freshSourcesAgree();
    void workedValues_data();
    void workedValues();
    void extremeDraws();
    void equalOperandsUnderMinusRetry();
    void foreignCharactersAreRedrawn();
    void contractOverManySeeds_data();
    void contractOverManySeeds();
    void mixedSetUsesEveryOperator();
    void overflow_data();
    void overflow();
    void setWithoutOperatorIsRejected_data();
    void setWithoutOperatorIsRejected();
    void programSourceIsUntouchedAndFixed();
};

void TestQuestions::drawsStayBelowOne()
{
    RandomSource source;
    constexpr int draws = 1'000'000;
    std::array<int, 10> tenths{};
    double sum = 0;
    for (int i = 0; i < draws; ++i) {
        const float r = source.next();
        QVERIFY2(r >= 0.0f && r < 1.0f, qPrintable(u"draw %1 gave %2"_s.arg(i).arg(r, 0, 'g', 9)));
        ++tenths[size_t(r * 10.0f)];
        sum += r;
    }
    // A stuck or badly scaled source would show long before these bounds.
    QVERIFY(std::abs(sum / draws - 0.5) < 0.002);
    for (const int count : tenths)
        QVERIFY2(std::abs(count - draws / 10) < 1500, qPrintable(QString::number(count)));
}

void TestQuestions::freshSourcesAgree()
{
    RandomSource one;
    RandomSource two;
    for (int i = 0; i < 10'000; ++i)
        QCOMPARE(one.next(), two.next());
}

void TestQuestions::workedValues_data()
{
    QTest::addColumn<QString>("firstCount");
    QTest::addColumn<QString>("secondCount");
    QTest::addColumn<QString>("operatorSet");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("expected");

    // clang-format off
    QTest::newRow("÷ of 10 and 9 gives 9÷9") << u"2"_s << u"1"_s << divideSign << 0 << 10 << 9 << u"9÷9"_s;
    QTest::newRow("÷ of 57 and 8 rounds down to 56÷8") << u"2"_s << u"1"_s << divideSign << 0 << 57 << 8 << u"56÷8"_s;
    QTest::newRow("÷ makes the two-digit number the dividend") << u"1"_s << u"2"_s << divideSign << 0 << 7 << 45 << u"42÷7"_s;
    QTest::newRow("－ puts the larger number first") << u"1"_s << u"2"_s << minusSign << 0 << 7 << 45 << u"45－7"_s;
    QTest::newRow("－ keeps an already larger first") << u"2"_s << u"1"_s << minusSign << 0 << 52 << 9 << u"52－9"_s;
    QTest::newRow("× keeps the drawn order") << u"1"_s << u"2"_s << timesSign << 0 << 7 << 45 << u"7×45"_s;
    QTest::newRow("＋ keeps the drawn order") << u"1"_s << u"2"_s << plusSign << 0 << 7 << 45 << u"7＋45"_s;
    QTest::newRow("÷ of 37 and 45 gives 37÷37") << u"2"_s << u"2"_s << divideSign << 0 << 37 << 45 << u"37÷37"_s;
    QTest::newRow("× cuts a three-digit second operand") << u"1"_s << u"3"_s << timesSign << 0 << 7 << 347 << u"7×34"_s;
    QTest::newRow("÷ cuts the second operand before dividing") << u"2"_s << u"3"_s << divideSign << 0 << 57 << 347 << u"34÷34"_s;
    QTest::newRow("＋ does not cut a long second operand") << u"1"_s << u"3"_s << plusSign << 0 << 7 << 347 << u"7＋347"_s;
    QTest::newRow("count 1.5 reads as two digits") << u"1.5"_s << u"1"_s << divideSign << 0 << 57 << 8 << u"56÷8"_s;
    QTest::newRow("three digits with a zero inside") << u"3"_s << u"1"_s << minusSign << 0 << 105 << 9 << u"105－9"_s;
    QTest::newRow("five digits up to the largest operand") << u"5"_s << u"1"_s << plusSign << 0 << 32767 << 1 << u"32767＋1"_s;
    QTest::newRow("first of four operators") << u"1"_s << u"1"_s << allFour << 0 << 3 << 4 << u"3＋4"_s;
    QTest::newRow("second of four operators") << u"1"_s << u"1"_s << allFour << 1 << 3 << 4 << u"4－3"_s;
    QTest::newRow("third of four operators") << u"1"_s << u"1"_s << allFour << 2 << 3 << 4 << u"3×4"_s;
    QTest::newRow("last of four operators") << u"1"_s << u"1"_s << allFour << 3 << 8 << 3 << u"6÷3"_s;
    // clang-format on
}

void TestQuestions::workedValues()
{
    QFETCH(QString, firstCount);
    QFETCH(QString, secondCount);
    QFETCH(QString, operatorSet);
    QFETCH(int, position);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, expected);
    const QList<float> draws = attempt(position, operatorSet.size(), x, y);
    FedSource source(draws);
    QCOMPARE(PrMain::MakeQuestion(firstCount, secondCount, operatorSet, source), expected);
    QCOMPARE(source.used(), draws.size());
}

void TestQuestions::extremeDraws()
{
    // The lowest draw must not give a zero digit in front, the highest must not give a tenth digit value.
    FedSource lowest({0.0f, 0.0f, 0.0f, 0.0f});
    QCOMPARE(PrMain::MakeQuestion(u"1", u"2", plusSign, lowest), u"1＋10"_s);
    const float top = std::nextafter(1.0f, 0.0f);
    FedSource highest({top, top, top, top, top});
    QCOMPARE(PrMain::MakeQuestion(u"2", u"2", allFour, highest), u"99÷99"_s);
}

void TestQuestions::equalOperandsUnderMinusRetry()
{
    QList<float> draws = attempt(0, 1, 5, 5);
    draws << attempt(0, 1, 3, 7);
    FedSource source(draws);
    QCOMPARE(PrMain::MakeQuestion(u"1", u"1", minusSign, source), u"7－3"_s);
    QCOMPARE(source.used(), 6); // the discarded attempt keeps its three draws
}

void TestQuestions::foreignCharactersAreRedrawn()
{
    const QString set = u'a' + plusSign;
    QList<float> draws = attempt(0, 2, 4, 6); // draws "a": no question, a new attempt follows
    draws << attempt(0, 2, 2, 2) << attempt(1, 2, 8, 9);
    FedSource source(draws);
    QCOMPARE(PrMain::MakeQuestion(u"1", u"1", set, source), u"8＋9"_s);
    QCOMPARE(source.used(), 9);
}

void TestQuestions::contractOverManySeeds_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("digits");

    QTest::newRow("count 0 gives one digit") << u"0"_s << 1;
    QTest::newRow("negative count gives one digit") << u"-3"_s << 1;
    QTest::newRow("non-numeric count gives one digit") << u"abc"_s << 1;
    QTest::newRow("empty count gives one digit") << QString() << 1;
    QTest::newRow("count 1") << u"1"_s << 1;
    QTest::newRow("count 1.5 rounds to two digits") << u"1.5"_s << 2;
    QTest::newRow("count 2") << u"2"_s << 2;
    QTest::newRow("count 2.5 rounds to even two digits") << u"2.5"_s << 2;
    QTest::newRow("count 0.5 rounds to even one digit") << u"0.5"_s << 1;
    QTest::newRow("count 3") << u"3"_s << 3;
}

void TestQuestions::contractOverManySeeds()
{
    QFETCH(QString, count);
    QFETCH(int, digits);
    struct Partner
    {
        QString text;
        int digits;
    };
    const Partner partners[] = {{u"1"_s, 1}, {u"2"_s, 2}, {u"3"_s, 3}};
    for (const QChar op : allFour) {
        for (const Partner &partner : partners) {
            for (const bool countFirst : {true, false}) {
                const QString &first = countFirst ? count : partner.text;
                const QString &second = countFirst ? partner.text : count;
                const int firstDigits = countFirst ? digits : partner.digits;
                const int secondDigits = countFirst ? partner.digits : digits;
                const int perAttempt = 1 + firstDigits + secondDigits;
                for (unsigned seed = 1; seed <= 50; ++seed) {
                    CountedSource source(seed);
                    const QString question = PrMain::MakeQuestion(first, second, QString(op), source);
                    const QString context =
                            u"%1 from counts \"%2\", \"%3\", seed %4: "_s.arg(question, first, second).arg(seed);
                    const QString breach = QuestionContract::breach(question, QString(op), firstDigits, secondDigits);
                    QVERIFY2(breach.isEmpty(), qPrintable(context + breach));
                    // Only "－" may discard attempts (equal operands); every attempt has the same size.
                    if (op == Operators::minus)
                        QVERIFY2(source.used() % perAttempt == 0, qPrintable(context + QString::number(source.used())));
                    else
                        QVERIFY2(source.used() == perAttempt, qPrintable(context + QString::number(source.used())));
                }
            }
        }
    }
}

void TestQuestions::mixedSetUsesEveryOperator()
{
    RandomSource source(7);
    QString seen;
    for (int i = 0; i < 400; ++i) {
        const QString question = PrMain::MakeQuestion(u"2", u"2", allFour, source);
        const auto op = std::find_if(question.begin(), question.end(), [](QChar c) { return allFour.contains(c); });
        QVERIFY2(op != question.end(), qPrintable(question));
        QVERIFY2(QuestionContract::breach(question, allFour, 2, 2).isEmpty(), qPrintable(question));
        if (!seen.contains(*op))
            seen += *op;
    }
    QCOMPARE(seen.size(), 4);
}

void TestQuestions::overflow_data()
{
    QTest::addColumn<QString>("firstCount");
    QTest::addColumn<QList<float>>("draws");

    QTest::newRow("five digits building 40000") << u"5"_s << attempt(0, 1, 40000, 1);
    QTest::newRow("five digits building 32768") << u"5"_s << attempt(0, 1, 32768, 1);
    QTest::newRow("count 40000") << u"40000"_s << QList<float>{0.5f};
    QTest::newRow("count -40000") << u"-40000"_s << QList<float>{0.5f};
}

void TestQuestions::overflow()
{
    QFETCH(QString, firstCount);
    QFETCH(QList<float>, draws);
    FedSource source(draws);
    QCOMPARE(raised([&] { PrMain::MakeQuestion(firstCount, u"1", plusSign, source); }),
             MaybeKind(RuntimeError::Kind::Overflow));
}

void TestQuestions::setWithoutOperatorIsRejected_data()
{
    QTest::addColumn<QString>("operatorSet");
    QTest::newRow("empty set") << QString();
    QTest::newRow("letters only") << u"abc"_s;
    QTest::newRow("ASCII operators") << u"+-*/"_s;
}

void TestQuestions::setWithoutOperatorIsRejected()
{
    QFETCH(QString, operatorSet);
    FedSource source(QList<float>(30, 0.5f)); // a generator that keeps trying runs out and fails instead of hanging
    QCOMPARE(raised([&] { PrMain::MakeQuestion(u"1", u"1", operatorSet, source); }),
             MaybeKind(RuntimeError::Kind::InvalidCall));
}

void TestQuestions::programSourceIsUntouchedAndFixed()
{
    // Nothing above drew from the program's source: it still starts where every fresh start does.
    QCOMPARE(&RandomSource::program(), &RandomSource::program());
    RandomSource fresh;
    for (int i = 0; i < 1000; ++i)
        QCOMPARE(RandomSource::program().next(), fresh.next());
}

QTEST_APPLESS_MAIN(TestQuestions)
#include "tst_questions.moc"
