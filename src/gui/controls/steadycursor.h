// The cursor of a text box that holds a long text stands still while the box has the focus.
#pragma once

#include <QObject>

class QLineEdit;

class SteadyCursor : public QObject
{
    Q_OBJECT

public:
    // Watches box, of which it becomes a child, for as long as the box lives.
    explicit SteadyCursor(QLineEdit *box);
    ~SteadyCursor() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void update();
    void hold(bool steady);

    QLineEdit *m_box;
    bool m_steady = false; // the program's cursor flash time is 0 on this box's behalf
    int m_flashTime = 0;   // ms, the flash time to go back to
};
