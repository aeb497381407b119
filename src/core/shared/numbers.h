// How the program reads texts as numbers, converts them to 16-bit integers and writes them back.
#pragma once

#include <QtGlobal>

#include <cstdint>
#include <optional>

class QString;
class QStringView;

namespace Numbers {

// The leading-number rule: blanks, tabs and line feeds are skipped wherever they stand, then the
// longest leading part that forms a number (sign, ASCII digits, point, exponent) is read.
// A text without one reads as 0; a magnitude beyond double precision reads as +-infinity.
double leadingNumber(QStringView text);

// The text when the leading-number rule reads all of it, without its blanks ("1 2" gives "12"); nothing when it
// holds no number or anything after the number ("3abc", "1e").
std::optional<QString> numberOnly(QStringView text);

// A count, a seed or a limit as an option takes it: ASCII digits only, as many leading zeros as given, fitting in
// 32 bits; nothing for any other text (a blank, a sign, a point, an empty text).
std::optional<std::uint32_t> wholeNumber(QStringView text);

// Rounds half to even into -32768..32767; throws RuntimeError(Overflow) outside it or on NaN.
qint16 toInt16(double value);

// Plain decimal form: at most 15 significant digits, no exponent, no trailing zeros,
// "-" for negatives, "0" before the point of a fraction. Infinite values throw Overflow.
QString plainText(double value);

// The "#0.00" form: at least one digit before the point, exactly two after it.
QString fixedTwo(double value);

} // namespace Numbers
