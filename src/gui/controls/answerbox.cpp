// An answer box of the practice sheet: a line edit that reports every key going down in it.
#include "controls/answerbox.h"

#include "controls/steadycursor.h"

#include <QKeyEvent>

#include <limits>

AnswerBox::AnswerBox(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    new SteadyCursor(this);
}

void AnswerBox::retire()
{
    m_retired = true;
    disconnect(this, &AnswerBox::keyDown, nullptr, nullptr);
    hide();
    setObjectName(QString());
    if (m_handlingKeys == 0)
        deleteLater(); // otherwise the last key handler to return asks for it
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers mods = event->modifiers();
    const int shift = (mods & Qt::ShiftModifier ? 1 : 0) + (mods & Qt::ControlModifier ? 2 : 0)
            + (mods & Qt::AltModifier ? 4 : 0);
    ++m_handlingKeys;
    Q_EMIT keyDown(m_index, enter ? enterKey : event->key(), shift);
    QLineEdit::keyPressEvent(event);
    // deleteLater waits for the event loop level this call was made from, below every handler of this key.
    if (--m_handlingKeys == 0 && m_retired)
        deleteLater();
}
