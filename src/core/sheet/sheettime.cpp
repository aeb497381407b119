// Sheet time in seconds and the countdown text of the practice window's clock.
#include "sheet/sheettime.h"

#include "shared/numbers.h"
#include "shared/operators.h"
#include "shared/runtimeerror.h"

#include <QString>
#include <QStringView>

#include <cmath>

namespace {

// Seconds allowed for one question of an operator, by the digit counts of its operands.
double allowance(QChar op, double first, qint16 second)
{
    const double digits = first + second;
    if (op == Operators::plus || op == Operators::minus)
        return 20.0 * digits + 25.0;
    if (op == Operators::times)
        return 10.0 * std::pow(2.0, digits) + 40.0;
    return 10.0 * std::pow(2.0, std::fabs(first - second) + 2.0) + 40.0;
}

QString twoDigits(int value)
{
    const QString digits = QString::number(value);
    return value < 10 ? QLatin1Char('0') + digits : digits;
}

int piece(QStringView text)
{
    return Numbers::toInt16(Numbers::leadingNumber(text));
}

} // namespace

qint16 SheetTime::computed(QStringView operatorSet, double first, qint16 second)
{
    // The mean needs at least one operator; the planner never asks without one.
    if (operatorSet.isEmpty())
        throw RuntimeError(RuntimeError::Kind::InvalidCall);
    qint16 sum = 0;
    for (const char16_t op : Operators::inOptionOrder) {
        if (operatorSet.contains(QChar(op)))
            sum = Numbers::toInt16(double(sum) + allowance(op, first, second));
    }
    return qint16(sum / int(operatorSet.size()));
}

QString SheetTime::countdownText(qint16 seconds)
{
    if (seconds < 60)
        return (seconds >= 10 ? QStringLiteral("00:") : QStringLiteral("00:0")) + QString::number(seconds);
    return twoDigits(seconds / 60) + u':' + twoDigits(seconds % 60);
}

std::optional<QString> SheetTime::countdownStep(QStringView caption)
{
    // Five characters are mm:ss by position. Only sheets of more than 99 minutes write longer
    // captions; their minutes are everything before the colon, so 100:01 runs on as 100:00.
    const qsizetype colon = caption.indexOf(u':');
    const bool longMinutes = caption.size() > 5 && colon > 2;
    int minutes = piece(longMinutes ? caption.first(colon) : caption.mid(0, 2));
    int seconds = piece(longMinutes ? caption.mid(colon + 1, 2) : caption.mid(3, 2));

    if (minutes == 0 && seconds == 0)
        return std::nullopt;
    if (seconds > 0) {
        --seconds;
    } else if (minutes > 0) {
        --minutes;
        seconds = 59;
    }
    return twoDigits(minutes) + u':' + twoDigits(seconds);
}
