// The program's own command-line options: printed sheets, help and version.
#include "app/commandline.h"

#include "app/argumentreader.h"
#include "messages/commandlinemessages.h"
#include "shared/numbers.h"
#include "shared/operators.h"
#include "sheet/settingserror.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <limits>

namespace Messages = CommandLineMessages;

namespace {

constexpr int mostSheets = 1000;

// clang-format off
constexpr std::array<ArgumentReader::Option, 10> options{{
        {u"pdf", true}, {u"printer", true}, {u"sheets", true}, {u"operators", true}, {u"digits", true}, {u"time", true},
        {u"seed", true}, {u"no-answers", false}, {u"help", false, u'h'}, {u"version", false},
}};
// clang-format on

// ASCII digits only, as many leading zeros as given, and a value that fits in 32 bits.
std::optional<std::uint32_t> wholeNumber(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
    }
    return std::uint32_t(value);
}

// A word the shell keeps as it is: ASCII letters and digits, and "_.,+-".
bool plainWord(const QString &word)
{
    return std::ranges::all_of(word, [](QChar c) {
        return c.unicode() < 0x80 && (c.isLetterOrNumber() || QStringView(u"_.,+-").contains(c));
    });
}

using CommandLine::Refusal;

// The settings the options ask for, from the dialog's start values, or why they cannot be used.
std::variant<SheetSettings, Refusal> settingsFrom(const ArgumentReader &read)
{
    SheetSettings settings = SheetSettings::atStart();
    if (read.isSet(u"operators")) {
        const QString operators = read.value(u"operators");
        if (operators.isEmpty())
            return Refusal{2, Messages::noOperator()};
        settings.ticks = {};
        const QList<uint> characters = operators.toUcs4(); // whole characters, beyond 16 bits too
        for (const char32_t c : characters) {
            const int index = Operators::optionIndex(c);
            if (index < 0)
                return Refusal{2, Messages::notAnOperator(QString::fromUcs4(&c, 1))};
            settings.ticks[size_t(index)] = true;
        }
    }

    if (read.isSet(u"digits")) {
        const QString digits = read.value(u"digits");
        const QStringList counts = digits.split(u',');
        if (counts.size() != 2)
            return Refusal{2, Messages::notTwoCounts(digits)};
        QStringList limited;
        for (const QString &count : counts) {
            const std::optional<QString> number = Numbers::numberOnly(count);
            if (!number)
                return Refusal{2, Messages::countNotANumber(count)};
            // As the digit boxes make it the moment it is typed.
            limited.append(SheetPlanner::limitedDigitCount(*number));
        }
        settings.firstCount = limited[0];
        settings.secondCount = limited[1];
    }

    if (read.isSet(u"time")) {
        const QString time = read.value(u"time");
        const std::optional<QString> seconds = Numbers::numberOnly(time);
        if (!seconds)
            return Refusal{2, Messages::timeNotANumber(time)};
        settings.fixedTime = true;
        settings.fixedSeconds = *seconds;
    }
    return settings;
}

} // namespace

bool CommandLine::wanted(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(u"--") || arguments[i] == u"-h")
            return true;
    }
    return false;
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
    if (!read.positional().isEmpty())
        return Refusal{2, Messages::strayArgument(read.positional().first())};

    PrintRequest request;
    request.file = read.value(u"pdf");
    request.printer = read.value(u"printer");
    if (request.file.isEmpty() == request.printer.isEmpty())
        return Refusal{2, request.file.isEmpty() ? Messages::noFile() : Messages::fileAndPrinter()};

    if (read.isSet(u"sheets")) {
        const QString sheets = read.value(u"sheets");
        const std::optional<std::uint32_t> count = wholeNumber(sheets);
        if (!count || *count < 1 || *count > mostSheets)
            return Refusal{2, Messages::sheetsOutOfRange(sheets, mostSheets)};
        request.job.sheets = int(*count);
    }
    if (read.isSet(u"seed")) {
        request.seed = wholeNumber(read.value(u"seed"));
        if (!request.seed)
            return Refusal{2, Messages::seedOutOfRange(read.value(u"seed"))};
    }
    request.job.answers = !read.isSet(u"no-answers");

    auto settings = settingsFrom(read);
    if (auto *refusal = std::get_if<Refusal>(&settings))
        return *refusal;
    request.settings = std::get<SheetSettings>(settings);
    try {
        // Never nothing: the options above always tick an operator.
        request.job.source = SheetSource::plain(SheetPlanner::plan(request.settings).value());
    } catch (const SettingsError &error) {
        return Refusal{2, Messages::settings(error)};
    }
    // The window would hand such a sheet in at once; on paper it would read 00:00 or less.
    if (request.job.source.seconds() < 1) {
        if (request.settings.fixedTime)
            return Refusal{2, Messages::timeBelowOneSecond(request.settings.fixedSeconds)};
        return Refusal{2,
                       Messages::computedTimeTooShort(request.settings.firstCount, request.settings.secondCount,
                                                      request.job.source.seconds())};
    }
    return request;
}

