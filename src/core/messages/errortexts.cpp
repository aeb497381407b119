// What the program tells the learner about an error, in Chinese: in a window or on the command line.
#include "messages/errortexts.h"

#include "messages/quoting.h"
#include "shared/runtimeerror.h"
#include "sheet/settingserror.h"
#include "sheet/sheetplan.h"

#include <QString>

#include <limits>

namespace {

// The range of the program's whole numbers (16 bits), which settings pass through on the way to a sheet.
constexpr int smallest = std::numeric_limits<qint16>::min();
constexpr int largest = std::numeric_limits<qint16>::max();

} // namespace

QString ErrorTexts::settings(const SettingsError &error)
{
    const QStringList &values = error.values();
    // A pasted text can be very long: the messages quote its start only. One arg() call a message: a quoted value
    // may itself hold "%1".
    const QString first = Quoting::quotedStart(values.value(0));
    const QString from = QString::number(smallest);
    const QString to = QString::number(largest);
    const QString most = QString::number(SheetPlanner::largestDigitCount);
    const auto digitCount = [&](const QString &which) {
        return QStringLiteral("“出题位数”的%1框填的是%2，超出了范围。\n请填写 %3 到 %4 之间的数。")
                .arg(which, first, from, most);
    };
    switch (error.box()) {
    case SettingsError::Box::FirstCount:
        return digitCount(QStringLiteral("第一个"));
    case SettingsError::Box::SecondCount:
        return digitCount(QStringLiteral("第二个"));
    case SettingsError::Box::DigitCounts:
        return QStringLiteral("按“出题位数”%1与%2算出的做题用时超出了 %3 到 %4 秒的范围。\n"
                              "请把两个出题位数改为 0 到 %5 之间的数。")
                .arg(first, Quoting::quotedStart(values.value(1)), from, to, most);
    case SettingsError::Box::FixedTime:
        return QStringLiteral("“做题用时”填的是%1，超出了范围。\n请填写 %2 到 %3 之间的秒数。").arg(first, from, to);
    }
    return {};
}

QString ErrorTexts::runtime(const RuntimeError &error)
{
    switch (error.kind()) {
    case RuntimeError::Kind::Overflow:
        return QStringLiteral("数值溢出：计算结果超出了程序能处理的范围。");
    case RuntimeError::Kind::DivisionByZero:
        return QStringLiteral("除数为零。");
    case RuntimeError::Kind::InvalidCall:
        return QStringLiteral("无效的过程调用或参数。");
    }
    return QStringLiteral("运行时错误。");
}

QString ErrorTexts::settingsTitle()
{
    return QStringLiteral("设置有误");
}

QString ErrorTexts::runtimeLine(const QString &reason)
{
    return QStringLiteral("运行时错误：") + reason;
}

QString ErrorTexts::programEnds()
{
    return QStringLiteral("程序将要结束。");
}
