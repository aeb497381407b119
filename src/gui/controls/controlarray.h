// Making a new element of a control array from its template (element 0).
#pragma once

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
