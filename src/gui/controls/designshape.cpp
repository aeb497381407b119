// A rounded rectangle of a window's design, filled and outlined, drawn behind the controls over it.
#include "controls/designshape.h"

#include <QPainter>

DesignShape::DesignShape(QWidget *parent, const QRect &geometry, const QColor &fill, const QColor &outline,
                         int outlineWidth)
    : QWidget(parent)
    , m_fill(fill)
    , m_outline(outline)
    , m_outlineWidth(outlineWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(geometry);
}

void DesignShape::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_outline, m_outlineWidth));
    painter.setBrush(m_fill);
    const qreal inset = m_outlineWidth / 2.0;
    // Corners of a quarter of the height: clearly rounded, still a box.
    const qreal radius = height() / 4.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), radius, radius);
}
