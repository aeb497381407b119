// The question generator: one random question text from two digit counts and a set of operators.
#include "questions/prmain.h"

#include "questions/randomsource.h"
#include "shared/numbers.h"
#include "shared/operators.h"
#include "shared/runtimeerror.h"

#include <QString>
#include <QStringView>

#include <algorithm>
#include <cmath>

namespace {

// An operand of max(count, 1) digits, drawn from the most significant digit; the first is 1 to 9.
qint16 drawOperand(qint16 count, RandomSource &source)
{
    int value = int(std::floor(9.0 * double(source.next()) + 1.0));
    for (int position = 2; position <= count; ++position) {
        value = value * 10 + int(std::floor(10.0 * double(source.next())));
        if (value > 32767)
            throw RuntimeError(RuntimeError::Kind::Overflow);
    }
    return qint16(value);
}

// "×" and "÷" never use more than the first two digits of the second operand.
int firstTwoDigits(int value)
{
    while (value > 99)
        value /= 10;
    return value;
}

QString join(int left, char16_t op, int right)
{
    return QString::number(left) + QChar(op) + QString::number(right);
}

bool holdsOperator(QStringView operatorSet)
{
    return std::any_of(operatorSet.begin(), operatorSet.end(),
                       [](QChar c) { return Operators::isOperator(c.unicode()); });
}

} // namespace

QString PrMain::MakeQuestion(QStringView firstCount, QStringView secondCount, QStringView operatorSet,
                             RandomSource &source)
{
    // Without one of the four symbols no attempt could ever succeed.
    if (!holdsOperator(operatorSet))
        throw RuntimeError(RuntimeError::Kind::InvalidCall);

    for (;;) {
        const double r = source.next();
        const auto position = qsizetype(std::floor(double(operatorSet.size()) * r));
        const QChar op = operatorSet[position];
        const qint16 firstDigits = Numbers::toInt16(Numbers::leadingNumber(firstCount));
        const qint16 secondDigits = Numbers::toInt16(Numbers::leadingNumber(secondCount));
        const int x = drawOperand(firstDigits, source);
        int y = drawOperand(secondDigits, source);

        if (op == Operators::minus) {
            if (x != y)
                return join(std::max(x, y), Operators::minus, std::min(x, y));
        } else if (op == Operators::plus) {
            return join(x, Operators::plus, y);
        } else if (op == Operators::times) {
            return join(x, Operators::times, firstTwoDigits(y));
        } else if (op == Operators::divide) {
            y = firstTwoDigits(y);
            const int larger = std::max(x, y);
            const int smaller = std::min(x, y);
            return join(larger / smaller * smaller, Operators::divide, smaller);
        }
    }
}
