// Stacking and taskbar state of the program's top-level windows.
#include "practice/windowstacking.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#if defined(SUMORA_HAVE_XCB)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

void WindowStacking::setTopMost(QWidget *window, bool topMost)
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

void WindowStacking::hideFromTaskbar(QWidget *window)
{
#if defined(SUMORA_HAVE_XCB)
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t *connection = x11->connection();
    const auto atom = [connection](const char *name) {
        const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
        const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return value;
    };
    const xcb_atom_t state = atom("_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = atom("_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE)
        return;
    // Before mapping the window manager reads the state from this property; Qt keeps what is
    // there when it adds its own states later.
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, xcb_window_t(window->winId()), state, XCB_ATOM_ATOM, 32,
                        1, &skipTaskbar);
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}
