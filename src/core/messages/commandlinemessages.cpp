// What the command line tells its user about arguments it cannot use: each one sentence in Chinese.
#include "messages/commandlinemessages.h"

#include "messages/errortexts.h"
#include "messages/quoting.h"
#include "shared/operators.h"
#include "sheet/settingserror.h"
#include "units/unit.h"

#include <QStringView>

#include <array>
#include <cstdint>
#include <limits>

using CommandLineMessages::Wording;
using Quoting::quoted;

namespace {

struct ControlName
{
    QStringView option;
    QStringView control; // the print window's label for the control that holds the option's value
};

// clang-format off
constexpr std::array<ControlName, 9> controlNames{{
        {u"sheets", u"张数"}, {u"seed", u"种子"}, {u"per-page", u"每页张数"}, {u"operators", u"运算"},
        {u"digits", u"位数"}, {u"max-number", u"最大数"}, {u"regroup", u"进位退位"}, {u"time", u"限时"},
        {u"unit", u"单元"},
}};
// clang-format on

// The option as a sentence's subject, before Chinese text: "--sheets " (a blank after the ASCII name) or "张数".
QString subject(QStringView option, Wording wording)
{
    const QString name = CommandLineMessages::optionName(option, wording);
    return wording == Wording::Option ? name + u' ' : name;
}

} // namespace

QString CommandLineMessages::optionName(QStringView option, Wording wording)
{
    if (wording == Wording::Control) {
        for (const ControlName &named : controlNames) {
            if (named.option == option)
                return named.control.toString();
        }
    }
    return QStringLiteral("--") + option.toString();
}

QString CommandLineMessages::operatorChoice()
{
    QString symbols;
    QString forms;
    for (size_t i = 0; i < Operators::inOptionOrder.size(); ++i) {
        symbols += QChar(Operators::inOptionOrder[i]);
        for (const char16_t form : Operators::asciiInOptionOrder[i])
            // A bare * on a shell's command line becomes the names of the files around it.
            forms += (form == u'*' ? QStringLiteral(" '*'") : QStringLiteral(" ") + QChar(form));
    }
    return symbols + QStringLiteral("（或") + forms + QStringLiteral("）");
}

QString CommandLineMessages::alternatives(const QStringList &values)
{
    if (values.size() < 2)
        return values.join(QString());
    return values.first(values.size() - 1).join(u'、') + QStringLiteral(" 或 ") + values.last();
}

QString CommandLineMessages::notUtf8(QStringView argument)
{
    return QStringLiteral("参数%1不是有效的 UTF-8：程序无法照原样使用它，请改用 UTF-8 编码的名字。")
            .arg(quoted(argument));
}

QString CommandLineMessages::unknownOption(QStringView option)
{
    return QStringLiteral("未知的选项%1。").arg(quoted(option));
}

QString CommandLineMessages::missingValue(QStringView option)
{
    return QStringLiteral("选项 %1 后面缺少值。").arg(option);
}

QString CommandLineMessages::unexpectedValue(QStringView option)
{
    return QStringLiteral("选项 %1 不带值。").arg(option);
}

QString CommandLineMessages::strayArgument(QStringView argument)
{
    return QStringLiteral("多余的参数%1。").arg(quoted(argument));
}

QString CommandLineMessages::noFile()
{
    return QStringLiteral("请用 --pdf 文件 或 --printer 队列 说明练习卷印到哪里（sumora --help 有全部选项）。");
}

QString CommandLineMessages::fileAndPrinter()
{
    return QStringLiteral("--pdf 和 --printer 只能选一个：练习卷要么写成文件，要么交给打印队列。");
}

QString CommandLineMessages::printWithDestination()
{
    return QStringLiteral("--print 不能和 --pdf 或 --printer 同用：--print 打开窗口，印到哪里在窗口里选。");
}

QString CommandLineMessages::sheetsOutOfRange(QStringView value, int most, Wording wording)
{
    // One arg() call a message: a quoted value may itself hold "%1".
    return QStringLiteral("%1要 1 到 %2 之间的整数；%3不是。")
            .arg(subject(u"sheets", wording), QString::number(most), quoted(value));
}

QString CommandLineMessages::seedOutOfRange(QStringView value, Wording wording)
{
    return QStringLiteral("%1要 0 到 %2 之间的整数；%3不是。")
            .arg(subject(u"seed", wording), QString::number(std::numeric_limits<std::uint32_t>::max()), quoted(value));
}

QString CommandLineMessages::perPageNotAChoice(QStringView value, QStringView choices, Wording wording)
{
    return QStringLiteral("%1只能是 %2；%3不是。").arg(subject(u"per-page", wording), choices, quoted(value));
}

