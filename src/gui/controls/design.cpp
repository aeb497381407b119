// What the two windows' design tables share: twips to a window's pixels, and the colours of a control.
#include "controls/design.h"

#include "shared/twips.h"

#include <QRect>
#include <QWidget>

int Design::pixels(const QWidget *window, double twips)
{
    return Twips::toPixels(twips, window->logicalDpiY());
}

QRect Design::pixelRect(const QWidget *window, double left, double top, double width, double height)
{
    return {pixels(window, left), pixels(window, top), pixels(window, width), pixels(window, height)};
}

void Design::setColor(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

void Design::setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
