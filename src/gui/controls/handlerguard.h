// How the program's event handlers meet run-time errors.
#pragma once

#include <functional>

class QString;
class QWidget;

namespace HandlerGuard {

// Runs an event handler. A setting the sheet cannot use is explained in a message over parent
// and the handler stops there, with nothing changed; any other run-time error ends the program
// after a message, since the sheet could no longer be trusted.
void run(QWidget *parent, const std::function<void()> &handler);

// A slot for connect() that runs a window's handler through run(), passing the signal's arguments on.
template<typename Window, typename... Args>
auto guarded(Window *window, void (Window::*handler)(Args...))
{
    return [window, handler](Args... args) { run(window, [&] { (window->*handler)(args...); }); };
}

// Replaces the fatal path (message and end of the program), for tests. An empty function restores it.
void setFatalHandler(std::function<void(const QString &message)> handler);

} // namespace HandlerGuard
