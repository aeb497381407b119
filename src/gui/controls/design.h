// What the two windows' design tables share: twips to a window's pixels, and the colours of a control.
#pragma once

#include <QPalette>

class QColor;
class QRect;
class QWidget;

namespace Design {

// A length in twips as whole pixels of window, at its logical dpi.
int pixels(const QWidget *window, double twips);

// A rectangle in twips as pixels of window, each of its four numbers rounded on its own.
QRect pixelRect(const QWidget *window, double left, double top, double width, double height);

// Sets one colour of widget's palette, keeping the others.
void setColor(QWidget *widget, QPalette::ColorRole role, const QColor &color);

// Fills widget's background with color: its window and button colours both, painted by the widget itself.
void setBackground(QWidget *widget, const QColor &color);

} // namespace Design
