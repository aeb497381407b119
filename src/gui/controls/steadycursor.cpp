// The cursor of a text box that holds a long text stands still while the box has the focus.
#include "controls/steadycursor.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>

namespace {

// QLineEdit measures its whole text at every repaint, the cursor's blinks included: about 0.12 s of processor time
// a million characters here. From this length on (some 2.5 ms a repaint) the cursor stands still while the box has
// the focus, so that a box holding a long paste leaves the program idle; every character stays in the box.
constexpr qsizetype steadyCursorLength = 20000;

} // namespace

SteadyCursor::SteadyCursor(QLineEdit *box)
    : QObject(box)
    , m_box(box)
{
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, &SteadyCursor::update);
}

SteadyCursor::~SteadyCursor()
{
    hold(false);
}

bool SteadyCursor::eventFilter(QObject *watched, QEvent *event)
{
    // The box has the focus already when it is told so, and no longer when it is told it lost it.
    if (watched == m_box && event->type() == QEvent::FocusIn)
        update();
    else if (watched == m_box && event->type() == QEvent::FocusOut)
        hold(false);
    return QObject::eventFilter(watched, event);
}

void SteadyCursor::update()
{
    hold(m_box->hasFocus() && m_box->text().size() >= steadyCursorLength);
}

void SteadyCursor::hold(bool steady)
{
    if (steady == m_steady)
        return;
    m_steady = steady;
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
