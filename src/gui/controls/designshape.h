// A rounded rectangle of a window's design, filled and outlined, drawn behind the controls over it.
#pragma once

#include <QColor>
#include <QWidget>

class DesignShape : public QWidget
{
    Q_OBJECT

public:
    DesignShape(QWidget *parent, const QRect &geometry, const QColor &fill, const QColor &outline, int outlineWidth);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QColor m_outline;
    int m_outlineWidth;
};
