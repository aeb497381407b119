// The options that decide what a printed set's questions are drawn from: plain settings or school units, and the
// filter of both.
#pragma once

#include "app/commandline.h"
#include "units/sheetsource.h"

#include <QString>

#include <variant>

class ArgumentReader;
struct QuestionFilter;
struct SheetPlan;
struct SheetSettings;

namespace QuestionOptions {

// The settings --operators, --digits and --time ask for, from the options dialog's start values, or why they
// cannot be used.
std::variant<SheetSettings, CommandLine::Refusal> settingsFrom(const ArgumentReader &read);

// What the sheets draw from: the plain settings' plan (already checked), or the units of --unit; filtered by
// --max-number and --regroup, and each operator or unit left with questions. A fixed time counts for units too.
std::variant<SheetSource, CommandLine::Refusal> sourceFrom(const ArgumentReader &read, const SheetSettings &settings,
                                                           const SheetPlan &plan);

// The options that ask for the filter, each after a blank (" --max-number 20 --regroup none"); nothing without one.
QString filterOptions(const QuestionFilter &filter);

// The names --regroup takes, as the help and its message list them.
QString regroupChoice();

} // namespace QuestionOptions
