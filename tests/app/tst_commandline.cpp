// The command line's options: what each asks for, and each refusal with its exit status and message.
#include "app/commandline.h"

#include <QTest>

namespace {

// What a request comes to: operators, digit counts, seconds and sheets as the sheets will show them, and a queue.
QString summary(const CommandLine::PrintRequest &request)
{
    return QStringLiteral("%1 %2,%3 %4s %5 %6")
            .arg(request.job.source.plan().operatorSet, request.job.source.plan().firstCount,
                 request.job.source.plan().secondCount)
            .arg(request.job.source.seconds())
            .arg(request.job.sheets)
            .arg(request.printer)
            .trimmed();
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
        // clang-format on
    }
    void options()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        const QStringList words = QStringList{QStringLiteral("sumora")} + arguments.split(u' ');
        QVERIFY(CommandLine::wanted(words));
        const CommandLine::Outcome outcome = CommandLine::parse(words);
        QString said;
        int exitStatus = 0;
        if (const auto *request = std::get_if<CommandLine::PrintRequest>(&outcome)) {
            said = summary(*request);
            // The command at the foot of the pages makes the same set again.
            const CommandLine::Outcome again = CommandLine::parse(CommandLine::reprintCommand(*request, 7).split(u' '));
            QVERIFY(std::holds_alternative<CommandLine::PrintRequest>(again));
            QCOMPARE(summary(std::get<CommandLine::PrintRequest>(again)), said);
            QCOMPARE(std::get<CommandLine::PrintRequest>(again).seed, std::optional<std::uint32_t>(7));
        } else if (const auto *refusal = std::get_if<CommandLine::Refusal>(&outcome)) {
            said = refusal->message;
            exitStatus = refusal->status;
            QVERIFY2(!said.contains(u'\n'), qPrintable(said));
        } else {
            said = std::get<CommandLine::Info>(outcome) == CommandLine::Info::Help ? CommandLine::helpText()
                                                                                   : CommandLine::versionText();
        }
        QVERIFY2(said.contains(says), qPrintable(said));
        QCOMPARE(exitStatus, status);
    }

    // Qt's own options alone are the window's.
    void qtOptionsOpenTheWindow()
    {
        QVERIFY(!CommandLine::wanted({QStringLiteral("sumora"), QStringLiteral("-platform"), QStringLiteral("xcb")}));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
