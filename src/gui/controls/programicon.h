// The program's icon at every size it is drawn in, for the window manager, task switchers and scaled screens.
#pragma once

class QIcon;

namespace ProgramIcon {

// The hicolor pictures from 16 to 256 pixels, each drawn for its size; read when a size is first asked for.
QIcon icon();

} // namespace ProgramIcon
