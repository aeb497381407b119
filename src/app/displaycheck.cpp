// Whether the window can be shown at all: a display that the platform Qt will pick can be reached, and Qt can load
// that platform's plugin.
#include "app/displaycheck.h"

#include "messages/printmessages.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QLibraryInfo>
#include <QPluginLoader>

#include <algorithm>
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

// Whether a plugin's metadata names platform among its keys, which Qt compares without case.
bool servesPlatform(const QJsonObject &metaData, const QString &platform)
{
    const QJsonArray keys = metaData.value(QLatin1String("MetaData")).toObject().value(QLatin1String("Keys")).toArray();
    return std::any_of(keys.begin(), keys.end(), [&](const QJsonValue &key) {
        return key.toString().compare(platform, Qt::CaseInsensitive) == 0;
    });
}

// Whether Qt will find a plugin for platform, as it finds one (by the keys in its metadata, whatever the file's
// name), and can load it with the libraries it needs.
bool pluginLoads(const QByteArray &platform, const QStringList &folders)
{
    const QString name = QString::fromLatin1(platform);
    const QList<QStaticPlugin> builtIn = QPluginLoader::staticPlugins();
    if (std::any_of(builtIn.begin(), builtIn.end(),
                    [&](const QStaticPlugin &plugin) { return servesPlatform(plugin.metaData(), name); }))
        return true;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &file : dir.entryList(QDir::Files)) {
            if (!QLibrary::isLibrary(file))
                continue;
            QPluginLoader plugin(dir.filePath(file));
            if (servesPlatform(plugin.metaData(), name) && plugin.load())
                return true;
        }
    }
    return false;
}

// The Debian package that has a platform's plugin, where it is not one Qt's own always brings.
QString packageFor(const QByteArray &platform)
{
    return platform.startsWith("wayland") ? QStringLiteral("qt6-wayland") : QString();
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

DisplayCheck::DisplayCheck(int argc, char *argv[], const QStringList &pluginFolders)
{
    const QByteArray argument = qtOption(argc, argv, "platform");
    const QByteArray requested = qgetenv("QT_QPA_PLATFORM");
    QStringList folders = pluginFolders;
    if (const QByteArray given = qtOption(argc, argv, "platformpluginpath"); !given.isEmpty())
        folders.prepend(QString::fromLocal8Bit(given));
    const QByteArrayList tried =
            platforms(argument, requested, qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"));
    QByteArray unloadable; // the first platform whose display answers but whose plugin does not load
    for (qsizetype i = 0; i < tried.size(); ++i) {
        const QByteArray &platform = tried[i];
        const bool reachable = platform == "xcb" ? x11Reachable(qtOption(argc, argv, "display"))
                                                 : !platform.startsWith("wayland") || waylandReachable();
        m_usable = reachable && pluginLoads(platform, folders);
        if (reachable && !m_usable && unloadable.isEmpty())
            unloadable = platform;
        if (!m_usable)
            continue;
        if (i > 0 && argument.isEmpty()) {
            // The entry as it was given, with its plugin options ("xcb:nograb").
            const QByteArrayList entries = requested.split(';');
            const auto entry = std::find_if(entries.begin(), entries.end(), [&](const QByteArray &given) {
                return given.split(':').constFirst() == platform;
            });
            qputenv("QT_QPA_PLATFORM", entry == entries.end() ? platform : *entry);
        }
        return;
    }
    const QString message = unloadable.isEmpty()
            ? PrintMessages::noDisplay()
            : PrintMessages::missingPlatformPlugin(QString::fromLatin1(unloadable), packageFor(unloadable));
    std::fputs(QStringLiteral("sumora: %1\n").arg(message).toLocal8Bit().constData(), stderr);
}

QStringList DisplayCheck::platformPluginFolders()
{
    QStringList folders;
    if (const QString direct = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"); !direct.isEmpty())
        folders.append(direct);
    const QString paths = qEnvironmentVariable("QT_PLUGIN_PATH");
    for (const QString &folder : paths.split(QDir::listSeparator(), Qt::SkipEmptyParts))
        folders.append(folder + QStringLiteral("/platforms"));
    folders.append(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    // Qt looks beside the program too, which it finds there.
    if (const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath(); !program.isEmpty())
        folders.append(program + QStringLiteral("/platforms"));
    return folders;
}

DisplayCheck::~DisplayCheck()
{
#if defined(SUMORA_HAVE_XCB)
    if (m_x11)
        xcb_disconnect(m_x11);
#endif
}
