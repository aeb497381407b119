// What the command line tells its user about arguments it cannot use: each one sentence in Chinese.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QStringView;
class SettingsError;
struct Unit;

namespace CommandLineMessages {

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
QString sheetsOutOfRange(QStringView value, int most);
QString seedOutOfRange(QStringView value);
QString perPageNotAChoice(QStringView value, QStringView choices);
QString maxNumberOutOfRange(QStringView value);
QString notARegroup(QStringView value, QStringView choices);
// option: one of the plain settings' options, with its dashes, given together with --unit.
QString unitWithPlainOption(QStringView option);
QString notAUnit(QStringView id);
// The options that shape the set (conditions, as "--digits 1,1 --regroup all") leave these operators' symbols, or
// these units, without a single question.
QString emptyOperators(const QStringList &symbols, QStringView conditions);
QString emptyUnits(const QList<const Unit *> &units, QStringView conditions);
QString noOperator();
QString notAnOperator(QStringView character);
QString notTwoCounts(QStringView value);
QString countNotANumber(QStringView value);
QString timeNotANumber(QStringView value);
QString timeBelowOneSecond(QStringView value);
// The digit counts give a sheet time below 1 second: seconds of it.
QString computedTimeTooShort(QStringView firstCount, QStringView secondCount, int seconds);
// The options dialog's message, naming the option that stands for its box.
QString settings(const SettingsError &error);
// Standard output refused the help, the version or the list of units.
QString outputFailed();

} // namespace CommandLineMessages
