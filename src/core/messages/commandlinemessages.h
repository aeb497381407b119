// What the command line tells its user about arguments it cannot use: each one sentence in Chinese.
#pragma once

#include <QString>

class QStringView;
class SettingsError;

namespace CommandLineMessages {

// The operators' symbols and their ASCII forms, for the help and the operator messages.
QString operatorChoice();

QString notUtf8(QStringView argument);
QString unknownOption(QStringView option);
QString missingValue(QStringView option);
QString unexpectedValue(QStringView option);
QString strayArgument(QStringView argument);
QString noFile();
QString fileAndPrinter();
QString sheetsOutOfRange(QStringView value, int most);
QString seedOutOfRange(QStringView value);
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
// Standard output refused the help or the version.
QString outputFailed();

} // namespace CommandLineMessages
