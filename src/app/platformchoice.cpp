// Which Qt platform the program asks for: X11 in a Wayland session that has one, so the window can stay on top.
#include "app/platformchoice.h"

#include <QByteArray>
#include <QtGlobal>

QByteArray PlatformChoice::platformFor(const QByteArray &requested, const QByteArray &waylandDisplay,
                                       const QByteArray &x11Display)
{
    if (!requested.isEmpty())
        return requested;
    if (!waylandDisplay.isEmpty() && !x11Display.isEmpty())
        return QByteArrayLiteral("xcb;wayland"); // Qt tries them in this order
    return {};
}

void PlatformChoice::apply()
{
    const QByteArray platform = platformFor(qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}
