// The program's own command-line options: printed sheets, help and version.
#include "app/commandline.h"

#include "shared/operators.h"
#include "sheet/errortexts.h"
#include "sheet/settingserror.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <array>
#include <limits>

namespace {

constexpr int mostSheets = 1000;

// The dialog's start values: "加" and "减" ticked, both digit boxes "1", no fixed time.
constexpr char16_t defaultOperators[] = u"＋－";
constexpr char16_t defaultDigits[] = u"1,1";

// A whole text that reads as a number: what the leading-number rule would read, with nothing left over.
bool isNumber(const QString &text)
{
    static const QRegularExpression number(
            QStringLiteral(R"(^[ \t\n]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t\n]*$)"));
    return number.match(text).hasMatch();
}

// ASCII digits only, and no more than fits in 32 bits.
std::optional<std::uint32_t> wholeNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral(R"(^[0-9]{1,10}$)"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const qulonglong value = text.toULongLong();
    if (value > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return std::uint32_t(value);
}

// The four symbols in the options' order, and the ASCII forms a keyboard has.
std::optional<size_t> operatorIndex(QChar c)
{
    static const std::array<QString, 4> forms{QStringLiteral("＋+"), QStringLiteral("－-"), QStringLiteral("×x*"),
                                              QStringLiteral("÷/")};
    for (size_t i = 0; i < forms.size(); ++i) {
        if (forms[i].contains(c))
            return i;
    }
    return std::nullopt;
}

// The option a settings box stands for on the command line.
QString optionFor(SettingsError::Box box)
{
    return box == SettingsError::Box::FixedTime ? QStringLiteral("--time") : QStringLiteral("--digits");
}

// QCommandLineParser's own errors, in Chinese; it names the option in quotes.
QString parserError(const QCommandLineParser &parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString &name = unknown.first();
        return QStringLiteral("未知的选项“%1”。")
                .arg((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    }
    static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
    QString text = parser.errorText();
    const QString option = quoted.match(text).captured(1);
    if (text.startsWith(QLatin1String("Missing value")))
        return QStringLiteral("选项 %1 后面缺少值。").arg(option);
    if (text.startsWith(QLatin1String("Unexpected value")))
        return QStringLiteral("选项 %1 不带值。").arg(option);
    return text;
}

using CommandLine::Refusal;

// The settings the options ask for, or why they cannot be used.
std::variant<SheetSettings, Refusal> settingsFrom(const QCommandLineParser &parser)
{
    SheetSettings settings;
    const QString operators = parser.isSet(QStringLiteral("operators")) ? parser.value(QStringLiteral("operators"))
                                                                        : QString::fromUtf16(defaultOperators);
    if (operators.isEmpty())
        return Refusal{2, QStringLiteral("--operators 至少要有一个运算符：＋－×÷（或 + - x * /）。")};
    std::array<bool *, 4> ticks{&settings.add, &settings.subtract, &settings.multiply, &settings.divide};
    for (const QChar c : operators) {
        const std::optional<size_t> index = operatorIndex(c);
        if (!index)
            return Refusal{2, QStringLiteral("--operators 里的“%1”不是运算符：只能用 ＋－×÷（或 + - x * /）。").arg(c)};
        *ticks[*index] = true;
    }

    const QString digits = parser.isSet(QStringLiteral("digits")) ? parser.value(QStringLiteral("digits"))
                                                                  : QString::fromUtf16(defaultDigits);
    const QStringList counts = digits.split(u',');
    if (counts.size() != 2)
        return Refusal{2, QStringLiteral("--digits 要两个数，用逗号隔开，例如 2,1；“%1”不是。").arg(digits)};
    for (const QString &count : counts) {
        if (!isNumber(count))
            return Refusal{2, QStringLiteral("--digits 里的“%1”不是数。").arg(count)};
    }
    // As the digit boxes make it the moment it is typed.
    settings.firstCount = SheetPlanner::limitedDigitCount(counts[0].trimmed());
    settings.secondCount = SheetPlanner::limitedDigitCount(counts[1].trimmed());

    if (parser.isSet(QStringLiteral("time"))) {
        const QString time = parser.value(QStringLiteral("time"));
        if (!isNumber(time))
            return Refusal{2, QStringLiteral("--time 的“%1”不是秒数。").arg(time)};
        settings.fixedTime = true;
        settings.fixedSeconds = time.trimmed();
    }
    return settings;
}

} // namespace

bool CommandLine::wanted(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(QLatin1String("--")))
            return true;
    }
    return false;
}

