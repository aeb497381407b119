// The options that ask for a printed set, checked by one set of rules for the command line and the print window:
// the sheets and their pages, the settings or units the questions are drawn from, and the filter of both.
#pragma once

#include "messages/commandlinemessages.h"
#include "request/printjob.h"
#include "sheet/sheetplan.h"

#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

namespace SetOptions {

// Option name without dashes ("sheets", "per-page", "no-answers") -> value as typed; a switch's value is empty; an
// absent key is an option not given. Keys of other options (pdf, printer) are not read.
using Options = QHash<QString, QString>;

struct Fault
{
    QString option; // its name without dashes
    QString message;
};

struct Checked
{
    SheetSettings settings;            // as the options dialog would hold them; with units, only its fixed time counts
    PrintJob job;                      // its seed and reprint command are the caller's to fill in
    std::optional<std::uint32_t> seed; // nothing: a new set each time
};

inline constexpr int mostSheets = 1000;
// How many sheets an A4 page may hold.
inline constexpr std::array<int, 3> perPageChoices{1, 2, 4};

// Checks sheets, seed, per-page, operators, digits, time, unit, max-number, regroup and no-answers: the set they ask
// for, or every bad option's fault, at most one an option, in the order the command line checks them (its first is
// the command line's refusal). An option whose check needs others (the sheet time needs the operators, digit counts
// and time; the questions left by the filter need all of those) is checked only when those are fine.
std::variant<Checked, QList<Fault>> check(const Options &options, CommandLineMessages::Wording wording);

} // namespace SetOptions
