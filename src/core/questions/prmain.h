// The question generator: one random question text from two digit counts and a set of operators.
#pragma once

class QString;
class QStringView;
class RandomSource;

namespace PrMain {

// Returns "x<op>y": operands without leading zeros and at least 1, a difference never below 1,
// a quotient always whole. Each attempt draws 1 + max(first, 1) + max(second, 1) values from
// source; attempts that give no text (equal operands under "－", characters that are no operator)
// are repeated. Throws RuntimeError: Overflow when a count or an operand leaves 16 bits,
// InvalidCall when operatorSet holds none of the four symbols.
QString MakeQuestion(QStringView firstCount, QStringView secondCount, QStringView operatorSet, RandomSource &source);

} // namespace PrMain
