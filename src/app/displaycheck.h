// Whether the window can be shown at all: a display that the platform Qt will pick can be reached.
#pragma once

#include <QByteArrayList>

struct xcb_connection_t;

class DisplayCheck
{
public:
    // Tries the displays of the platforms Qt will try for this process; platforms without one (offscreen, and
    // those this check does not know) always count as reachable. Make it after PlatformChoice::apply() and before
    // the application object, and keep it until the program ends: the X connection it opened stays open, since an
    // X server with no other client resets itself when the last one leaves, just as Qt would connect.
    DisplayCheck(int argc, char *argv[]);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;

    // False when no display could be reached; it has said so in one line on standard error, where Qt would abort.
    bool usable() const { return m_usable; }

    // The platforms Qt 6 tries, in its order, from a -platform argument, QT_QPA_PLATFORM, WAYLAND_DISPLAY and
    // XDG_SESSION_TYPE: the argument wins, then the variable; otherwise Wayland where there is a Wayland display or
    // session, then X11 (first where DISPLAY is set, Qt's default otherwise).
    static QByteArrayList platforms(const QByteArray &argument, const QByteArray &requested,
                                    const QByteArray &waylandDisplay, const QByteArray &sessionType);

private:
    bool x11Reachable(const QByteArray &display);

    xcb_connection_t *m_x11 = nullptr;
    bool m_usable = false;
};
