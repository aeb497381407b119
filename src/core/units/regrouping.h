// Carrying and borrowing, the one definition the units and the --regroup filter share.
#pragma once

struct Question;

namespace Regrouping {

// Whether the column of place (1 the ones, 10 the tens, ...) regroups: a ＋ question carries there when its two
// digits there add up to 10 or more; a － question borrows there when the first number's digit is smaller than the
// second's. × and ÷ never regroup.
bool inColumn(const Question &question, int place);

// The ones column: what the units mean by carrying (进位) and borrowing (退位).
inline bool inOnes(const Question &question)
{
    return inColumn(question, 1);
}

// Any column. A column that regroups only because of the one below it is never the first to do so, so looking at
// the digits alone finds every question that regroups.
bool inAnyColumn(const Question &question);

} // namespace Regrouping
