// Sheet time in seconds and the countdown text of the practice window's clock.
#pragma once

#include <QtGlobal>

#include <optional>

class QString;
class QStringView;

namespace SheetTime {

// Mean allowance of the operators in operatorSet, in seconds, rounded down; first may carry a
// fraction. The running sum is held in 16 bits, so it throws RuntimeError(Overflow) like the counts.
qint16 computed(QStringView operatorSet, double first, qint16 second);

// The clock's text for a sheet time: minutes and seconds, each with at least two digits.
QString countdownText(qint16 seconds);

// One tick of the clock: the caption one second later, or nothing when it already reads zero
// and the sheet is due to be handed in.
std::optional<QString> countdownStep(QStringView caption);

} // namespace SheetTime
