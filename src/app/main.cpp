// Program start: the practice window, centred, and the event loop.
#include "practice/vodomain.h"
#include "questions/randomsource.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

int main(int argc, char *argv[])
{
    const QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    // The practice window and the dialog end the program themselves, whichever window is left.
    QApplication::setQuitOnLastWindowClosed(false);

    VoDoMain window(RandomSource::program());
    if (const QScreen *screen = window.screen())
        window.setGeometry(QRect(screen->geometry().center() - window.rect().center(), window.size()));
    window.show();
    return QApplication::exec();
}
