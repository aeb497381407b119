// Sheet time, the countdown text and its tick, and the plan a sheet build takes from the settings.
#include "raised.h"
#include "shared/operators.h"
#include "sheet/settingserror.h"
#include "sheet/sheetplan.h"
#include "sheet/sheettime.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(SettingsError::Box)

namespace {

// Ticks exactly the operators whose symbols appear in symbols.
SheetSettings withOperators(SheetSettings s, const QString &symbols)
{
    for (size_t i = 0; i < s.ticks.size(); ++i)
        s.ticks[i] = symbols.contains(QChar(Operators::inOptionOrder[i]));
    return s;
}

} // namespace

class TestSheetRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void computed_data();
    void computed();
    void computedOverflows();
    void countdownText_data();
    void countdownText();
    void countdownStep_data();
    void countdownStep();
    void plan_data();
    void plan();
    void noOperatorPlansNothing();
    void planErrors_data();
    void planErrors();
};

void TestSheetRules::computed_data()
{
    QTest::addColumn<QString>("operatorSet");
    QTest::addColumn<double>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("seconds");

    QTest::newRow("start-up defaults") << u"＋－"_s << 1.0 << 1 << 65;
    QTest::newRow("all four with 2 and 1") << u"＋－×÷"_s << 2.0 << 1 << 102;
    QTest::newRow("× alone with 2 and 2") << u"×"_s << 2.0 << 2 << 200;
    QTest::newRow("÷ alone with 1 and 1") << u"÷"_s << 1.0 << 1 << 80;
    QTest::newRow("＋－ with the fallback counts 3 and 1") << u"＋－"_s << 3.0 << 1 << 105;
    QTest::newRow("× with a fractional count rounds up") << u"×"_s << 1.5 << 1 << 97;
    QTest::newRow("＋ with a first count below one") << u"＋"_s << 0.4 << 1 << 53;
    QTest::newRow("÷ uses the distance of the counts") << u"÷"_s << 1.0 << 3 << 200;
    // 75 + 96.57 is rounded to 172 before dividing, not floored as 171.57 / 2.
    QTest::newRow("sum rounded after each operator") << u"＋×"_s << 1.5 << 1 << 86;
    // -35 - 35 + 41.25 rounds to -29; -29 / 3 drops the fraction toward zero.
    QTest::newRow("negative mean truncates toward zero") << u"＋－×"_s << -4.0 << 1 << -9;
}

void TestSheetRules::computed()
{
    QFETCH(QString, operatorSet);
    QFETCH(double, first);
    QFETCH(int, second);
    QFETCH(int, seconds);
    QCOMPARE(int(SheetTime::computed(operatorSet, first, qint16(second))), seconds);
}

void TestSheetRules::computedOverflows()
{
    // 10 × 2^21 seconds for one "×" question cannot be held in 16 bits.
    QCOMPARE(raised([] { SheetTime::computed(u"×", 20.0, 1); }), MaybeKind(RuntimeError::Kind::Overflow));
    // Each allowance fits, their running sum does not.
    QCOMPARE(raised([] { SheetTime::computed(u"＋－", -1000.0, -1000); }), MaybeKind(RuntimeError::Kind::Overflow));
}

void TestSheetRules::countdownText_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0 << u"00:00"_s;
    QTest::newRow("one digit seconds") << 9 << u"00:09"_s;
    QTest::newRow("ten seconds") << 10 << u"00:10"_s;
    QTest::newRow("last second of the first minute") << 59 << u"00:59"_s;
    QTest::newRow("one minute") << 60 << u"01:00"_s;
    QTest::newRow("start-up sheet") << 65 << u"01:05"_s;
    QTest::newRow("all four operators") << 102 << u"01:42"_s;
    QTest::newRow("ten minutes") << 600 << u"10:00"_s;
    QTest::newRow("largest time the builder writes in five characters") << 5990 << u"99:50"_s;
    QTest::newRow("minutes are not capped") << 6001 << u"100:01"_s;
    QTest::newRow("negative time keeps its minus") << -5 << u"00:0-5"_s;
}

void TestSheetRules::countdownText()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(SheetTime::countdownText(qint16(seconds)), text);
}

