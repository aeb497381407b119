// School units, the filters and the sheets drawn from them, checked against sizes and members worked out by hand.
#include "questions/prmain.h"
#include "questions/randomsource.h"
#include "sheet/grading.h"
#include "sheet/sheetseries.h"
#include "units/sheetsource.h"
#include "units/unit.h"
#include "units/unittable.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A question text read back on its own terms: the numbers either side of its one operator symbol.
struct Read
{
    int first = 0;
    QChar op;
    int second = 0;
};

Read read(const QString &question)
{
    const qsizetype at = question.indexOf(QRegularExpression(u"[＋－×÷]"_s));
    return {question.left(at).toInt(), question[at], question.mid(at + 1).toInt()};
}

// The units, or the plain settings "operators first,second", with the largest number (0: none) and --regroup.
SheetSource sourceOf(const QString &units, const QString &plain, int maxNumber, const QString &regroup)
{
    QuestionFilter filter;
    if (maxNumber > 0)
        filter.maxNumber = maxNumber;
    filter.regroup = QuestionFilter::regroupFrom(regroup).value();
    if (!units.isEmpty())
        return SheetSource::ofUnits(UnitTable::parse(units, nullptr).value(), filter);
    const QStringList parts = plain.split(u' ');
    const QStringList counts = parts[1].split(u',');
    return SheetSource::plain(SheetPlan{parts[0], counts[0], counts[1], 60}, filter);
}

QSet<QString> listedTexts(const SheetSource &source)
{
    QSet<QString> texts;
    for (const Question &question : source.listed())
        texts.insert(question.text());
    return texts;
}

} // namespace

class TestUnits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void units_data();
    void units();
    void filters_data();
    void filters();
    void sheets_data();
    void sheets();
    void generatorSets_data();
    void generatorSets();
    void plainSheetsKeepTheGenerator();
    void unitsDrawnEvenly();
    void parse();
};

void TestUnits::units_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QStringList>("members");
    QTest::addColumn<QStringList>("nonMembers");

    // clang-format off
    QTest::newRow("10") << u"10"_s << 90 << 65 << QStringList{u"9＋1"_s, u"10－9"_s} << QStringList{u"9＋2"_s, u"11－1"_s, u"5－5"_s};
    QTest::newRow("20") << u"20"_s << 325 << 85 << QStringList{u"19＋1"_s, u"20－9"_s} << QStringList{u"19＋2"_s, u"20－10"_s, u"95－87"_s};
    QTest::newRow("carry20") << u"carry20"_s << 36 << 65 << QStringList{u"2＋9"_s, u"9＋9"_s} << QStringList{u"9＋1"_s, u"8＋2"_s, u"5＋4"_s};
    QTest::newRow("borrow20") << u"borrow20"_s << 36 << 85 << QStringList{u"11－2"_s, u"18－9"_s} << QStringList{u"10－3"_s, u"19－9"_s, u"15－5"_s};
    QTest::newRow("100") << u"100"_s << 5175 << 105 << QStringList{u"43＋56"_s, u"99－98"_s, u"10＋9"_s} << QStringList{u"45＋55"_s, u"9＋1"_s, u"42－3"_s};
    QTest::newRow("carry100-1d") << u"carry100-1d"_s << 748 << 85 << QStringList{u"74＋9"_s, u"91－2"_s, u"98＋2"_s} << QStringList{u"99＋9"_s, u"10－3"_s, u"74＋5"_s};
    QTest::newRow("carry100-2d") << u"carry100-2d"_s << 2952 << 105 << QStringList{u"55＋45"_s, u"90－19"_s} << QStringList{u"50＋50"_s, u"56＋45"_s, u"74＋9"_s};
    QTest::newRow("tens") << u"tens"_s << 90 << 105 << QStringList{u"90＋10"_s, u"100－90"_s} << QStringList{u"90＋20"_s, u"35＋5"_s};
    QTest::newRow("times") << u"times"_s << 81 << 80 << QStringList{u"1×1"_s, u"9×9"_s} << QStringList{u"10×2"_s};
    QTest::newRow("divide") << u"divide"_s << 81 << 120 << QStringList{u"81÷9"_s, u"9÷9"_s} << QStringList{u"90÷9"_s, u"18÷1"_s};
    QTest::newRow("times2") << u"times2"_s << 48 << 120 << QStringList{u"44×2"_s, u"11×9"_s} << QStringList{u"15×2"_s, u"11×1"_s};
    QTest::newRow("divide2") << u"divide2"_s << 48 << 120 << QStringList{u"48÷4"_s, u"69÷3"_s, u"60÷3"_s, u"66÷6"_s} << QStringList{u"84÷7"_s, u"52÷4"_s};
    // clang-format on
}

