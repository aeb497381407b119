// What the window manager holds about the program's windows: their layer, their taskbar button, being minimised.
#pragma once

#include <functional>

class QWidget;

namespace WindowManagerState {

// Keeps the window above all windows that are not top-most, or returns it to the normal order,
// without re-creating its native window.
void setTopMost(QWidget *window, bool topMost);

// Calls then once the window manager has taken the window out of the top-most layer, or after timeoutMs: a program
// about to end waits for it so the change is not lost. The event loop runs meanwhile; where there is nothing to
// wait for, then runs at once.
void whenNotTopMost(QWidget *window, int timeoutMs, const std::function<void()> &then);

// Gives the window no taskbar button. Call before every mapping (the QShowEvent that QWidget::show sends, not a
// spontaneous one), once the native window exists; it never makes one. On platforms without such a state it does
// nothing.
void hideFromTaskbar(QWidget *window);

// Brings the window back when the window manager keeps it minimised (iconic), whatever Qt last heard, and says
// whether it did; on platforms without such a state it does nothing.
bool restoreIfMinimised(QWidget *window);

} // namespace WindowManagerState