void TestSheetRules::countdownStep_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("handsIn");
    QTest::addColumn<QString>("next");

    QTest::newRow("five minutes") << u"05:00"_s << false << u"04:59"_s;
    QTest::newRow("ten minutes keep two digits") << u"10:00"_s << false << u"09:59"_s;
    QTest::newRow("seconds wrap to 59") << u"03:00"_s << false << u"02:59"_s;
    QTest::newRow("single digits keep their zero") << u"09:05"_s << false << u"09:04"_s;
    QTest::newRow("ten seconds") << u"00:10"_s << false << u"00:09"_s;
    QTest::newRow("last minute") << u"01:00"_s << false << u"00:59"_s;
    QTest::newRow("last second shows zero first") << u"00:01"_s << false << u"00:00"_s;
    QTest::newRow("zero hands in") << u"00:00"_s << true << QString();
    QTest::newRow("long minutes count down") << u"100:01"_s << false << u"100:00"_s;
    QTest::newRow("long minutes wrap back to two digits") << u"100:00"_s << false << u"99:59"_s;
    QTest::newRow("short caption read by position") << u"1:05"_s << false << u"01:04"_s;
    QTest::newRow("negative time reads as zero") << u"00:0-5"_s << true << QString();
    QTest::newRow("caption without digits") << u"abc"_s << true << QString();
    QTest::newRow("empty caption") << QString() << true << QString();
}

void TestSheetRules::countdownStep()
{
    QFETCH(QString, caption);
    QFETCH(bool, handsIn);
    QFETCH(QString, next);
    const std::optional<QString> result = SheetTime::countdownStep(caption);
    QCOMPARE(!result.has_value(), handsIn);
    if (result)
        QCOMPARE(*result, next);
}

void TestSheetRules::plan_data()
{
    QTest::addColumn<QString>("operators");
    QTest::addColumn<QString>("tt1");
    QTest::addColumn<QString>("tt2");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("firstCount");
    QTest::addColumn<QString>("secondCount");
    QTest::addColumn<int>("seconds");

    const QString both = u"＋－"_s;
    // clang-format off
    QTest::newRow("start-up defaults") << both << u"1"_s << u"1"_s << false << u"70"_s << u"1"_s << u"1"_s << 65;
    QTest::newRow("all four in fixed order") << u"÷×－＋"_s << u"2"_s << u"1"_s << false << u"70"_s << u"2"_s << u"1"_s << 102;
    QTest::newRow("empty first box falls back to 3 and 1") << both << QString() << u"2"_s << false << u"70"_s << u"3"_s << u"1"_s << 105;
    QTest::newRow("first box 0 falls back") << both << u"0"_s << u"2"_s << false << u"70"_s << u"3"_s << u"1"_s << 105;
    QTest::newRow("first box without number falls back") << both << u"abc"_s << u"1"_s << false << u"70"_s << u"3"_s << u"1"_s << 105;
    QTest::newRow("second box 0.5 rounds to 0 and falls back") << both << u"2"_s << u"0.5"_s << false << u"70"_s << u"3"_s << u"1"_s << 105;
    QTest::newRow("second box 0.4 falls back") << both << u"1"_s << u"0.4"_s << false << u"70"_s << u"3"_s << u"1"_s << 105;
    QTest::newRow("first box 0.4 is not zero") << u"＋"_s << u"0.4"_s << u"1"_s << false << u"70"_s << u"0.4"_s << u"1"_s << 53;
    QTest::newRow("first box keeps its fraction") << u"×"_s << u"1.5"_s << u"1"_s << false << u"70"_s << u"1.5"_s << u"1"_s << 97;
    QTest::newRow("second box is rounded to even") << both << u"1"_s << u"1.5"_s << false << u"70"_s << u"1"_s << u"2"_s << 85;
    QTest::newRow("counts handed on in plain form") << both << u" 2 "_s << u"2.5"_s << false << u"70"_s << u"2"_s << u"2"_s << 105;
    QTest::newRow("fixed 70") << both << u"1"_s << u"1"_s << true << u"70"_s << u"1"_s << u"1"_s << 70;
    QTest::newRow("fixed 10") << both << u"1"_s << u"1"_s << true << u"10"_s << u"1"_s << u"1"_s << 10;
    QTest::newRow("fixed 9") << both << u"1"_s << u"1"_s << true << u"9"_s << u"1"_s << u"1"_s << 9;
    QTest::newRow("fixed 0") << both << u"1"_s << u"1"_s << true << u"0"_s << u"1"_s << u"1"_s << 0;
    QTest::newRow("fixed empty reads as 0") << both << u"1"_s << u"1"_s << true << QString() << u"1"_s << u"1"_s << 0;
    QTest::newRow("fixed 6000 becomes 5990") << both << u"1"_s << u"1"_s << true << u"6000"_s << u"1"_s << u"1"_s << 5990;
    QTest::newRow("fixed 5999 stays") << both << u"1"_s << u"1"_s << true << u"5999"_s << u"1"_s << u"1"_s << 5999;
    QTest::newRow("fixed negative is not corrected") << both << u"1"_s << u"1"_s << true << u"-5"_s << u"1"_s << u"1"_s << -5;
    QTest::newRow("fixed off ignores an unusable fixed time") << both << u"1"_s << u"1"_s << false << u"40000"_s << u"1"_s << u"1"_s << 65;
    // clang-format on
}

