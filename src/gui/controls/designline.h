// A solid straight line of a window's design, drawn by a child widget that takes no input.
#pragma once

#include <QColor>
#include <QWidget>

class DesignLine : public QWidget
{
    Q_OBJECT

public:
    // A horizontal line from x1 to x2 at y, in pixels of the parent, width pixels thick.
    DesignLine(QWidget *parent, int x1, int x2, int y, int width, const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
};
