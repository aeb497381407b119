// Making a new element of a control array from its template (element 0), and taking one off its window.
#pragma once

#include <QWidget>

// The template's font, colours, size and text, hidden until the sheet places and shows it.
template<typename Control>
Control *newElement(const Control &model)
{
    auto *element = new Control(model.parentWidget());
    element->hide();
    element->setFont(model.font());
    element->setPalette(model.palette());
    element->setText(model.text());
    element->resize(model.size());
    return element;
}

// Takes an element off its window at once, hidden and without its name, and deletes it when control is back in
// the event loop: a handler that replaces a sheet may run inside a handler of the sheet it replaces.
inline void retireElement(QWidget *element)
{
    element->hide();
    element->setObjectName(QString());
    element->deleteLater();
}