void TestUnits::units()
{
    QFETCH(QString, id);
    QFETCH(int, size);
    QFETCH(int, seconds);
    QFETCH(QStringList, members);
    QFETCH(QStringList, nonMembers);
    const Unit *unit = UnitTable::find(id);
    QVERIFY(unit);
    const SheetSource source = SheetSource::ofUnits({unit}, {});
    const QSet<QString> texts = listedTexts(source);
    QCOMPARE(texts.size(), size);
    QCOMPARE(int(source.seconds()), seconds);
    QVERIFY(source.emptyParts().isEmpty());
    for (const QString &member : members + QStringList{unit->example.toString()})
        QVERIFY2(texts.contains(member), qPrintable(member));
    for (const QString &nonMember : nonMembers)
        QVERIFY2(!texts.contains(nonMember), qPrintable(nonMember));
    // The generator's contract, so that the answer rule and the grading apply unchanged.
    for (const QString &text : texts) {
        const Read q = read(text);
        QVERIFY2(q.first >= 1 && q.second >= 1 && (q.op != u'－' || q.first > q.second)
                         && (q.op != u'÷' || q.first % q.second == 0)
                         && QString::number(q.first) + q.op + QString::number(q.second) == text,
                 qPrintable(text));
    }
}

void TestUnits::filters_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<int>("maxNumber");
    QTest::addColumn<QString>("regroup");
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("empty");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("nonMember");

    // clang-format off
    QTest::newRow("＋ 1,1 none") << QString() << u"＋ 1,1"_s << 0 << u"none"_s << 36 << QStringList() << u"4＋5"_s << u"5＋5"_s;
    QTest::newRow("＋ 1,1 all") << QString() << u"＋ 1,1"_s << 0 << u"all"_s << 45 << QStringList() << u"9＋1"_s << u"4＋5"_s;
    QTest::newRow("－ 2,1 all") << QString() << u"－ 2,1"_s << 0 << u"all"_s << 405 << QStringList() << u"52－9"_s << u"59－2"_s;
    QTest::newRow("＋ 2,2 none, tens carry too") << QString() << u"＋ 2,2"_s << 0 << u"none"_s << 1980 << QStringList() << u"23＋45"_s << u"55＋62"_s;
    QTest::newRow("－ 3,1 none") << QString() << u"－ 3,1"_s << 0 << u"none"_s << 4050 << QStringList() << u"315－4"_s << u"300－1"_s;
    QTest::newRow("÷ 2,1 all keeps ÷") << QString() << u"÷ 2,1"_s << 0 << u"all"_s << 260 << QStringList() << u"9÷9"_s << u"6÷3"_s;
    QTest::newRow("＋－ 2,1 max 20") << QString() << u"＋－ 2,1"_s << 20 << u"any"_s << 153 << QStringList() << u"11＋9"_s << u"19＋2"_s;
    QTest::newRow("×÷ 1,1 max 10") << QString() << u"×÷ 1,1"_s << 10 << u"any"_s << 48 << QStringList() << u"2×5"_s << u"3×4"_s;
    QTest::newRow("carry20 max 12") << u"carry20"_s << QString() << 12 << u"any"_s << 15 << QStringList() << u"9＋3"_s << u"9＋4"_s;
    QTest::newRow("20 max 10 is 10") << u"20"_s << QString() << 10 << u"any"_s << 90 << QStringList() << u"10－9"_s << u"11－1"_s;
    QTest::newRow("10 and 20 share") << u"10,20"_s << QString() << 0 << u"any"_s << 325 << QStringList() << u"7＋3"_s << u"21－1"_s;
    QTest::newRow("refused: ＋－ 1,1 all") << QString() << u"＋－ 1,1"_s << 0 << u"all"_s << 45 << QStringList{u"－"_s} << u"9＋1"_s << u"9－1"_s;
    QTest::newRow("refused: ＋－×÷ 2,2 max 10") << QString() << u"＋－×÷ 2,2"_s << 10 << u"any"_s << 1 << QStringList{u"＋"_s, u"－"_s, u"×"_s} << u"10÷10"_s << u"20÷10"_s;
    QTest::newRow("refused: carry20 max 10") << u"carry20,times"_s << QString() << 10 << u"any"_s << 25 << QStringList{u"carry20"_s} << u"2×5"_s << u"9＋2"_s;
    // clang-format on
}

