// Carrying and borrowing, the one definition the units and the --regroup filter share.
#include "units/regrouping.h"

#include "shared/operators.h"
#include "units/question.h"

#include <algorithm>

bool Regrouping::inColumn(const Question &question, int place)
{
    const int first = question.first / place % 10;
    const int second = question.second / place % 10;
    if (question.op == Operators::plus)
        return first + second >= 10;
    if (question.op == Operators::minus)
        return first < second;
    return false;
}

bool Regrouping::inAnyColumn(const Question &question)
{
    const int largest = std::max(question.first, question.second);
    for (int place = 1; place <= largest; place *= 10) {
        if (inColumn(question, place))
            return true;
    }
    return false;
}
