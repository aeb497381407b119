// What the program tells the learner about an error, in Chinese: in a window or on the command line.
#include "sheet/errortexts.h"

#include "shared/runtimeerror.h"
#include "sheet/settingserror.h"

#include <QString>

namespace {

// A pasted text can be very long; the message quotes its start only.
QString quoted(const QString &value)
{
    constexpr qsizetype shown = 24;
    const QString start = value.size() > shown ? value.first(shown) + u'…' : value;
    return u'“' + start + u'”';
}

} // namespace

QString ErrorTexts::settings(const SettingsError &error)
{
    const QStringList &values = error.values();
    const QString first = quoted(values.value(0));
    switch (error.box()) {
    case SettingsError::Box::FirstCount:
        return QStringLiteral("“出题位数”的第一个框填的是%1，超出了范围。\n请填写 -32768 到 2 之间的数。").arg(first);
    case SettingsError::Box::SecondCount:
        return QStringLiteral("“出题位数”的第二个框填的是%1，超出了范围。\n请填写 -32768 到 2 之间的数。").arg(first);
    case SettingsError::Box::DigitCounts:
        return QStringLiteral("按“出题位数”%1与%2算出的做题用时超出了 -32768 到 32767 秒的范围。\n"
                              "请把两个出题位数改为 0 到 2 之间的数。")
                .arg(first, quoted(values.value(1)));
    case SettingsError::Box::FixedTime:
        return QStringLiteral("“做题用时”填的是%1，超出了范围。\n请填写 -32768 到 32767 之间的秒数。").arg(first);
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
