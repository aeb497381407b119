// An answer box of the practice sheet: a line edit that reports every key going down in it.
#pragma once

#include <QLineEdit>

class AnswerBox : public QLineEdit
{
    Q_OBJECT

public:
    // Takes any length of text, as the sheet's boxes have no limit of their own; holding a long one, its cursor
    // stands still while it has the focus.
    explicit AnswerBox(QWidget *parent = nullptr);

    // Key codes as the sheet sees them: both Enter keys are 13, other keys keep their Qt code.
    static constexpr int enterKey = 13;

    // The row the box answers (0 for the hidden template); keyDown reports it.
    void setIndex(int index) { m_index = index; }

    // Takes the box off its sheet: hidden, without its name, reporting no more keys. It is deleted once none of
    // its key handlers runs any more, so a key whose handler replaced the sheet finishes on a box that still exists.
    void retire();

Q_SIGNALS:
    // Before the box itself handles the key. shift: 1 Shift, 2 Ctrl, 4 Alt, added up.
    void keyDown(int index, int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_index = 0;
    int m_handlingKeys = 0; // key handlers of this box now running; more than one when a handler lets events run
    bool m_retired = false;
};
