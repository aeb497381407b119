// Whether the window can be shown at all: a display that the platform Qt will pick can be reached, and Qt can load
// that platform's plugin.
#pragma once

#include <QByteArrayList>
#include <QStringList>

struct xcb_connection_t;

class DisplayCheck
{
public:
    // Tries the displays of the platforms Qt will try for this process, in its order, and the first one that
    // answers and whose plugin loads from pluginFolders is the one. Platforms without a display (offscreen, and
    // those this check does not know) count as reachable. Where platforms before it would fail, QT_QPA_PLATFORM
    // (unless a -platform argument chose) is narrowed to it: Qt would print its warnings on the way.
    // Make it after PlatformChoice::apply() and before the application object, and keep it until the program
    // ends: the X connection it opened stays open, since an X server with no other client resets itself when the
    // last one leaves, just as Qt would connect.
    DisplayCheck(int argc, char *argv[], const QStringList &pluginFolders = platformPluginFolders());
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;

    // False when no display could be reached, or no plugin for it loads; it has said so in one line on standard
    // error, where Qt would abort.
    bool usable() const { return m_usable; }

    // The platforms Qt 6 tries, in its order, from a -platform argument, QT_QPA_PLATFORM, WAYLAND_DISPLAY and
    // XDG_SESSION_TYPE: the argument wins, then the variable; otherwise Wayland where there is a Wayland display or
    // session, then X11 (first where DISPLAY is set, Qt's default otherwise).
    static QByteArrayList platforms(const QByteArray &argument, const QByteArray &requested,
                                    const QByteArray &waylandDisplay, const QByteArray &sessionType);

    // Where Qt loads platform plugins from, before the application object exists: QT_QPA_PLATFORM_PLUGIN_PATH,
    // then "platforms" in each folder of QT_PLUGIN_PATH, in Qt's own plugin folder and in the program's folder.
    static QStringList platformPluginFolders();

private:
    bool x11Reachable(const QByteArray &display);

    xcb_connection_t *m_x11 = nullptr;
    bool m_usable = false;
};
