// An answer box of the practice sheet: a line edit that reports every key going down in it.
#pragma once

#include <QLineEdit>

class AnswerBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit AnswerBox(QWidget *parent = nullptr);

    // Key codes as the sheet sees them: both Enter keys are 13, other keys keep their Qt code.
    static constexpr int enterKey = 13;

    // The row the box answers (0 for the hidden template); keyDown reports it.
    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

Q_SIGNALS:
    // Before the box itself handles the key. shift: 1 Shift, 2 Ctrl, 4 Alt, added up.
    void keyDown(int index, int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_index = 0;
};
