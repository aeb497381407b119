// Whether the window can be shown at all: a display that the platform Qt will pick can be reached.
#pragma once

#include <QByteArrayList>

namespace DisplayCheck {

// The platforms Qt 6 tries, in its order, from a -platform argument, QT_QPA_PLATFORM, WAYLAND_DISPLAY and
// XDG_SESSION_TYPE: the argument wins, then the variable; otherwise Wayland where there is a Wayland display or
// session, then X11 (first where DISPLAY is set, Qt's default otherwise).
QByteArrayList platforms(const QByteArray &argument, const QByteArray &requested, const QByteArray &waylandDisplay,
                         const QByteArray &sessionType);

// True when one of the platforms Qt will try for this process can reach its display; platforms without one
// (offscreen, and those this check does not know) always can. Otherwise it says so in one line on standard error,
// where Qt itself would abort. Call after PlatformChoice::apply(), before the application object exists.
bool usable(int argc, char *argv[]);

} // namespace DisplayCheck
