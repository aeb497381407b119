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


Q_SIGNALS:
    // Before the box itself handles the key. shift: 1 Shift, 2 Ctrl, 4 Alt, added up.
    void keyDown(int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
