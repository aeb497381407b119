// The program run from the command line: printed sheets, help and version, without a window or a display.
#include "app/commandlinemode.h"

#include "app/commandline.h"
#include "messages/commandlinemessages.h"
#include "messages/errortexts.h"
#include "print/printjob.h"
#include "print/sheetpdf.h"
#include "shared/runtimeerror.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringList>

#include <cstdio>

namespace {

void say(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

void refuse(const QString &problem)
{
    say(stderr, QStringLiteral("sumora: ") + problem + u'\n');
}

// What Qt reports in print mode is about a session it has no use for (no XDG_RUNTIME_DIR over a plain ssh login,
// for one); the mode's own output is the file and its one-line refusals. Only Qt's critical and fatal
// messages go through.
QtMessageHandler qtMessages = nullptr;
void criticalOnly(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qtMessages(type, context, message);
}

int print(const CommandLine::PrintRequest &request, char *program)
{
    // The offscreen platform draws and finds fonts through fontconfig as any other, and needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtMessages = qInstallMessageHandler(criticalOnly);
    int argc = 1; // Qt's own options are the window's
    char *argv[] = {program, nullptr};
    const QGuiApplication app(argc, argv);

    PrintJob job = request.job;
    // A new set at every run unless asked for one again; the seed is printed on every page.
    job.seed = request.seed ? *request.seed : QRandomGenerator::system()->generate();
    job.reprint = CommandLine::reprintCommand(request, job.seed);
    try {
        if (const std::optional<QString> failure = SheetPdf::save(request.file, job)) {
            refuse(*failure);
            return 1;
        }
    } catch (const RuntimeError &error) {
        refuse(ErrorTexts::runtime(error));
        return 1;
    }
    return 0;
}

} // namespace

std::optional<int> CommandLineMode::run(int argc, char *argv[])
{
    // UTF-8, strictly: a file name that is not could not be carried as given through the rename, the messages and
    // the reprint command; read loosely, "\xff.pdf" and "\xfe.pdf" would both name the file "<U+FFFD>.pdf".
    QStringList arguments;
    std::optional<QString> undecodable;
    for (int i = 0; i < argc; ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        arguments.append(utf8.decode(QByteArrayView(argv[i])));
        if (utf8.hasError() && !undecodable)
            undecodable = arguments.last();
    }
    if (!CommandLine::wanted(arguments))
        return std::nullopt;
    if (undecodable) {
        refuse(CommandLineMessages::notUtf8(*undecodable));
        return 2;
    }

    const CommandLine::Outcome outcome = CommandLine::parse(arguments);
    if (const auto *info = std::get_if<CommandLine::Info>(&outcome)) {
        say(stdout, *info == CommandLine::Info::Help ? CommandLine::helpText() : CommandLine::versionText());
        // A full disk or a closed pipe: buffered, the write fails only here.
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            refuse(CommandLineMessages::outputFailed());
            return 1;
        }
        return 0;
    }
    if (const auto *refusal = std::get_if<CommandLine::Refusal>(&outcome)) {
        refuse(refusal->message);
        return refusal->status;
    }
    return print(std::get<CommandLine::PrintRequest>(outcome), argv[0]);
}
