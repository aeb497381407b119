// Reading texts as numbers, 16-bit rounding and the two written forms, also under a German locale.
#include "raised.h"
#include "shared/numbers.h"

#include <QLocale>
#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
constexpr double inf = std::numeric_limits<double>::infinity();
} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void leadingNumber_data();
    void leadingNumber();
    void numberOnly_data();
    void numberOnly();
    void toInt16_data();
    void toInt16();
    void plainText_data();
    void plainText();
    void plainTextRejectsInfinity();
    void fixedTwo_data();
    void fixedTwo();
};

void TestNumbers::initTestCase()
{
    // The C library must really follow the environment, or the German run would prove nothing.
    std::setlocale(LC_ALL, "");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    if (qgetenv("LC_ALL").startsWith("de_DE"))
        QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
}

void TestNumbers::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("plain digits") << u"12"_s << 12.0;
    QTest::newRow("blanks inside the digits") << u"1 2"_s << 12.0;
    QTest::newRow("blanks around the number") << u"  12  "_s << 12.0;
    QTest::newRow("tab and line feed anywhere") << u"\t4\n2"_s << 42.0;
    QTest::newRow("blank between sign and digits") << u"- 7"_s << -7.0;
    QTest::newRow("blanks around the point") << u"1 2 . 5"_s << 12.5;
    QTest::newRow("carriage return is no blank") << u"4\r2"_s << 4.0;
    QTest::newRow("minus sign") << u"-7"_s << -7.0;
    QTest::newRow("plus sign") << u"+7"_s << 7.0;
    QTest::newRow("two signs") << u"+-7"_s << 0.0;
    QTest::newRow("exponent") << u"1e3"_s << 1000.0;
    QTest::newRow("capital negative exponent") << u"1E-2"_s << 0.01;
    QTest::newRow("exponent with blanks") << u"1 e 3"_s << 1000.0;
    QTest::newRow("exponent letter without digits") << u"3e"_s << 3.0;
    QTest::newRow("exponent sign without digits") << u"3e+"_s << 3.0;
    QTest::newRow("exponent letter then text") << u"3ex"_s << 3.0;
    QTest::newRow("exponent ends at a point") << u"1e3.5"_s << 1000.0;
    QTest::newRow("fraction shifted by exponent") << u"123e-2"_s << 1.23;
    QTest::newRow("no digit before the point") << u".5"_s << 0.5;
    QTest::newRow("no digit after the point") << u"5."_s << 5.0;
    QTest::newRow("second point ends the number") << u"1.2.3"_s << 1.2;
    QTest::newRow("comma is no decimal point") << u"1,5"_s << 1.0;
    QTest::newRow("leading zeros") << u"007"_s << 7.0;
    QTest::newRow("text after digits") << u"3abc"_s << 3.0;
    QTest::newRow("empty text") << QString() << 0.0;
    QTest::newRow("only blanks") << u" \t\n"_s << 0.0;
    QTest::newRow("text without number") << u"abc"_s << 0.0;
    QTest::newRow("lone minus") << u"-"_s << 0.0;
    QTest::newRow("lone point") << u"."_s << 0.0;
    QTest::newRow("infinity word") << u"inf"_s << 0.0;
    QTest::newRow("hexadecimal prefix") << u"0x10"_s << 0.0;
    QTest::newRow("full-width digit") << u"\uFF18"_s << 0.0;
    QTest::newRow("question text stops at the operator") << u"47\uFF0B8"_s << 47.0;
    QTest::newRow("beyond double range") << u"1e400"_s << inf;
    QTest::newRow("negative beyond double range") << u"-1e400"_s << -inf;
    QTest::newRow("below the smallest double") << u"1e-400"_s << 0.0;
    QTest::newRow("exponent brings small mantissa into range") << u"0.001e310"_s << 1e307;

    const QString manyZeros(99'999, u'0');
    QTest::newRow("100000 digits overflow") << (u'1' + manyZeros) << inf;
    QTest::newRow("100000 digits scaled back") << (u'1' + manyZeros + u"e-99999"_s) << 1.0;
    QTest::newRow("100000 digits of fraction") << (u"0."_s + manyZeros + u'1') << 0.0;
    QTest::newRow("300 digits") << (u'1' + QString(300, u'0')) << 1e300;
    QTest::newRow("very long exponent") << (u"1e"_s + QString(50, u'9')) << inf;
    QTest::newRow("very long negative exponent") << (u"1e-"_s + QString(50, u'9')) << 0.0;
    QTest::newRow("exponent with many leading zeros") << (u"1e"_s + QString(40, u'0') + u'3') << 1000.0;
}

