// The program's own command-line options: printed sheets, help, version and the list of units.
#pragma once

#include "request/printjob.h"
#include "request/setoptions.h"
#include "sheet/sheetplan.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <variant>

namespace CommandLine {

// What --pdf asks for, checked: the settings as the options dialog would hold them, and the job they give.
struct PrintRequest
{
    QString file;                      // --pdf: where the set is written
    QString printer;                   // --printer: the CUPS queue it goes to instead
    SheetSettings settings;            // with --unit, only its fixed time counts
    PrintJob job;                      // its seed and reprint command are the run's to fill in
    std::optional<std::uint32_t> seed; // nothing: a new set at every run
};

// A usage error: the exit status and the one line that names the problem.
struct Refusal
{
    int status = 2;
    QString message;
};

// What --print asks for: the print window, its controls filled in with the set's options as given, unchecked (the
// window shows each bad value's message beside its control).
struct PrintWindow
{
    SetOptions::Options options;
};

enum class Info { Help, Version, Units };

using Outcome = std::variant<Info, PrintRequest, Refusal, PrintWindow>;

// Whether the arguments (the program's name first) are for the command line rather than a window: any argument
// in GNU long form, "--…", or -h, unless --print is among them without the help, the version or the units. The
// windows keep Qt's own options, which take one dash ("-platform xcb"); the print window's arguments are read once
// Qt has taken those.
bool wanted(const QStringList &arguments);

// Reads the arguments (the program's name first). Every value is checked before anything is written; a digit
// count or a time that the options dialog's OK would refuse is refused with the dialog's message. With --print,
// only the arguments themselves are checked: an unknown option, a stray argument, or --pdf or --printer beside it.
Outcome parse(const QStringList &arguments);

QString helpText();
QString versionText();
// What --units prints: a line a unit, its id, its printed name, an example question and its note.
QString unitsText();

// The command that prints the same set again: the request's options with its seed, and the version as a shell
// comment at its end (" # sumora 1.1.0"), since another version draws other sets.
QString reprintCommand(const PrintRequest &request, std::uint32_t seed);

} // namespace CommandLine
