// How the set's options and their values are written: the choices an option offers, the filter as options, and the
// conditions that shape a set, in the command line's words or the print window's.
#pragma once

#include "messages/commandlinemessages.h"
#include "units/questionfilter.h"

#include <QString>

struct SheetSettings;

namespace OptionWords {

// "1、2 或 4", for the help and the message.
QString perPageChoice();
// The ways --regroup takes: as the help lists them, "none、all 或 any", or as the window's words,
// "“一处也没有”、“每题至少一处”或“不限”".
QString regroupChoice(CommandLineMessages::Wording wording);
// What each way of carrying and borrowing is called in the window and the help ("一处也没有" for none).
QString regroupWords(QuestionFilter::Regroup regroup);
// The options that ask for the filter, each after a blank (" --max-number 20 --regroup none"); nothing without one.
QString filterOptions(const QuestionFilter &filter);
// The filter's conditions, after the digit counts of plain settings when given: "--digits 1,1 --max-number 20", or
// in the window's words "位数 1,1、最大数 20、进位退位每题至少一处".
QString conditions(const QuestionFilter &filter, const SheetSettings *plain, CommandLineMessages::Wording wording);

} // namespace OptionWords