CommandLine::Outcome CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOptions({
            {QStringLiteral("pdf"), QString(), QStringLiteral("FILE")},
            {QStringLiteral("sheets"), QString(), QStringLiteral("N")},
            {QStringLiteral("operators"), QString(), QStringLiteral("OPS")},
            {QStringLiteral("digits"), QString(), QStringLiteral("A,B")},
            {QStringLiteral("time"), QString(), QStringLiteral("SECONDS")},
            {QStringLiteral("seed"), QString(), QStringLiteral("S")},
            {QStringLiteral("no-answers"), QString()},
            {QStringLiteral("help"), QString()},
            {QStringLiteral("version"), QString()},
    });
    if (!parser.parse(arguments))
        return Refusal{2, parserError(parser)};
    if (parser.isSet(QStringLiteral("help")))
        return Info::Help;
    if (parser.isSet(QStringLiteral("version")))
        return Info::Version;
    const QStringList stray = parser.positionalArguments();
    if (!stray.isEmpty())
        return Refusal{2, QStringLiteral("多余的参数“%1”。").arg(stray.first())};

    PrintRequest request;
    request.file = parser.value(QStringLiteral("pdf"));
    if (request.file.isEmpty())
        return Refusal{2, QStringLiteral("请用 --pdf 文件 说明练习卷写到哪里（sumora --help 有全部选项）。")};

    if (parser.isSet(QStringLiteral("sheets"))) {
        const QString sheets = parser.value(QStringLiteral("sheets"));
        const std::optional<std::uint32_t> count = wholeNumber(sheets);
        if (!count || *count < 1 || *count > mostSheets)
            return Refusal{2, QStringLiteral("--sheets 要 1 到 %1 之间的整数；“%2”不是。").arg(mostSheets).arg(sheets)};
        request.sheets = int(*count);
    }
    if (parser.isSet(QStringLiteral("seed"))) {
        request.seed = wholeNumber(parser.value(QStringLiteral("seed")));
        if (!request.seed)
            return Refusal{2,
                           QStringLiteral("--seed 要 0 到 4294967295 之间的整数；“%1”不是。")
                                   .arg(parser.value(QStringLiteral("seed")))};
    }
    request.answers = !parser.isSet(QStringLiteral("no-answers"));

    auto settings = settingsFrom(parser);
    if (auto *refusal = std::get_if<Refusal>(&settings))
        return *refusal;
    request.settings = std::get<SheetSettings>(settings);
    try {
        // Never nothing: the options above always tick an operator.
        request.plan = SheetPlanner::plan(request.settings).value();
    } catch (const SettingsError &error) {
        // The dialog's message, on one line.
        return Refusal{2, optionFor(error.box()) + QStringLiteral("：") + ErrorTexts::settings(error).remove(u'\n')};
    }
    // The window would hand such a sheet in at once; on paper it would read 00:00 or less.
    if (request.plan.seconds < 1) {
        if (request.settings.fixedTime)
            return Refusal{2, QStringLiteral("--time 的“%1”不到 1 秒。").arg(request.settings.fixedSeconds)};
        return Refusal{2,
                       QStringLiteral("按 --digits %1,%2 算出的做题用时是 %3 秒，印不上卷子：请用 --time 给出限时。")
                               .arg(request.settings.firstCount, request.settings.secondCount)
                               .arg(request.plan.seconds)};
    }
    return request;
}

QString CommandLine::helpText()
{
    return QStringLiteral("用法：sumora                 打开练习窗口\n"
                          "      sumora --pdf 文件 [选项]  把练习卷印成 A4 的 PDF 文件，不开窗口，也不需要显示\n"
                          "\n"
                          "选项：\n"
                          "  --pdf 文件        写到这个文件；写成之前，同名的旧文件保持原样\n"
                          "  --sheets N        卷子张数，1 到 1000（默认 1）；每页两张，最后是答案页\n"
                          "  --operators 运算  ＋－×÷ 中的一个或几个，也可写作 + - x * /（默认 ＋－）\n"
                          "  --digits A,B      两个数的位数，同设置窗口的“出题位数”：大于 2 按 2，0 表示三位数对一位数"
                          "（默认 1,1）\n"
                          "  --time 秒数       固定的做题用时；不给时按运算和位数算出\n"
                          "  --seed S          随机种子，0 到 4294967295：种子和选项相同，卷子就相同；"
                          "不给时每次不同，用到的种子印在每一页上\n"
                          "  --no-answers      不印答案页\n"
                          "  --help            显示这段说明\n"
                          "  --version         显示版本\n"
                          "\n"
                          "退出状态：0 写成；1 文件写不成；2 选项有误。\n");
}

QString CommandLine::versionText()
{
    return QStringLiteral("sumora " SUMORA_VERSION "\n");
}

QString CommandLine::reprintCommand(const PrintRequest &request, std::uint32_t seed)
{
    QString name = QFileInfo(request.file).fileName();
    static const QRegularExpression plain(QStringLiteral(R"(^[\w.,+-]+$)"));
    if (!plain.match(name).hasMatch())
        name = u'\'' + name.replace(QStringLiteral("'"), QStringLiteral("'\\''")) + u'\'';
    // One arg() call: a file name may itself hold "%1".
    QString command = QStringLiteral("sumora --pdf %1 --sheets %2 --operators %3 --digits %4,%5")
                              .arg(name, QString::number(request.sheets), request.plan.operatorSet,
                                   request.settings.firstCount, request.settings.secondCount);
    if (request.settings.fixedTime)
        command += QStringLiteral(" --time ") + request.settings.fixedSeconds;
    command += QStringLiteral(" --seed %1").arg(seed);
    if (!request.answers)
        command += QStringLiteral(" --no-answers");
    return command;
}