void TestUnits::filters()
{
    QFETCH(QString, units);
    QFETCH(QString, plain);
    QFETCH(int, maxNumber);
    QFETCH(QString, regroup);
    QFETCH(int, size);
    QFETCH(QStringList, empty);
    QFETCH(QString, member);
    QFETCH(QString, nonMember);
    const SheetSource source = sourceOf(units, plain, maxNumber, regroup);
    const QSet<QString> texts = listedTexts(source);
    QCOMPARE(texts.size(), size);
    QCOMPARE(source.emptyParts(), empty);
    QVERIFY(texts.contains(member));
    QVERIFY(!texts.contains(nonMember));
    for (const QString &text : texts) {
        const Read q = read(text);
        const int answer = Grading::expectedAnswer(text).value().toInt();
        QVERIFY2(maxNumber == 0 || std::max({q.first, q.second, answer}) <= maxNumber, qPrintable(text));
    }
}

void TestUnits::sheets_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<int>("maxNumber");

    for (const Unit &unit : UnitTable::all())
        QTest::newRow(unit.id.data()) << QString(unit.id) << QString() << 0;
    QTest::newRow("10 and 20 share questions") << u"10,20"_s << QString() << 0;
    QTest::newRow("carry20 max 12: fewer than a sheet") << u"carry20"_s << QString() << 12;
    QTest::newRow("＋－ 1,1 max 4: fewer than a sheet") << QString() << u"＋－ 1,1"_s << 4;
}

void TestUnits::sheets()
{
    QFETCH(QString, units);
    QFETCH(QString, plain);
    QFETCH(int, maxNumber);
    const SheetSource source = sourceOf(units, plain, maxNumber, u"any"_s);
    const QSet<QString> texts = listedTexts(source);
    const qsizetype size = texts.size();
    // No 1,000 sheets can show 5,175 questions: larger sets get as many sheets as they have questions.
    const qsizetype sheets = std::max<qsizetype>(1000, size);
    SheetSeries series(source, 26);
    QSet<QString> seen;
    for (qsizetype k = 0; k < sheets; ++k) {
        const QStringList questions = series.next().questions;
        // Every question once before any repeats: no repeat within a run of size questions.
        for (qsizetype i = 0; i < questions.size(); ++i) {
            QVERIFY2(texts.contains(questions[i]), qPrintable(questions[i]));
            const qsizetype from = i - i % size;
            QVERIFY2(!questions.mid(from, i - from).contains(questions[i]), qPrintable(questions.join(u' ')));
            seen.insert(questions[i]);
        }
    }
    QCOMPARE(seen.size(), size);
    QCOMPARE(SheetSeries(source, 26).next().questions, SheetSeries(source, 26).next().questions);
}