QString CommandLine::helpText()
{
    const SheetSettings start = SheetSettings::atStart();
    const QString most = QString::number(SheetPlanner::largestDigitCount);
    return QStringLiteral(
                   "用法：sumora                 打开练习窗口\n"
                   "      sumora --pdf 文件 [选项]  把练习卷印成 A4 的 PDF 文件，不开窗口，也不需要显示\n"
                   "      sumora --printer 队列 [选项]  把练习卷直接交给这个打印队列（CUPS），不开窗口\n"
                   "\n"
                   "选项：\n"
                   "  --pdf 文件        写到这个文件；写成之前，同名的旧文件保持原样；- 是标准输出\n"
                   "  --printer 队列    交给这个打印队列（lpstat -p 列出的名字），不等打印完\n"
                   "  --sheets N        卷子张数，1 到 %1（默认 %2）；每页两张，最后是答案页\n"
                   "  --operators 运算  %3中的一个或几个（默认 %4）\n"
                   "  --digits A,B      两个数的位数，同设置窗口的“出题位数”：大于 %5 按 %5，0 表示三位数对一位数"
                   "（默认 %6,%7）\n"
                   "  --time 秒数       固定的做题用时；不给时按运算和位数算出\n"
                   "  --seed S          随机种子，0 到 %8：种子和选项相同，卷子就相同；"
                   "不给时每次不同，用到的种子印在每一页上\n"
                   "  --no-answers      不印答案页\n"
                   "  -h, --help        显示这段说明\n"
                   "  --version         显示版本\n"
                   "\n"
                   "退出状态：0 写成或交给了打印队列；1 文件、打印作业或说明写不出；2 选项有误。\n")
            .arg(QString::number(mostSheets), QString::number(PrintJob().sheets), CommandLineMessages::operatorChoice(),
                 SheetPlanner::plan(start).value().operatorSet, most, start.firstCount, start.secondCount,
                 QString::number(std::numeric_limits<std::uint32_t>::max()));
}

QString CommandLine::versionText()
{
    return QStringLiteral("sumora " SUMORA_VERSION "\n");
}

QString CommandLine::reprintCommand(const PrintRequest &request, std::uint32_t seed)
{
    const bool toPrinter = !request.printer.isEmpty();
    QString name = toPrinter ? request.printer : QFileInfo(request.file).fileName();
    if (!plainWord(name))
        name = u'\'' + name.replace(QStringLiteral("'"), QStringLiteral("'\\''")) + u'\'';
    // One arg() call: a file name may itself hold "%1".
    QString command = QStringLiteral("sumora %1 %2 --sheets %3 --operators %4 --digits %5,%6")
                              .arg(toPrinter ? QStringLiteral("--printer") : QStringLiteral("--pdf"), name,
                                   QString::number(request.job.sheets), request.job.source.plan().operatorSet,
                                   request.settings.firstCount, request.settings.secondCount);
    if (request.settings.fixedTime)
        command += QStringLiteral(" --time ") + request.settings.fixedSeconds;
    command += QStringLiteral(" --seed %1").arg(seed);
    if (!request.job.answers)
        command += QStringLiteral(" --no-answers");
    return command;
}
