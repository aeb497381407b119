// Keeps a top-level window as the program shows it under any window manager: off the taskbar, with its icon, never
// minimised.
#include "controls/windowkeeper.h"

#include "controls/programicon.h"
#include "controls/windowmanagerstate.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

WindowKeeper::WindowKeeper(QWidget *window, Duties duties)
    : QObject(window)
    , m_window(window)
    , m_duties(duties)
{
    window->installEventFilter(this);
}

bool WindowKeeper::eventFilter(QObject *watched, QEvent *event)
{
    QWindow *handle = m_window->windowHandle();
    if (watched == m_window && event->type() == QEvent::Show) {
        // Off the taskbar before it is mapped (QWidget::show makes the native window before it sends this); the
        // window manager drops the state whenever the window is hidden or closed.
        if ((m_duties & OffTaskbar) && !event->spontaneous())
            WindowManagerState::hideFromTaskbar(m_window);
        // The icon's six pictures are read and handed to the window manager once the first frame is out: after the
        // native window's first exposure, which paints it.
        if ((m_duties & IconAfterFirstFrame) && !m_iconAsked && handle) {
            m_iconAsked = true;
            handle->installEventFilter(this);
        }
    } else if (watched == m_window && event->type() == QEvent::WindowStateChange) {
        // Some window managers minimise any window (openbox's title button, GNOME's Super+H). With no taskbar button
        // nothing would bring it back while the sheet's clock runs on.
        if ((m_duties & BackFromMinimised) && m_window->isMinimized())
            restoreSoon();
    } else if (watched == handle && event->type() == QEvent::Expose && handle->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { m_window->setWindowIcon(ProgramIcon::icon()); });
    }
    return QObject::eventFilter(watched, event);
}

void WindowKeeper::restoreSoon()
{
    // The first time at once; after that at most every restoreGapMs, so that a window manager that minimises the
    // window at every mapping does not keep a core busy with it.
    constexpr qint64 restoreGapMs = 250;
    if (m_restoreAsked)
        return;
    m_restoreAsked = true;
    const qint64 since = m_lastRestore.isValid() ? m_lastRestore.elapsed() : restoreGapMs;
    QTimer::singleShot(int(std::max<qint64>(0, restoreGapMs - since)), this, [this] {
        m_restoreAsked = false;
        if (m_window->isMinimized())
            m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        // A minimise that closely follows a return can reach Qt as no change at all; the window manager's own state
        // tells, one gap after each return.
        else if (!WindowManagerState::restoreIfMinimised(m_window))
            return;
        m_lastRestore.start();
        m_window->raise();
        m_window->activateWindow();
        restoreSoon();
    });
}