void TestUnits::generatorSets_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<int>("size");

    QTest::newRow("＋ 1,1") << u"＋ 1,1"_s << 81;
    QTest::newRow("－ 1,1") << u"－ 1,1"_s << 36;
    QTest::newRow("÷ 1,1") << u"÷ 1,1"_s << 23;
    QTest::newRow("÷ 1,2") << u"÷ 1,2"_s << 260;
    QTest::newRow("÷ 2,2") << u"÷ 2,2"_s << 196;
    QTest::newRow("× 1,3 cut to two digits") << u"× 1,3"_s << 810;
    QTest::newRow("－ 2,2") << u"－ 2,2"_s << 4005;
    QTest::newRow("÷ 3,1") << u"÷ 3,1"_s << 2550;
}

void TestUnits::generatorSets()
{
    QFETCH(QString, plain);
    QFETCH(int, size);
    // A filter that keeps everything: the generator's possible questions, listed.
    const SheetSource source = sourceOf(QString(), plain, 32767, u"any"_s);
    const QSet<QString> texts = listedTexts(source);
    QCOMPARE(texts.size(), size);
    const QStringList parts = plain.split(u' ');
    const QStringList counts = parts[1].split(u',');
    RandomSource random(5);
    QSet<QString> seen;
    for (int i = 0; i < 100 * size; ++i) {
        const QString question = PrMain::MakeQuestion(counts[0], counts[1], parts[0], random);
        QVERIFY2(texts.contains(question), qPrintable(question));
        seen.insert(question);
    }
    if (size <= 300)
        QCOMPARE(seen.size(), size);
}

void TestUnits::plainSheetsKeepTheGenerator()
{
    // The generator's draws in order, less those the sheet has already; ＋ 1,1 repeated on 92 % of sheets before.
    const SheetPlan plan{u"＋"_s, u"1"_s, u"1"_s, 65};
    SheetSeries series(plan, 3);
    RandomSource random(3);
    for (int k = 0; k < 1000; ++k) {
        QStringList expected;
        while (expected.size() < 20) {
            const QString question = PrMain::MakeQuestion(u"1", u"1", plan.operatorSet, random);
            if (!expected.contains(question))
                expected.append(question);
        }
        QCOMPARE(series.next().questions, expected);
    }
}

void TestUnits::unitsDrawnEvenly()
{
    // Each question first draws a unit: carry20's 36 questions fill half the places beside carry100-2d's 2,952.
    const SheetSource source = sourceOf(u"carry20,carry100-2d"_s, QString(), 0, u"any"_s);
    SheetSeries series(source, 8);
    QHash<QString, int> counts;
    for (int k = 0; k < 1000; ++k) {
        for (const QString &question : series.next().questions)
            ++counts[question];
    }
    int small = 0;
    for (const QString &question : listedTexts(SheetSource::ofUnits({UnitTable::find(u"carry20")}, {}))) {
        small += counts.value(question);
        QVERIFY2(std::abs(counts.value(question) - 10000 / 36) < 70, qPrintable(question)); // 4 standard deviations
    }
    QVERIFY2(std::abs(small - 10000) < 400, qPrintable(QString::number(small)));
}

void TestUnits::parse()
{
    QString unknown;
    QCOMPARE(UnitTable::all().size(), size_t(12));
    QCOMPARE(UnitTable::parse(u"borrow20,carry20,borrow20", &unknown),
             (QList<const Unit *>{UnitTable::find(u"borrow20"), UnitTable::find(u"carry20")}));
    QVERIFY(!UnitTable::parse(u"carry20,Carry20", &unknown));
    QCOMPARE(unknown, u"Carry20"_s);
    QVERIFY(!UnitTable::parse(u"carry20,", &unknown));
    QCOMPARE(unknown, QString());
    QVERIFY(!QuestionFilter::regroupFrom(u"None"));
    for (const auto regroup :
         {QuestionFilter::Regroup::Any, QuestionFilter::Regroup::None, QuestionFilter::Regroup::All})
        QCOMPARE(QuestionFilter::regroupFrom(QuestionFilter::regroupName(regroup)), regroup);
}

QTEST_APPLESS_MAIN(TestUnits)
#include "tst_units.moc"
