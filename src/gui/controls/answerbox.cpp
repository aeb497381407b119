// An answer box of the practice sheet: a line edit that reports every key going down in it.
#include "controls/answerbox.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QStyleHints>

#include <limits>

namespace {

// QLineEdit measures its whole text at every repaint, the cursor's blinks included: about 0.12 s of processor time
// a million characters here. From this length on (some 2.5 ms a repaint) the cursor stands still while the box has
// the focus, so that a box holding a long paste leaves the program idle; every character stays in the box.
constexpr qsizetype steadyCursorLength = 20000;

} // namespace

AnswerBox::AnswerBox(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, &AnswerBox::updateCursorBlinking);
}

AnswerBox::~AnswerBox()
{
    holdCursorSteady(false);
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

void AnswerBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    updateCursorBlinking();
}

void AnswerBox::focusOutEvent(QFocusEvent *event)
{
    holdCursorSteady(false);
    QLineEdit::focusOutEvent(event);
}

void AnswerBox::updateCursorBlinking()
{
    holdCursorSteady(hasFocus() && text().size() >= steadyCursorLength);
}

void AnswerBox::holdCursorSteady(bool steady)
{
    if (steady == m_cursorSteady)
        return;
    m_cursorSteady = steady;
    // Only the box with the focus blinks, so the program-wide flash time is this box's alone while it has the focus;
    // a line edit that blinks follows a change of it at once.
    QStyleHints *hints = QGuiApplication::styleHints();
    if (steady) {
        m_flashTime = hints->cursorFlashTime();
        hints->setCursorFlashTime(0);
    } else {
        hints->setCursorFlashTime(m_flashTime);
    }
}