void TestSheetRules::plan()
{
    QFETCH(QString, operators);
    QFETCH(QString, tt1);
    QFETCH(QString, tt2);
    QFETCH(bool, fixed);
    QFETCH(QString, text1);
    QFETCH(QString, firstCount);
    QFETCH(QString, secondCount);
    QFETCH(int, seconds);

    SheetSettings settings = withOperators(SheetSettings::atStart(), operators);
    settings.firstCount = tt1;
    settings.secondCount = tt2;
    settings.fixedTime = fixed;
    settings.fixedSeconds = text1;
    const std::optional<SheetPlan> plan = SheetPlanner::plan(settings);
    QVERIFY(plan.has_value());

    QString expectedSet; // always in the order ＋ － × ÷, whatever order the row lists them in
    for (const QChar op : u"＋－×÷"_s) {
        if (operators.contains(op))
            expectedSet += op;
    }
    QCOMPARE(plan->operatorSet, expectedSet);
    QCOMPARE(plan->firstCount, firstCount);
    QCOMPARE(plan->secondCount, secondCount);
    QCOMPARE(int(plan->seconds), seconds);
}

void TestSheetRules::noOperatorPlansNothing()
{
    // With nothing ticked the build changes nothing, so even unusable boxes raise no error.
    SheetSettings settings = withOperators(SheetSettings::atStart(), QString());
    QVERIFY(!SheetPlanner::plan(settings).has_value());
    settings.secondCount = u"-40000"_s;
    settings.fixedTime = true;
    settings.fixedSeconds = u"40000"_s;
    QVERIFY(!SheetPlanner::plan(settings).has_value());
}

void TestSheetRules::planErrors_data()
{
    QTest::addColumn<QString>("operators");
    QTest::addColumn<QString>("tt1");
    QTest::addColumn<QString>("tt2");
    QTest::addColumn<QString>("text1"); // fixed time is ticked when this is not empty
    QTest::addColumn<SettingsError::Box>("box");

    using Box = SettingsError::Box;
    const QString both = u"＋－"_s;
    // clang-format off
    QTest::newRow("fixed time beyond 16 bits") << both << u"1"_s << u"1"_s << u"40000"_s << Box::FixedTime;
    QTest::newRow("fixed time below 16 bits") << both << u"1"_s << u"1"_s << u"-40000"_s << Box::FixedTime;
    QTest::newRow("second count below 16 bits") << both << u"1"_s << u"-40000"_s << QString() << Box::SecondCount;
    QTest::newRow("second count rounds past 32767") << both << u"1"_s << u"32767.5"_s << QString() << Box::SecondCount;
    QTest::newRow("first count far below 16 bits") << both << u"-1e10"_s << u"1"_s << QString() << Box::FirstCount;
    QTest::newRow("first count beyond 16 bits") << both << u"40000"_s << u"1"_s << QString() << Box::FirstCount;
    QTest::newRow("first count beyond double range") << both << u"-1e400"_s << u"1"_s << QString() << Box::FirstCount;
    QTest::newRow("negative counts overflow the sheet time") << both << u"-1000"_s << u"-1000"_s << QString() << Box::DigitCounts;
    QTest::newRow("× allowance too long for 16 bits") << u"×"_s << u"20"_s << u"1"_s << QString() << Box::DigitCounts;
    // clang-format on
}

void TestSheetRules::planErrors()
{
    QFETCH(QString, operators);
    QFETCH(QString, tt1);
    QFETCH(QString, tt2);
    QFETCH(QString, text1);
    QFETCH(SettingsError::Box, box);

    SheetSettings settings = withOperators(SheetSettings::atStart(), operators);
    settings.firstCount = tt1;
    settings.secondCount = tt2;
    settings.fixedTime = !text1.isEmpty();
    if (settings.fixedTime)
        settings.fixedSeconds = text1;
    try {
        SheetPlanner::plan(settings);
        QFAIL("the settings were accepted");
    } catch (const SettingsError &error) {
        QCOMPARE(int(error.box()), int(box));
        // What the learner typed, for the message that quotes it: both counts when their sheet time overflows.
        using Box = SettingsError::Box;
        const QStringList typed = box == Box::FixedTime ? QStringList{text1}
                : box == Box::SecondCount               ? QStringList{tt2}
                : box == Box::FirstCount                ? QStringList{tt1}
                                                        : QStringList{tt1, tt2};
        QCOMPARE(error.values(), typed);
    }
}

QTEST_APPLESS_MAIN(TestSheetRules)
#include "tst_sheetrules.moc"
