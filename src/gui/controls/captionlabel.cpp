// A label that sizes itself to its caption, as every label of the program's windows does.
#include "controls/captionlabel.h"

#include <QEvent>
#include <QFontMetrics>

CaptionLabel::CaptionLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMargin(0);
    setIndent(0);
}

void CaptionLabel::setCaption(const QString &caption)
{
    setText(caption);
    fitToText();
}

void CaptionLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !text().isEmpty())
        fitToText();
}

void CaptionLabel::fitToText()
{
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(text()), metrics.height());
}
