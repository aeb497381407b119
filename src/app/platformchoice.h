// Which Qt platform the program asks for: X11 in a Wayland session that has one, so the window can stay on top.
#pragma once

class QByteArray;

namespace PlatformChoice {

// The value for QT_QPA_PLATFORM, from the environment's QT_QPA_PLATFORM, WAYLAND_DISPLAY and DISPLAY. An explicit
// choice is kept as it is. With a Wayland and an X11 display at hand it is X11, and Wayland only if X11 fails:
// Wayland's shell has no top-most state, no taskbar hint and no placement, all of which the practice window needs.
// Otherwise empty: Qt picks as it always does.
QByteArray platformFor(const QByteArray &requested, const QByteArray &waylandDisplay, const QByteArray &x11Display);

// Sets QT_QPA_PLATFORM for this process from its environment; call before the application object exists.
void apply();

} // namespace PlatformChoice
