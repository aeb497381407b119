// Keeps a top-level window as the program shows it under any window manager: off the taskbar, with its icon, never
// minimised.
#pragma once

#include <QElapsedTimer>
#include <QObject>

class QWidget;

class WindowKeeper : public QObject
{
    Q_OBJECT

public:
    enum Duty {
        OffTaskbar = 0x1,          // no taskbar button: the state is written again before every mapping
        IconAfterFirstFrame = 0x2, // the program's icon, read and handed over once the first frame is out
        BackFromMinimised = 0x4,   // a window the window manager minimises comes straight back, on top as ever
    };
    Q_DECLARE_FLAGS(Duties, Duty)

    // Watches window, of which it becomes a child, from now on; make it before the window is first shown.
    WindowKeeper(QWidget *window, Duties duties);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restoreSoon();

    QWidget *m_window;
    Duties m_duties;
    bool m_iconAsked = false;    // the native window is watched for its first exposure
    QElapsedTimer m_lastRestore; // since the window last came back from being minimised
    bool m_restoreAsked = false; // a return from being minimised is on its way
};

Q_DECLARE_OPERATORS_FOR_FLAGS(WindowKeeper::Duties)
