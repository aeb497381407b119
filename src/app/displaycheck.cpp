// Whether the window can be shown at all: a display that the platform Qt will pick can be reached.
#include "app/displaycheck.h"

#include <QByteArray>

#include <cstdio>
#include <cstring>

#if defined(SUMORA_HAVE_XCB)
#include <xcb/xcb.h>
#endif
#if defined(Q_OS_UNIX)
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

// The value after one of Qt's options (one dash or two, the last one given), as Qt reads its arguments.
QByteArray qtOption(int argc, char *argv[], const QByteArray &name)
{
    QByteArray value;
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == '-' + name || argument == "--" + name)
            value = argv[i + 1];
    }
    return value;
}

// The compositor's socket as libwayland-client finds it: WAYLAND_DISPLAY (wayland-0 if unset) in XDG_RUNTIME_DIR,
// or an absolute path. A socket handed down in WAYLAND_SOCKET cannot be tried without using it up.
bool waylandReachable()
{
#if defined(Q_OS_UNIX)
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET"))
        return true;
    QByteArray path = qgetenv("WAYLAND_DISPLAY");
    if (path.isEmpty())
        path = "wayland-0";
    if (!path.startsWith('/')) {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        if (runtime.isEmpty())
            return false;
        path = runtime + '/' + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return true; // no way to tell: Qt will say
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): the socket API's address type
    const bool reached = ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(socket);
    return reached;
#else
    return true;
#endif
}

} // namespace

// The X server Qt's xcb plugin would open, from -display or DISPLAY.
bool DisplayCheck::x11Reachable(const QByteArray &display)
{
#if defined(SUMORA_HAVE_XCB)
    if (!m_x11)
        m_x11 = xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
    return xcb_connection_has_error(m_x11) == 0;
#else
    Q_UNUSED(display);
    return true;
#endif
}

QByteArrayList DisplayCheck::platforms(const QByteArray &argument, const QByteArray &requested,
                                       const QByteArray &waylandDisplay, const QByteArray &sessionType)
{
    QByteArrayList tried;
    const QByteArray chosen = argument.isEmpty() ? requested : argument;
    if (!chosen.isEmpty()) {
        // "xcb;wayland" is tried in that order; "name:key=value" passes options to the plugin.
        for (const QByteArray &entry : chosen.split(';')) {
            if (!entry.isEmpty())
                tried.append(entry.split(':').constFirst());
        }
        return tried;
    }
    if (!waylandDisplay.isEmpty() || sessionType == "wayland")
        tried.append("wayland");
    tried.append("xcb"); // first where DISPLAY is set, Qt's default otherwise: last either way
    return tried;
}

DisplayCheck::DisplayCheck(int argc, char *argv[])
{
    const QByteArrayList tried = platforms(qtOption(argc, argv, "platform"), qgetenv("QT_QPA_PLATFORM"),
                                           qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"));
    for (const QByteArray &platform : tried) {
        m_usable = platform == "xcb" ? x11Reachable(qtOption(argc, argv, "display"))
                                     : !platform.startsWith("wayland") || waylandReachable();
        if (m_usable)
            return;
    }
    std::fputs("sumora: 没有可用的显示（X11 或 Wayland），练习窗口打不开；打印练习卷不需要显示：sumora --pdf 文件\n",
               stderr);
}

DisplayCheck::~DisplayCheck()
{
#if defined(SUMORA_HAVE_XCB)
    if (m_x11)
        xcb_disconnect(m_x11);
#endif
}
