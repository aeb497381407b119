// An answer box of the practice sheet: a line edit that reports every key going down in it.
#include "controls/answerbox.h"

#include <QKeyEvent>

AnswerBox::AnswerBox(QWidget *parent)
    : QLineEdit(parent)
{
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers mods = event->modifiers();
    const int shift = (mods & Qt::ShiftModifier ? 1 : 0) + (mods & Qt::ControlModifier ? 2 : 0)
            + (mods & Qt::AltModifier ? 4 : 0);
    Q_EMIT keyDown(m_index, enter ? enterKey : event->key(), shift);
    QLineEdit::keyPressEvent(event);
}
