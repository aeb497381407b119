// The program run from the command line: printed sheets to a file or a printer queue, help, version and the list of
// units, without a window.
#include "app/commandlinemode.h"

#include "app/commandline.h"
#include "messages/commandlinemessages.h"
#include "messages/printmessages.h"
#include "print/outputfile.h"
#include "print/printerqueue.h"
#include "request/printjob.h"

#include <QFont>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QRawFont>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <cstdint>
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

// The sheets' face, and the Debian package that has it. Without it Qt would take a whole other face, and draw the
// characters that one lacks as boxes.
constexpr QStringView designFamily = u"AR PL UMing CN";
constexpr QStringView designPackage = u"fonts-arphic-uming";

// Whether the face that fontconfig gives for the sheets' family is that family: what is drawn, not what is asked.
bool designFaceFound()
{
    QFont font(designFamily.toString());
    font.setStyleStrategy(QFont::NoFontMerging);
    return QRawFont::fromFont(font).familyName() == designFamily;
}

// Hands the set to a CUPS queue without waiting for it to print: a stopped queue holds the job, which is said.
int send(const QString &queue, const PrintJob &job)
{
    QString warning;
    if (const std::optional<QString> failure = PrinterQueue(queue).send(job, &warning)) {
        refuse(*failure);
        return 1;
    }
    if (!warning.isEmpty())
        refuse(warning);
    return 0;
}

// bytes as text, each byte that is not part of a UTF-8 character written as "\xff": the name as the user typed it.
QString withByteEscapes(QByteArrayView bytes)
{
    QString shown;
    for (qsizetype i = 0; i < bytes.size();) {
        qsizetype length = 4; // the longest character; a shorter one decodes whole first
        QString character;
        for (qsizetype n = 1; n <= std::min<qsizetype>(4, bytes.size() - i) && character.isEmpty(); ++n) {
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString decoded = utf8.decode(bytes.sliced(i, n));
            if (!utf8.hasError() && !decoded.isEmpty()) {
                character = decoded;
                length = n;
            }
        }
        if (character.isEmpty()) {
            shown += QStringLiteral("\\x%1").arg(uint(std::uint8_t(bytes[i])), 2, 16, QChar(u'0'));
            length = 1;
        }
        shown += character;
        i += length;
    }
    return shown;
}

int print(const CommandLine::PrintRequest &request, char *program)
{
    // The offscreen platform draws and finds fonts through fontconfig as any other, and needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtMessages = qInstallMessageHandler(criticalOnly);
    int argc = 1; // Qt's own options are the window's
    char *argv[] = {program, nullptr};
    const QGuiApplication app(argc, argv);
    if (!designFaceFound()) {
        refuse(PrintMessages::missingFont(designFamily.toString(), designPackage.toString()));
        return 1;
    }

    PrintJob job = request.job;
    // A new set at every run unless asked for one again; the seed is printed on every page.
    job.seed = request.seed ? *request.seed : QRandomGenerator::system()->generate();
    if (!request.printer.isEmpty()) {
        job.reprint = CommandLine::reprintCommand(request, job.seed);
        return send(request.printer, job);
    }
    const OutputFile output(request.file);
    // The same set again goes to standard output too: /dev/fd/63 of a process substitution will be another.
    CommandLine::PrintRequest again = request;
    if (output.isStream())
        again.file = QStringLiteral("-");
    job.reprint = CommandLine::reprintCommand(again, job.seed);
    if (const std::optional<QString> failure = output.writeSet(job)) {
        refuse(*failure);
        return 1;
    }
    return 0;
}

// Writes the help, the version or the list of units to standard output, and gives the exit status.
int inform(CommandLine::Info info)
{
    switch (info) {
    case CommandLine::Info::Help:
        say(stdout, CommandLine::helpText());
        break;
    case CommandLine::Info::Version:
        say(stdout, CommandLine::versionText());
        break;
    case CommandLine::Info::Units:
        say(stdout, CommandLine::unitsText());
        break;
    }
    // A full disk or a closed pipe: buffered, the write fails only here.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        refuse(CommandLineMessages::outputFailed());
        return 1;
    }
    return 0;
}

} // namespace

int CommandLineMode::refused(const CommandLine::Refusal &refusal)
{
    refuse(refusal.message);
    return refusal.status;
}

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
            undecodable = withByteEscapes(QByteArrayView(argv[i]));
    }
    if (!CommandLine::wanted(arguments))
        return std::nullopt;
    if (undecodable) {
        refuse(CommandLineMessages::notUtf8(*undecodable));
        return 2;
    }

    const CommandLine::Outcome outcome = CommandLine::parse(arguments);
    if (const auto *info = std::get_if<CommandLine::Info>(&outcome))
        return inform(*info);
    if (const auto *refusal = std::get_if<CommandLine::Refusal>(&outcome))
        return refused(*refusal);
    return print(std::get<CommandLine::PrintRequest>(outcome), argv[0]);
}
