// The program's own command-line options: printed sheets, help, version and the list of units.
#include "app/commandline.h"

#include "app/argumentreader.h"
#include "messages/commandlinemessages.h"
#include "request/optionwords.h"
#include "request/reprintcommand.h"
#include "units/unit.h"
#include "units/unittable.h"

#include <algorithm>
#include <array>
#include <limits>

namespace Messages = CommandLineMessages;

namespace {

// clang-format off
constexpr std::array<ArgumentReader::Option, 16> options{{
        {u"pdf", true}, {u"printer", true}, {u"print", false}, {u"sheets", true}, {u"per-page", true},
        {u"operators", true}, {u"digits", true}, {u"regroup", true}, {u"unit", true}, {u"max-number", true},
        {u"time", true}, {u"seed", true}, {u"no-answers", false}, {u"units", false}, {u"help", false, u'h'},
        {u"version", false},
}};
// clang-format on

} // namespace

bool CommandLine::wanted(const QStringList &arguments)
{
    bool ours = false;
    bool window = false; // --print: the window reads the options once Qt has taken its own
    bool info = false;   // the help, the version or the units, which need no display, --print or not
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        ours = ours || argument.startsWith(u"--") || argument == u"-h";
        info = info || argument == u"-h";
        if (argument == u"--")
            break;
        if (!argument.startsWith(u"--") || argument.contains(u'='))
            continue;
        // As the reader reads it: the next argument is a value ("--pdf --print" names a file "--print").
        const QStringView name = QStringView(argument).sliced(2);
        window = window || name == u"print";
        info = info || name == u"help" || name == u"version" || name == u"units";
        if (std::ranges::any_of(options,
                                [&](const ArgumentReader::Option &o) { return name == o.name && o.takesValue; }))
            ++i;
    }
    return ours && (!window || info);
}

CommandLine::Outcome CommandLine::parse(const QStringList &arguments)
{
    const ArgumentReader read(options, arguments);
    switch (read.fault()) {
    case ArgumentReader::Fault::UnknownOption:
        return Refusal{2, Messages::unknownOption(read.faultyOption())};
    case ArgumentReader::Fault::MissingValue:
        return Refusal{2, Messages::missingValue(read.faultyOption())};
    case ArgumentReader::Fault::UnexpectedValue:
        return Refusal{2, Messages::unexpectedValue(read.faultyOption())};
    case ArgumentReader::Fault::None:
        break;
    }
    if (read.isSet(u"help"))
        return Info::Help;
    if (read.isSet(u"version"))
        return Info::Version;
    if (read.isSet(u"units"))
        return Info::Units;
    if (!read.positional().isEmpty())
        return Refusal{2, Messages::strayArgument(read.positional().first())};

    SetOptions::Options given = read.values();
    for (const QString &destination : {QStringLiteral("pdf"), QStringLiteral("printer"), QStringLiteral("print")})
        given.remove(destination);
    if (read.isSet(u"print")) {
        if (read.isSet(u"pdf") || read.isSet(u"printer"))
            return Refusal{2, Messages::printWithDestination()};
        return PrintWindow{given};
    }

    PrintRequest request;
    request.file = read.value(u"pdf");
    request.printer = read.value(u"printer");
    if (request.file.isEmpty() == request.printer.isEmpty())
        return Refusal{2, request.file.isEmpty() ? Messages::noFile() : Messages::fileAndPrinter()};

    auto checked = SetOptions::check(given, Messages::Wording::Option);
    if (const auto *faults = std::get_if<QList<SetOptions::Fault>>(&checked))
        return Refusal{2, faults->first().message};
    const auto &set = std::get<SetOptions::Checked>(checked);
    request.settings = set.settings;
    request.job = set.job;
    request.seed = set.seed;
    return request;
}

