// What the command line tells its user about arguments it cannot use: each one sentence in Chinese.
#include "messages/commandlinemessages.h"

#include "messages/errortexts.h"
#include "messages/quoting.h"
#include "shared/operators.h"
#include "sheet/settingserror.h"
#include "units/unit.h"

#include <QStringView>

#include <cstdint>
#include <limits>

using Quoting::quoted;

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

QString CommandLineMessages::sheetsOutOfRange(QStringView value, int most)
{
    // One arg() call a message: a quoted value may itself hold "%1".
    return QStringLiteral("--sheets 要 1 到 %1 之间的整数；%2不是。").arg(QString::number(most), quoted(value));
}

QString CommandLineMessages::seedOutOfRange(QStringView value)
{
    return QStringLiteral("--seed 要 0 到 %1 之间的整数；%2不是。")
            .arg(QString::number(std::numeric_limits<std::uint32_t>::max()), quoted(value));
}

QString CommandLineMessages::perPageNotAChoice(QStringView value, QStringView choices)
{
    return QStringLiteral("--per-page 只能是 %1；%2不是。").arg(choices, quoted(value));
}

QString CommandLineMessages::maxNumberOutOfRange(QStringView value)
{
    return QStringLiteral("--max-number 要 1 到 %1 之间的整数；%2不是。")
            .arg(QString::number(std::numeric_limits<std::uint32_t>::max()), quoted(value));
}

QString CommandLineMessages::notARegroup(QStringView value, QStringView choices)
{
    return QStringLiteral("--regroup 只能是 %1；%2不是。").arg(choices, quoted(value));
}

QString CommandLineMessages::unitWithPlainOption(QStringView option)
{
    return QStringLiteral("--unit 不能和 %1 同用：单元自己定了运算、位数和进位退位。").arg(option);
}

QString CommandLineMessages::notAUnit(QStringView id)
{
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

QString CommandLineMessages::noOperator()
{
    return QStringLiteral("--operators 至少要有一个运算符：%1。").arg(operatorChoice());
}

QString CommandLineMessages::notAnOperator(QStringView character)
{
    return QStringLiteral("--operators 里的%1不是运算符：只能用 %2。").arg(quoted(character), operatorChoice());
}

QString CommandLineMessages::notTwoCounts(QStringView value)
{
    return QStringLiteral("--digits 要两个数，用逗号隔开，例如 2,1；%1不是。").arg(quoted(value));
}

QString CommandLineMessages::countNotANumber(QStringView value)
{
    return QStringLiteral("--digits 里的%1不是数。").arg(quoted(value));
}

QString CommandLineMessages::timeNotANumber(QStringView value)
{
    return QStringLiteral("--time 的%1不是秒数。").arg(quoted(value));
}

QString CommandLineMessages::timeBelowOneSecond(QStringView value)
{
    return QStringLiteral("--time 的%1不到 1 秒。").arg(quoted(value));
}

QString CommandLineMessages::computedTimeTooShort(QStringView firstCount, QStringView secondCount, int seconds)
{
    return QStringLiteral("按“--digits %1,%2”算出的做题用时是 %3 秒，印不上卷子：请用 --time 给出限时。")
            .arg(firstCount, secondCount, QString::number(seconds));
}

QString CommandLineMessages::settings(const SettingsError &error)
{
    const QString option =
            error.box() == SettingsError::Box::FixedTime ? QStringLiteral("--time") : QStringLiteral("--digits");
    // The dialog's message, whose two lines are two sentences.
    return option + QStringLiteral("：") + ErrorTexts::settings(error).remove(u'\n');
}

QString CommandLineMessages::outputFailed()
{
    return QStringLiteral("无法写入标准输出。");
}