void TestNumbers::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double actual = Numbers::leadingNumber(text);
    // Exact: the reading must be correctly rounded, not merely close.
    QVERIFY2(actual == expected,
             qPrintable(u"read %1, expected %2"_s.arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

void TestNumbers::numberOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("number"); // null: more than a number, or none
    QTest::newRow("blanks inside and around") << u" 1 2\t"_s << u"12"_s;
    QTest::newRow("sign, point and exponent") << u"-.5e-3"_s << u"-.5e-3"_s;
    QTest::newRow("no digit after the point") << u"5."_s << u"5."_s;
    QTest::newRow("text after the number") << u"3abc"_s << QString();
    QTest::newRow("exponent letter without digits") << u"1e"_s << QString();
    QTest::newRow("carriage return is no blank") << u"4\r2"_s << QString();
    QTest::newRow("lone point") << u"."_s << QString();
    QTest::newRow("empty text") << QString() << QString();
}

void TestNumbers::numberOnly()
{
    QFETCH(QString, text);
    QFETCH(QString, number);
    QCOMPARE(Numbers::numberOnly(text).value_or(QString()), number);
    QCOMPARE(Numbers::numberOnly(text).has_value(), !number.isNull());
}

void TestNumbers::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected"); // ignored when the conversion must overflow
    QTest::addColumn<bool>("overflows");

    QTest::newRow("half to even zero") << 0.5 << 0 << false;
    QTest::newRow("one and a half up to two") << 1.5 << 2 << false;
    QTest::newRow("two and a half down to two") << 2.5 << 2 << false;
    QTest::newRow("below a half") << 0.49 << 0 << false;
    QTest::newRow("above a half") << 0.51 << 1 << false;
    QTest::newRow("negative half to zero") << -0.5 << 0 << false;
    QTest::newRow("negative one and a half") << -1.5 << -2 << false;
    QTest::newRow("negative two and a half") << -2.5 << -2 << false;
    QTest::newRow("largest value") << 32767.0 << 32767 << false;
    QTest::newRow("largest value with fraction") << 32767.4 << 32767 << false;
    QTest::newRow("half above largest rounds to even 32768") << 32767.5 << 0 << true;
    QTest::newRow("smallest value") << -32768.0 << -32768 << false;
    QTest::newRow("half below smallest rounds to even") << -32768.5 << -32768 << false;
    QTest::newRow("beyond half below smallest") << -32768.6 << 0 << true;
    QTest::newRow("forty thousand") << 40000.0 << 0 << true;
    QTest::newRow("minus forty thousand") << -40000.0 << 0 << true;
    QTest::newRow("not a number") << std::nan("") << 0 << true;
    QTest::newRow("infinity") << inf << 0 << true;
    QTest::newRow("minus infinity") << -inf << 0 << true;
}

void TestNumbers::toInt16()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QFETCH(bool, overflows);
    qint16 result = 0;
    const MaybeKind kind = raised([&] { result = Numbers::toInt16(value); });
    QCOMPARE(kind, overflows ? MaybeKind(RuntimeError::Kind::Overflow) : MaybeKind());
    if (!overflows)
        QCOMPARE(int(result), expected);
}

void TestNumbers::plainText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one third to 15 digits") << 1.0 / 3.0 << u"0.333333333333333"_s;
    QTest::newRow("seven thirds to 15 digits") << 7.0 / 3.0 << u"2.33333333333333"_s;
    QTest::newRow("two thirds rounded up") << 2.0 / 3.0 << u"0.666666666666667"_s;
    QTest::newRow("negative third") << -1.0 / 3.0 << u"-0.333333333333333"_s;
    QTest::newRow("whole number") << 12.0 << u"12"_s;
    QTest::newRow("zero") << 0.0 << u"0"_s;
    QTest::newRow("negative zero") << -0.0 << u"0"_s;
    QTest::newRow("half") << 2.5 << u"2.5"_s;
    QTest::newRow("negative whole") << -3.0 << u"-3"_s;
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << u"0.3"_s;
    QTest::newRow("rounding carries into a new digit") << 0.9999999999999999 << u"1"_s;
    QTest::newRow("big whole without exponent") << 1e20 << u"100000000000000000000"_s;
    QTest::newRow("small fraction without exponent") << 1e-5 << u"0.00001"_s;
    QTest::newRow("18 digits cut to 15") << 123456789012345678.0 << u"123456789012346000"_s;
    QTest::newRow("point inside the digits") << 1234.5 << u"1234.5"_s;
}

void TestNumbers::plainText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(Numbers::plainText(value), expected);
}

void TestNumbers::plainTextRejectsInfinity()
{
    QCOMPARE(raised([] { Numbers::plainText(inf); }), MaybeKind(RuntimeError::Kind::Overflow));
    QCOMPARE(raised([] { Numbers::plainText(-inf); }), MaybeKind(RuntimeError::Kind::Overflow));
}

void TestNumbers::fixedTwo_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole score") << 85.0 << u"85.00"_s;
    QTest::newRow("zero") << 0.0 << u"0.00"_s;
    QTest::newRow("full score") << 100.0 << u"100.00"_s;
    QTest::newRow("two thirds plus two rounded up") << 8.0 / 3.0 << u"2.67"_s;
    QTest::newRow("exact tie goes to even") << 1.0625 << u"1.06"_s;
    QTest::newRow("third cut") << 0.3333 << u"0.33"_s;
    QTest::newRow("tiny negative shows no sign") << -0.001 << u"0.00"_s;
    QTest::newRow("negative keeps its sign") << -2.5 << u"-2.50"_s;
    QTest::newRow("big value without exponent or separator") << 1e20 << u"100000000000000000000.00"_s;
}

void TestNumbers::fixedTwo()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(Numbers::fixedTwo(value), expected);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
