// What the window manager holds about the program's windows: their layer, their taskbar button, being minimised.
#include "controls/windowmanagerstate.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#if defined(SUMORA_HAVE_XCB)
#include <QElapsedTimer>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <vector>

namespace {

xcb_connection_t *x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return value;
}

// A window property's 32-bit values (atoms, cardinals), at most count of them; none where it is not set.
std::vector<uint32_t> values(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                             uint32_t count)
{
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, window, property, type, 0, count);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
    std::vector<uint32_t> found;
    if (reply) {
        const auto *first = static_cast<const uint32_t *>(xcb_get_property_value(reply));
        found.assign(first, first + xcb_get_property_value_length(reply) / int(sizeof(uint32_t)));
        free(reply);
    }
    return found;
}

bool holdsState(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t state, xcb_atom_t wanted)
{
    const std::vector<uint32_t> atoms = values(connection, window, state, XCB_ATOM_ATOM, 64);
    return std::find(atoms.begin(), atoms.end(), wanted) != atoms.end();
}

} // namespace
#endif

void WindowManagerState::setTopMost(QWidget *window, bool topMost)
{
    QWindow *handle = window->windowHandle();
    if (!handle) {
        // No native window yet: the flag is simply part of the one that will be made.
        window->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
        return;
    }
    // QWidget::setWindowFlag would destroy the native window and make a new one, losing its state.
    handle->setFlag(Qt::WindowStaysOnTopHint, topMost);
    window->overrideWindowFlags(handle->flags());
}

void WindowManagerState::whenNotTopMost(QWidget *window, int timeoutMs, const std::function<void()> &then)
{
#if defined(SUMORA_HAVE_XCB)
    xcb_connection_t *connection = x11Connection();
    if (!connection || !window->isVisible()) {
        then();
        return;
    }
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t above = atom(connection, "_NET_WM_STATE_ABOVE");
    const auto id = xcb_window_t(window->winId());
    xcb_flush(connection);
    // Looked at every 5 ms from the event loop, never by sleeping on it.
    auto *poll = new QTimer(window);
    poll->setTimerType(Qt::PreciseTimer);
    QElapsedTimer waited;
    waited.start();
    QObject::connect(poll, &QTimer::timeout, window, [=] {
        if (holdsState(connection, id, state, above) && waited.elapsed() < timeoutMs)
            return;
        poll->stop();
        poll->deleteLater();
        then();
    });
    poll->start(5);
#else
    Q_UNUSED(window);
    Q_UNUSED(timeoutMs);
    then();
#endif
}

void WindowManagerState::hideFromTaskbar(QWidget *window)
{
#if defined(SUMORA_HAVE_XCB)
    xcb_connection_t *connection = x11Connection();
    // Never makes a native window: one that is not there, or is being destroyed, has no state to keep.
    const auto native = xcb_window_t(window->internalWinId());
    if (!connection || native == XCB_WINDOW_NONE)
        return;
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE || holdsState(connection, native, state, skipTaskbar))
        return;
    // Before mapping the window manager reads the state from this property; Qt keeps what is there when it adds its
    // own states. A window manager removes the property when the window is withdrawn (hidden or closed), so it is
    // written again before every mapping.
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, native, state, XCB_ATOM_ATOM, 32, 1, &skipTaskbar);
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}

bool WindowManagerState::restoreIfMinimised(QWidget *window)
{
#if defined(SUMORA_HAVE_XCB)
    xcb_connection_t *connection = x11Connection();
    const auto native = xcb_window_t(window->internalWinId());
    if (!connection || native == XCB_WINDOW_NONE)
        return false;
    const xcb_atom_t wmState = atom(connection, "WM_STATE");
    constexpr uint32_t iconicState = 3; // ICCCM WM_STATE
    const std::vector<uint32_t> state = values(connection, native, wmState, wmState, 1);
    const bool iconic = !state.empty() && state.front() == iconicState;
    if (iconic) {
        // An iconic window goes back to the normal state when its client maps it (ICCCM 4.1.4).
        xcb_map_window(connection, native);
        xcb_flush(connection);
    }
    return iconic;
#else
    Q_UNUSED(window);
    return false;
#endif
}
