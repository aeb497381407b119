// A setting of the options dialog that the sheet builder cannot use, with the message that says why.
#include "practice/settingserror.h"

namespace {
// A pasted text can be very long; the message quotes its start only.
QString quoted(const QString &value)
{
    constexpr qsizetype shown = 24;
    const QString start = value.size() > shown ? value.first(shown) + u'…' : value;
    return u'“' + start + u'”';
}
} // namespace

SettingsError::SettingsError(Box box, const QString &value)
    : std::runtime_error("setting out of range")
    , m_box(box)
    , m_value(value)
{
}

QString SettingsError::text() const
{
    switch (m_box) {
    case Box::FirstCount:
        return QStringLiteral("“出题位数”的第一个框填的是%1，超出了范围。\n请填写 -32768 到 2 之间的数。")
            .arg(quoted(m_value));
    case Box::SecondCount:
        return QStringLiteral("“出题位数”的第二个框填的是%1，超出了范围。\n请填写 -32768 到 2 之间的数。")
            .arg(quoted(m_value));
    case Box::DigitCounts:
        return QStringLiteral("按“出题位数”%1算出的做题用时超出了 -32768 到 32767 秒的范围。\n"
                              "请把两个出题位数改为 0 到 2 之间的数。")
            .arg(quoted(m_value));
    case Box::FixedTime:
        return QStringLiteral("“做题用时”填的是%1，超出了范围。\n请填写 -32768 到 32767 之间的秒数。")
            .arg(quoted(m_value));
    }
    return {};
}
