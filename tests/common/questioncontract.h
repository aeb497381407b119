// The question generator's contract, checked from outside: the form of every question, and what the settings make of
// it.
#pragma once

#include "shared/operators.h"

#include <QString>
#include <QStringView>

#include <algorithm>

namespace QuestionContract {

// Where the first of the four operators stands in question, or -1.
inline qsizetype operatorIndex(QStringView question)
{
    const auto at =
            std::find_if(question.begin(), question.end(), [](QChar c) { return Operators::isOperator(c.unicode()); });
    return at == question.end() ? -1 : at - question.begin();
}

// What is wrong with question as a question of any settings, or an empty text. It must be an operand, one of the
// four operators and an operand, nothing else; each operand in ASCII digits without a leading zero, 1 to 32767; under
// "－" the first operand the larger, under "÷" a multiple of the second, so that every answer is whole and at least 1.
inline QString formBreach(QStringView question)
{
    const qsizetype at = operatorIndex(question);
    if (at < 0)
        return QStringLiteral("operator missing");
    const QStringView left = question.first(at);
    const QStringView right = question.sliced(at + 1);
    for (const QStringView operand : {left, right}) {
        if (operand.isEmpty() || operand.front() == u'0')
            return QStringLiteral("empty operand or leading zero");
        if (!std::all_of(operand.begin(), operand.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return QStringLiteral("operand holds a character other than an ASCII digit");
        if (operand.size() > 5 || operand.toInt() > 32767)
            return QStringLiteral("operand outside 1..32767");
    }
    const int a = left.toInt();
    const int b = right.toInt();
    if (question[at] == Operators::minus && a <= b)
        return QStringLiteral("difference below 1");
    if (question[at] == Operators::divide && (a % b != 0 || a < b))
        return QStringLiteral("quotient not a whole number of at least 1");
    return {};
}

// What is wrong with question as one drawn from operatorSet with the digit counts firstCount and secondCount as the
// generator reads them (below 1: one digit), or an empty text. Besides the form: the operator is one of the set;
// "＋" keeps the counts in order, "－" may swap them; "×" and "÷" cut the second operand to at most two digits, and
// "÷" divides by the smaller of the two operands, so its divisor has exactly the fewer digits of the two.
inline QString breach(QStringView question, QStringView operatorSet, int firstCount, int secondCount)
{
    if (const QString form = formBreach(question); !form.isEmpty())
        return form;
    const qsizetype da = operatorIndex(question); // the first operand's digits
    const qsizetype db = question.size() - da - 1;
    const QChar op = question[da];
    if (!operatorSet.contains(op))
        return QStringLiteral("operator not in the set");
    const qsizetype first = std::max(firstCount, 1);
    const qsizetype second = std::max(secondCount, 1);
    const qsizetype cut = std::min<qsizetype>(second, 2);
    if (op == Operators::divide) {
        if (db != std::min(first, cut) || da < db || da > std::max(first, cut))
            return QStringLiteral("divisor or dividend has the wrong length");
        return {};
    }
    const bool counts = op == Operators::plus ? da == first && db == second
            : op == Operators::times          ? da == first && db == cut
                                              : std::minmax(da, db) == std::minmax(first, second);
    return counts ? QString() : QStringLiteral("digit counts differ from the settings");
}

} // namespace QuestionContract
