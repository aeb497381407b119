// A solid straight line of a window's design, drawn by a child widget that takes no input.
#include "controls/designline.h"

#include <QPainter>

DesignLine::DesignLine(QWidget *parent, int x1, int x2, int y, int width, const QColor &color)
    : QWidget(parent)
    , m_color(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The pen is centred on the line's y, as a line of the design is.
    setGeometry(x1, y - width / 2, x2 - x1, width);
}

void DesignLine::paintEvent(QPaintEvent * /*event*/)
{
    QPainter(this).fillRect(rect(), m_color);
}
