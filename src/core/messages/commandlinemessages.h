// What the command line tells its user about arguments it cannot use: each one sentence in Chinese.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QStringView;
class SettingsError;
struct Unit;

namespace CommandLineMessages {

// How a message names an option: as typed on the command line ("--sheets"), or as the print window's control that
// holds its value ("张数"). A message about the set's values reads the same either way otherwise.
enum class Wording { Option, Control };

// option: its name without dashes ("per-page"). With its dashes, or its control's name (an option that no control
// holds keeps its dashes).
QString optionName(QStringView option, Wording wording);

// The operators' symbols and their ASCII forms, for the help and the operator messages.
QString operatorChoice();
// "a、b 或 c": the values an option takes, for its help and its message.
QString alternatives(const QStringList &values);

QString notUtf8(QStringView argument);
QString unknownOption(QStringView option);
QString missingValue(QStringView option);
QString unexpectedValue(QStringView option);
QString strayArgument(QStringView argument);
QString noFile();
QString fileAndPrinter();
// --print opens the window, which asks where the set goes.
QString printWithDestination();

// The set's values, each message naming the option in the wording asked for.
QString sheetsOutOfRange(QStringView value, int most, Wording wording = Wording::Option);
QString seedOutOfRange(QStringView value, Wording wording = Wording::Option);
QString perPageNotAChoice(QStringView value, QStringView choices, Wording wording = Wording::Option);
QString maxNumberOutOfRange(QStringView value, Wording wording = Wording::Option);
QString notARegroup(QStringView value, QStringView choices, Wording wording = Wording::Option);
// option: one of the plain settings' options, without its dashes, given together with --unit.
QString unitWithPlainOption(QStringView option, Wording wording = Wording::Option);
QString notAUnit(QStringView id, Wording wording = Wording::Option);
// The options that shape the set (conditions, as "--digits 1,1 --regroup all", or in the window's words) leave
// these operators' symbols, or these units, without a single question.
QString emptyOperators(const QStringList &symbols, QStringView conditions);
QString emptyUnits(const QList<const Unit *> &units, QStringView conditions);
QString noOperator(Wording wording = Wording::Option);
QString notAnOperator(QStringView character, Wording wording = Wording::Option);
QString notTwoCounts(QStringView value, Wording wording = Wording::Option);
QString countNotANumber(QStringView value, Wording wording = Wording::Option);
QString timeNotANumber(QStringView value, Wording wording = Wording::Option);
QString timeBelowOneSecond(QStringView value, Wording wording = Wording::Option);
// The digit counts give a sheet time below 1 second: seconds of it.
QString computedTimeTooShort(QStringView firstCount, QStringView secondCount, int seconds,
                             Wording wording = Wording::Option);
// The options dialog's message, naming the option that stands for its box.
QString settings(const SettingsError &error, Wording wording = Wording::Option);
// Standard output refused the help, the version or the list of units.
QString outputFailed();

} // namespace CommandLineMessages
