// How a message quotes what the user typed or named: in “”, and on one line whatever the value holds.
#include "messages/quoting.h"

#include <QString>
#include <QStringView>

QString Quoting::quoted(QStringView value)
{
    QString text(u'“');
    for (const QChar c : value) {
        const char16_t code = c.unicode();
        if (code == u'\n')
            text += QStringLiteral("\\n");
        else if (code == u'\t')
            text += QStringLiteral("\\t");
        else if (code == u'\r')
            text += QStringLiteral("\\r");
        else if (c.category() == QChar::Other_Control) // C0, DEL and C1: two hex digits
            text += QStringLiteral("\\x%1").arg(int(code), 2, 16, QChar(u'0'));
        else if (code == 0x2028 || code == 0x2029) // the line and paragraph separators break a line too
            text += QStringLiteral("\\u%1").arg(int(code), 4, 16, QChar(u'0'));
        else
            text += c;
    }
    return text + u'”';
}

QString Quoting::quotedStart(QStringView value)
{
    constexpr qsizetype shown = 24;
    if (value.size() <= shown)
        return quoted(value);
    QString text = quoted(value.first(shown));
    return text.insert(text.size() - 1, u'…'); // inside the closing quote
}
