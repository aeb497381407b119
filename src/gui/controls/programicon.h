// The program's icon at every size it is drawn in, for the window manager, task switchers and scaled screens.
#pragma once

class QIcon;

namespace ProgramIcon {

// The hicolor pictures from 16 to 128 pixels, each drawn for its size; read when a size is first asked for. The
// 256-pixel one serves launchers from the icon theme: handed to the window manager it would cost the running
// program 0.8 MiB for a size no title bar or task switcher draws.
QIcon icon();

} // namespace ProgramIcon
