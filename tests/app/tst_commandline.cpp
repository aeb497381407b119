// The command line's options: what each asks for, and each refusal with its exit status and message.
#include "app/commandline.h"
#include "units/unit.h"

#include <QTest>

namespace {

// What a request comes to: operators and digit counts (or units), seconds and sheets as the sheets will show them,
// a queue, the filter and the sheets a page unless the default.
QString summary(const CommandLine::PrintRequest &request)
{
    const SheetSource &source = request.job.source;
    QStringList units;
    for (const Unit *unit : source.units())
        units.append(unit->id);
    const QString rules = units.isEmpty() ? source.plan().operatorSet
                    + QStringLiteral(" %1,%2").arg(source.plan().firstCount, source.plan().secondCount)
                                          : units.join(u',');
    QString said = QStringLiteral("%1 %2s %3 %4")
                           .arg(rules)
                           .arg(source.seconds())
                           .arg(request.job.sheets)
                           .arg(request.printer)
                           .trimmed();
    if (source.filter().maxNumber)
        said += QStringLiteral(" ≤%1").arg(*source.filter().maxNumber);
    if (source.filter().regroup != QuestionFilter::Regroup::Any)
        said += u' ' + QuestionFilter::regroupName(source.filter().regroup);
    return request.job.perPage == 2 ? said : said + QStringLiteral(" %1/页").arg(request.job.perPage);
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void options_data()
    {
        QTest::addColumn<QString>("arguments"); // after the program's name, split at blanks
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says"); // the request's summary, or a part of the help or the refusal
        // clang-format off
        QTest::newRow("defaults") << "--pdf a.pdf" << 0 << "＋－ 1,1 65s 1";
        QTest::newRow("ASCII operators") << "--pdf a.pdf --operators +-x/" << 0 << "＋－×÷ 1,1 72s 1";
        QTest::newRow("repeated operators, = form") << "--pdf=a.pdf --operators=**÷" << 0 << "×÷ 1,1 80s 1";
        QTest::newRow("digits above 2 become 2") << "--pdf a.pdf --digits 5,1e3" << 0 << "＋－ 2,2 105s 1";
        QTest::newRow("0: three digits against one") << "--pdf a.pdf --digits 0,2" << 0 << "＋－ 3,1 105s 1";
        QTest::newRow("fixed time rounded, most sheets") << "--pdf a.pdf --time 90.5 --sheets 1000" << 0 << "＋－ 1,1 90s 1000";
        QTest::newRow("file name holding %1") << "--pdf a%1.pdf --sheets 2" << 0 << "＋－ 1,1 65s 2";
        QTest::newRow("help before a bad value") << "--sheets 0 --help" << 0 << "用法";
        QTest::newRow("-h, most sheets") << "-h" << 0 << "1 到 1000（默认 1）";
        QTest::newRow("help: '*' quoted, start operators") << "--help" << 0 << "＋－×÷（或 + - x '*' /）中的一个或几个（默认 ＋－）";
        QTest::newRow("leading zeros, however many") << "--pdf a.pdf --sheets 00000000001 --seed 000000000007" << 0 << "＋－ 1,1 65s 1";
        QTest::newRow("blanks inside numbers") << "--pdf a.pdf --digits 1\t2,1 --time 9\n0" << 0 << "＋－ 2,1 90s 1";
        QTest::newRow("one-dash word whole") << "--pdf a.pdf -platform xcb" << 2 << "未知的选项“-platform”";
        QTest::newRow("character beyond 16 bits whole") << "--pdf a.pdf --operators +😀" << 2 << "“😀”不是运算符";
        QTest::newRow("version") << "--version" << 0 << "sumora ";
        QTest::newRow("unknown option") << "--pdf a.pdf --colour" << 2 << "未知的选项“--colour”";
        QTest::newRow("missing value") << "--pdf a.pdf --sheets" << 2 << "--sheets 后面缺少值";
        QTest::newRow("value on a switch") << "--pdf a.pdf --no-answers=yes" << 2 << "--no-answers 不带值";
        QTest::newRow("stray argument") << "--pdf a.pdf b.pdf" << 2 << "多余的参数“b.pdf”";
        QTest::newRow("no file") << "--sheets 2" << 2 << "请用 --pdf";
        QTest::newRow("a printer queue") << "--printer classroom --sheets 3" << 0 << "＋－ 1,1 65s 3 classroom";
        QTest::newRow("file and printer") << "--pdf a.pdf --printer classroom" << 2 << "只能选一个";
        QTest::newRow("no sheets") << "--pdf a.pdf --sheets 0" << 2 << "--sheets 要 1 到 1000 之间的整数；“0”";
        QTest::newRow("too many sheets") << "--pdf a.pdf --sheets 1001" << 2 << "“1001”不是";
        QTest::newRow("sheets not whole") << "--pdf a.pdf --sheets 2.0" << 2 << "“2.0”不是";
        QTest::newRow("no operator") << "--pdf a.pdf --operators=" << 2 << "至少要有一个运算符";
        QTest::newRow("not an operator") << "--pdf a.pdf --operators +X" << 2 << "“X”不是运算符";
        QTest::newRow("digits not a number") << "--pdf a.pdf --digits abc,1" << 2 << "“abc”不是数";
        QTest::newRow("digits empty") << "--pdf a.pdf --digits 1," << 2 << "“”不是数";
        QTest::newRow("digits trailing text") << "--pdf a.pdf --digits 3abc,1" << 2 << "“3abc”不是数";
        QTest::newRow("one digit count") << "--pdf a.pdf --digits=2" << 2 << "要两个数";
        QTest::newRow("first count as the dialog") << "--pdf a.pdf --digits -40000,1" << 2 << "--digits：“出题位数”的第一个框填的是“-40000”，超出了范围。请填写";
        QTest::newRow("second count as the dialog") << "--pdf a.pdf --digits 1,-40000" << 2 << "第二个框填的是“-40000”";
        QTest::newRow("counts' time as the dialog") << "--pdf a.pdf --digits -1000,-999" << 2 << "按“出题位数”“-1000”与“-999”算出";
        QTest::newRow("time as the dialog") << "--pdf a.pdf --time 40000" << 2 << "--time：“做题用时”填的是“40000”";
        QTest::newRow("time not a number") << "--pdf a.pdf --time 1m" << 2 << "“1m”不是秒数";
        QTest::newRow("no time") << "--pdf a.pdf --time 0" << 2 << "“0”不到 1 秒";
        QTest::newRow("counts give no time") << "--pdf a.pdf --digits -5,1" << 2 << "做题用时是 -55 秒";
        QTest::newRow("seed beyond 32 bits") << "--pdf a.pdf --seed=4294967296" << 2 << "--seed 要";
        QTest::newRow("one unit, its time") << "--pdf a.pdf --unit carry20" << 0 << "carry20 65s 1";
        QTest::newRow("units each once, fixed time") << "--pdf a.pdf --unit 10,borrow20,10 --time 80" << 0 << "10,borrow20 80s 1";
        QTest::newRow("units list: id, name, example, note") << "--units --pdf a.pdf" << 0 << "10           10以内加减法                   例：7＋3（不含 0）\n20           ";
        QTest::newRow("max number narrows a unit") << "--printer classroom --unit 20 --max-number 0015" << 0 << "20 85s 1 classroom ≤15";
        QTest::newRow("max number beyond int") << "--pdf a.pdf --max-number 4294967295" << 0 << "≤2147483647";
        QTest::newRow("regroup none, 4 a page") << "--pdf a.pdf --regroup none --per-page 4" << 0 << "＋－ 1,1 65s 1 none 4/页";
        QTest::newRow("regroup all, 1 a page") << "--pdf a.pdf --operators +x --regroup all --per-page 1" << 0 << "＋× 1,1 72s 1 all 1/页";
        QTest::newRow("regroup any is no filter") << "--pdf a.pdf --regroup any --per-page 2" << 0 << "＋－ 1,1 65s 1";
        QTest::newRow("help: new options from constants") << "-h" << 0 << "--per-page N      每页印几张：1、2 或 4（默认 2）";
        QTest::newRow("help: regroup names") << "-h" << 0 << "none 一处也没有，all 每题至少一处，any 不限（默认 any）";
        QTest::newRow("unit with operators") << "--pdf a.pdf --unit 10 --operators +" << 2 << "--unit 不能和 --operators 同用";
        QTest::newRow("unit with regroup") << "--pdf a.pdf --regroup none --unit times" << 2 << "--unit 不能和 --regroup 同用";
        QTest::newRow("empty set for an operator") << "--pdf a.pdf --operators +- --digits 1,1 --regroup all" << 2 << "按“--digits 1,1 --regroup all”，“－”一道题也出不了";
        QTest::newRow("empty set for each operator") << "--pdf a.pdf --max-number 1" << 2 << "按“--digits 1,1 --max-number 1”，“＋”、“－”一道题";
        QTest::newRow("empty set for a unit") << "--pdf a.pdf --unit times,carry20 --max-number 10" << 2 << "按“--max-number 10”，单元“carry20”（20以内进位加法）一道题也出不了";
        QTest::newRow("unknown unit") << "--pdf a.pdf --unit carry20,carry30" << 2 << "--unit 里的“carry30”不是单元";
        QTest::newRow("empty unit id") << "--pdf a.pdf --unit carry20," << 2 << "--unit 里的“”不是单元";
        QTest::newRow("bad regroup") << "--pdf a.pdf --regroup some" << 2 << "--regroup 只能是 none、all 或 any；“some”不是";
        QTest::newRow("bad per-page") << "--pdf a.pdf --per-page 3" << 2 << "--per-page 只能是 1、2 或 4；“3”不是";
        QTest::newRow("per-page not a number") << "--pdf a.pdf --per-page two" << 2 << "“two”不是";
        QTest::newRow("max number 0") << "--pdf a.pdf --max-number 0" << 2 << "--max-number 要 1 到 4294967295 之间的整数；“0”不是";
        QTest::newRow("max number not whole") << "--pdf a.pdf --max-number 2.5" << 2 << "“2.5”不是";
        QTest::newRow("print window, defaults") << "--print" << 0 << "＋－ 1,1 65s 1";
        QTest::newRow("print window, a unit") << "--print --unit carry20 --sheets 40 --no-answers" << 0 << "carry20 65s 40";
        QTest::newRow("print window, then help") << "--print --help" << 0 << "--print           打开“打印练习卷”窗口";
        QTest::newRow("print window, every page fault") << "--print --sheets 0 --seed x --per-page 3" << 0 << "sheets:张数要 1 到 1000 之间的整数；“0”不是。 seed:种子要 0 到 4294967295 之间的整数；“x”不是。 per-page:每页张数只能是 1、2 或 4；“3”不是。";
        QTest::newRow("print window, every settings fault") << "--print --operators +X --digits a,b --time 1m --max-number 0 --regroup some" << 0 << "operators:运算里的“X”不是运算符：只能用 ＋－×÷（或 + - x '*' /）。 digits:位数里的“a”不是数。 time:限时的“1m”不是秒数。 max-number:最大数要 1 到 4294967295 之间的整数；“0”不是。 regroup:进位退位只能是“一处也没有”、“每题至少一处”或“不限”；“some”不是。";
        QTest::newRow("print window, unit faults") << "--print --unit 10,zz --operators + --digits 1,1" << 0 << "operators:单元不能和运算同用：单元自己定了运算、位数和进位退位。 digits:单元不能和位数同用：单元自己定了运算、位数和进位退位。 unit:单元里的“zz”不是单元：请从单元列表里选。";
        QTest::newRow("print window, conditions in its words") << "--print --max-number 1 --regroup all" << 0 << "operators:按“位数 1,1、最大数 1、进位退位每题至少一处”，“＋”、“－”一道题也出不了";
        QTest::newRow("print window, empty unit") << "--print --unit times,carry20 --max-number 10" << 0 << "unit:按“最大数 10”，单元“carry20”（20以内进位加法）一道题也出不了";
        QTest::newRow("print window, counts give no time") << "--print --digits -5,1" << 0 << "digits:按“位数 -5,1”算出的做题用时是 -55 秒，印不上卷子：请给出限时。";
        QTest::newRow("print window, time as the dialog") << "--print --time 40000" << 0 << "time:限时：“做题用时”填的是“40000”";
        QTest::newRow("print window and a file") << "--print --pdf a.pdf" << 2 << "--print 不能和 --pdf 或 --printer 同用";
        QTest::newRow("print window, stray argument") << "--print b.pdf" << 2 << "多余的参数“b.pdf”";
        // clang-format on
    }
    void options()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        const QStringList words = QStringList{QStringLiteral("sumora")} + arguments.split(u' ');
        // The print window's arguments are read once Qt has taken its own; its help needs no display.
        QCOMPARE(CommandLine::wanted(words),
                 !words.contains(QStringLiteral("--print")) || words.contains(QStringLiteral("--help")));
        const CommandLine::Outcome outcome = CommandLine::parse(words);
        QString said;
        int exitStatus = 0;
        if (const auto *request = std::get_if<CommandLine::PrintRequest>(&outcome)) {
            said = summary(*request);
            // The command at the foot of the pages makes the same set again.
            // The version closes it as a shell comment.
            const QString note = QStringLiteral(" # ") + CommandLine::versionText().trimmed();
            const QString reprint = CommandLine::reprintCommand(*request, 7);
            QVERIFY2(reprint.endsWith(note), qPrintable(reprint));
            const CommandLine::Outcome again = CommandLine::parse(reprint.chopped(note.size()).split(u' '));
            QVERIFY(std::holds_alternative<CommandLine::PrintRequest>(again));
            QCOMPARE(summary(std::get<CommandLine::PrintRequest>(again)), said);
            QCOMPARE(std::get<CommandLine::PrintRequest>(again).seed, std::optional<std::uint32_t>(7));
        } else if (const auto *refusal = std::get_if<CommandLine::Refusal>(&outcome)) {
            said = refusal->message;
            exitStatus = refusal->status;
            QVERIFY2(!said.contains(u'\n'), qPrintable(said));
        } else if (const auto *window = std::get_if<CommandLine::PrintWindow>(&outcome)) {
            // The window checks its options itself, each fault for its control.
            const auto checked = SetOptions::check(window->options, CommandLineMessages::Wording::Control);
            if (const auto *set = std::get_if<SetOptions::Checked>(&checked))
                said = summary({{}, {}, set->settings, set->job, set->seed});
            else
                for (const SetOptions::Fault &fault : std::get<QList<SetOptions::Fault>>(checked))
                    said += fault.option + u':' + fault.message + u' ';
        } else {
            const auto info = std::get<CommandLine::Info>(outcome);
            said = info == CommandLine::Info::Help     ? CommandLine::helpText()
                    : info == CommandLine::Info::Units ? CommandLine::unitsText()
                                                       : CommandLine::versionText();
        }
        QVERIFY2(said.contains(says), qPrintable(said));
        QCOMPARE(exitStatus, status);
    }

    // Qt's own options alone are the window's.
    void qtOptionsOpenTheWindow()
    {
        QVERIFY(!CommandLine::wanted({QStringLiteral("sumora"), QStringLiteral("-platform"), QStringLiteral("xcb")}));
        // A file named "--print".
        QVERIFY(CommandLine::wanted({QStringLiteral("sumora"), QStringLiteral("--pdf"), QStringLiteral("--print")}));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
