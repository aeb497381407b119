// The program's icon at every size it is drawn in, for the window manager, task switchers and scaled screens.
#include "controls/programicon.h"

#include <QIcon>

QIcon ProgramIcon::icon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/%1x%1/org.sumora.Sumora.png").arg(size), QSize(size, size));
    return icon;
}
