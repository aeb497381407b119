// Program start: the platform, Qt's Chinese texts, the practice window centred and active, and the event loop.
#include "app/fontconfigwarmup.h"
#include "app/platformchoice.h"
#include "app/qttranslation.h"
#include "practice/vodomain.h"
#include "questions/randomsource.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    PlatformChoice::apply();
    QApplication app(argc, argv);
    FontconfigWarmUp fonts; // not before: QApplication sets the locale and changes the environment
    QApplication::setDesktopFileName(QStringLiteral("org.sumora.Sumora"));
    // The practice window and the dialog end the program themselves, whichever window is left.
    QApplication::setQuitOnLastWindowClosed(false);
    QtTranslation::installChinese(app);

    fonts.wait();
    VoDoMain window(RandomSource::program());
    if (const QScreen *screen = window.screen())
        window.setGeometry(QRect(screen->geometry().center() - window.rect().center(), window.size()));
    window.show();
    // Some window managers (openbox) give no focus to a window that keeps off the taskbar when it is mapped.
    window.activateWindow();
    return QApplication::exec();
}