QString CommandLine::helpText()
{
    const SheetSettings start = SheetSettings::atStart();
    const QString most = QString::number(SheetPlanner::largestDigitCount);
    using Regroup = QuestionFilter::Regroup;
    return QStringLiteral(
                   "用法：sumora                 打开练习窗口\n"
                   "      sumora --pdf 文件 [选项]  把练习卷印成 A4 的 PDF 文件，不开窗口，也不需要显示\n"
                   "      sumora --printer 队列 [选项]  把练习卷直接交给这个打印队列（CUPS），不开窗口\n"
                   "      sumora --print [选项]  打开“打印练习卷”窗口，选项填进窗口\n"
                   "      sumora --units         列出 --unit 可选的单元\n"
                   "\n"
                   "选项：\n"
                   "  --pdf 文件        写到这个文件；写成之前，同名的旧文件保持原样；- 是标准输出\n"
                   "  --printer 队列    交给这个打印队列（lpstat -p 列出的名字），不等打印完\n"
                   "  --print           打开“打印练习卷”窗口，选项填进窗口；不与 --pdf、--printer 同用\n"
                   "  --sheets N        卷子张数，1 到 %1（默认 %2）；最后是答案页\n"
                   "  --per-page N      每页印几张：%9（默认 %10）\n"
                   "  --operators 运算  %3中的一个或几个（默认 %4）\n"
                   "  --digits A,B      两个数的位数，同设置窗口的“出题位数”：大于 %5 按 %5，0 表示三位数对一位数"
                   "（默认 %6,%7）\n"
                   "  --regroup 方式    加减题的进位退位：%11 一处也没有，%12 每题至少一处，%13 不限（默认 %14）；"
                   "乘除题不受影响\n"
                   "  --unit 单元,…     按课本单元出题，几个单元时每道题先等可能地抽一个单元；"
                   "不能与 --operators、--digits、--regroup 同用\n"
                   "  --max-number N    题里的每个数连同得数都不超过 N；对单元也适用\n"
                   "  --time 秒数       固定的做题用时；不给时按运算和位数（或单元）算出\n"
                   "  --seed S          随机种子，0 到 %8：种子和选项相同，卷子就相同；"
                   "不给时每次不同，用到的种子印在每一页上\n"
                   "  --no-answers      不印答案页\n"
                   "  --units           列出单元：id、印在卷子上的名称和一道例题\n"
                   "  -h, --help        显示这段说明\n"
                   "  --version         显示版本\n"
                   "\n"
                   "退出状态：0 写成或交给了打印队列；1 文件、打印作业、说明或单元列表写不出；2 选项有误。\n")
            .arg(QString::number(SetOptions::mostSheets), QString::number(PrintJob().sheets),
                 CommandLineMessages::operatorChoice(), SheetPlanner::plan(start).value().operatorSet, most,
                 start.firstCount, start.secondCount, QString::number(std::numeric_limits<std::uint32_t>::max()),
                 OptionWords::perPageChoice(), QString::number(PrintJob().perPage),
                 QuestionFilter::regroupName(Regroup::None), QuestionFilter::regroupName(Regroup::All),
                 QuestionFilter::regroupName(Regroup::Any), QuestionFilter::regroupName(QuestionFilter().regroup));
}

QString CommandLine::versionText()
{
    return QStringLiteral("sumora " SUMORA_VERSION "\n");
}

QString CommandLine::unitsText()
{
    // Terminal columns: CJK characters and the full-width symbols take two, so the examples stand in a column.
    const auto columns = [](QStringView text) {
        return std::ranges::count_if(text, [](QChar c) { return c.unicode() >= 0x1100; }) + text.size();
    };
    qsizetype idWidth = 0;
    qsizetype nameWidth = 0;
    for (const Unit &unit : UnitTable::all()) {
        idWidth = std::max(idWidth, unit.id.size());
        nameWidth = std::max(nameWidth, columns(unit.name));
    }
    QString text;
    for (const Unit &unit : UnitTable::all()) {
        text += QString(unit.id).leftJustified(idWidth + 2) + unit.name.toString()
                + QString(nameWidth + 2 - columns(unit.name), u' ') + QStringLiteral("例：") + unit.example.toString();
        if (!unit.note.isEmpty())
            text += QStringLiteral("（%1）").arg(unit.note);
        text += u'\n';
    }
    return text;
}

QString CommandLine::reprintCommand(const PrintRequest &request, std::uint32_t seed)
{
    const bool toPrinter = !request.printer.isEmpty();
    return ReprintCommand::of(toPrinter ? ReprintCommand::Destination::Printer : ReprintCommand::Destination::Pdf,
                              toPrinter ? request.printer : request.file, {request.settings, request.job, request.seed},
                              seed);
}