QString CommandLineMessages::maxNumberOutOfRange(QStringView value, Wording wording)
{
    return QStringLiteral("%1要 1 到 %2 之间的整数；%3不是。")
            .arg(subject(u"max-number", wording), QString::number(std::numeric_limits<std::uint32_t>::max()),
                 quoted(value));
}

QString CommandLineMessages::notARegroup(QStringView value, QStringView choices, Wording wording)
{
    // The window's choices are Chinese words, which take no blank before them.
    const QString template_ = wording == Wording::Option ? QStringLiteral("%1只能是 %2；%3不是。")
                                                         : QStringLiteral("%1只能是%2；%3不是。");
    return template_.arg(subject(u"regroup", wording), choices, quoted(value));
}

QString CommandLineMessages::unitWithPlainOption(QStringView option, Wording wording)
{
    if (wording == Wording::Control)
        return QStringLiteral("单元不能和%1同用：单元自己定了运算、位数和进位退位。").arg(optionName(option, wording));
    return QStringLiteral("--unit 不能和 %1 同用：单元自己定了运算、位数和进位退位。").arg(optionName(option, wording));
}

QString CommandLineMessages::notAUnit(QStringView id, Wording wording)
{
    if (wording == Wording::Control)
        return QStringLiteral("单元里的%1不是单元：请从单元列表里选。").arg(quoted(id));
    return QStringLiteral("--unit 里的%1不是单元：sumora --units 列出全部单元。").arg(quoted(id));
}

QString CommandLineMessages::emptyOperators(const QStringList &symbols, QStringView conditions)
{
    QStringList named;
    for (const QString &symbol : symbols)
        named.append(quoted(symbol));
    return QStringLiteral("按%1，%2一道题也出不了：请放宽条件，或者不选出不了题的运算。")
            .arg(quoted(conditions), named.join(u'、'));
}

QString CommandLineMessages::emptyUnits(const QList<const Unit *> &units, QStringView conditions)
{
    QStringList named;
    for (const Unit *unit : units)
        named.append(QStringLiteral("单元%1（%2）").arg(quoted(QString(unit->id)), unit->name));
    return QStringLiteral("按%1，%2一道题也出不了：请放宽条件，或者不选出不了题的单元。")
            .arg(quoted(conditions), named.join(u'、'));
}

QString CommandLineMessages::noOperator(Wording wording)
{
    return QStringLiteral("%1至少要有一个运算符：%2。").arg(subject(u"operators", wording), operatorChoice());
}

QString CommandLineMessages::notAnOperator(QStringView character, Wording wording)
{
    return QStringLiteral("%1里的%2不是运算符：只能用 %3。")
            .arg(subject(u"operators", wording), quoted(character), operatorChoice());
}

QString CommandLineMessages::notTwoCounts(QStringView value, Wording wording)
{
    return QStringLiteral("%1要两个数，用逗号隔开，例如 2,1；%2不是。").arg(subject(u"digits", wording), quoted(value));
}

QString CommandLineMessages::countNotANumber(QStringView value, Wording wording)
{
    return QStringLiteral("%1里的%2不是数。").arg(subject(u"digits", wording), quoted(value));
}

QString CommandLineMessages::timeNotANumber(QStringView value, Wording wording)
{
    return QStringLiteral("%1的%2不是秒数。").arg(subject(u"time", wording), quoted(value));
}

QString CommandLineMessages::timeBelowOneSecond(QStringView value, Wording wording)
{
    return QStringLiteral("%1的%2不到 1 秒。").arg(subject(u"time", wording), quoted(value));
}

QString CommandLineMessages::computedTimeTooShort(QStringView firstCount, QStringView secondCount, int seconds,
                                                  Wording wording)
{
    // The window's time box is beside the message.
    const QString remedy =
            wording == Wording::Option ? QStringLiteral("请用 --time 给出限时。") : QStringLiteral("请给出限时。");
    return QStringLiteral("按“%1 %2,%3”算出的做题用时是 %4 秒，印不上卷子：%5")
            .arg(optionName(u"digits", wording), firstCount, secondCount, QString::number(seconds), remedy);
}

QString CommandLineMessages::settings(const SettingsError &error, Wording wording)
{
    const QString option = optionName(error.box() == SettingsError::Box::FixedTime ? u"time" : u"digits", wording);
    // The dialog's message, whose two lines are two sentences.
    return option + QStringLiteral("：") + ErrorTexts::settings(error).remove(u'\n');
}

QString CommandLineMessages::outputFailed()
{
    return QStringLiteral("无法写入标准输出。");
}
