// How a message quotes what the user typed or named: in “”, and on one line whatever the value holds.
#include "messages/quoting.h"

#include <QString>
#include <QStringView>

QString Quoting::quoted(QStringView value)
{
    QString text(u'“');
    for (const QChar c : value) {
        if (c == u'\n')
            text += QStringLiteral("\\n");
        else if (c == u'\t')
            text += QStringLiteral("\\t");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            text += QStringLiteral("\\x%1").arg(int(c.unicode()), 2, 16, QChar(u'0'));
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
