// Program start: the platform, Qt's Chinese texts, the practice window (or the print window) centred and active, and
// the event loop.
#include "app/commandline.h"
#include "app/commandlinemode.h"
#include "app/displaycheck.h"
#include "app/fontconfigwarmup.h"
#include "app/modxpfm.h"
#include "app/platformchoice.h"
#include "app/qttranslation.h"
#include "practice/vodomain.h"
#include "printing/printwindow.h"
#include "questions/randomsource.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = CommandLineMode::run(argc, argv))
        return *status;
    PlatformChoice::apply();
    const DisplayCheck display(argc, argv);
    if (!display.usable())
        return 1;
    QApplication app(argc, argv);
    FontconfigWarmUp fonts; // not before: QApplication sets the locale and changes the environment
    QApplication::setDesktopFileName(QStringLiteral("org.sumora.Sumora"));
    // The practice window and the dialog end the program themselves, whichever window is left.
    QApplication::setQuitOnLastWindowClosed(false);
    QtTranslation::installChinese(app);

    // Qt has taken its own options (-platform, -display) from the arguments; the others are the print window's.
    if (QApplication::arguments().contains(QStringLiteral("--print"))) {
        const CommandLine::Outcome outcome = CommandLine::parse(QApplication::arguments());
        if (const auto *refusal = std::get_if<CommandLine::Refusal>(&outcome))
            return CommandLineMode::refused(*refusal);
        if (const auto *request = std::get_if<CommandLine::PrintWindow>(&outcome)) {
            QApplication::setQuitOnLastWindowClosed(true);
            fonts.wait();
            PrintWindow window(request->options);
            window.show();
            return QApplication::exec();
        }
    }

    fonts.wait();
    VoDoMain window(RandomSource::program(), &ModXpFm::InitXpStyles);
    if (const QScreen *screen = window.screen())
        window.setGeometry(QRect(screen->geometry().center() - window.rect().center(), window.size()));
    window.show();
    // Some window managers (openbox) give no focus to a window that keeps off the taskbar when it is mapped.
    window.activateWindow();
    return QApplication::exec();
}
