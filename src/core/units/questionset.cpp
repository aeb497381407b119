// Every question some rules allow, listed once, so that a sheet can draw from them evenly.
#include "units/questionset.h"

#include "shared/numbers.h"
#include "shared/operators.h"
#include "shared/runtimeerror.h"
#include "units/questionfilter.h"
#include "units/unit.h"

#include <QStringView>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The numbers of exactly digits digits: 10 to 99 for two.
struct Range
{
    int low = 1;
    int high = 9;
};

Range digitRange(int digits)
{
    Range range;
    for (int i = 1; i < digits; ++i) {
        range.low *= 10;
        range.high = range.high * 10 + 9;
    }
    return range;
}

// The generator's reading of a count: a count below 2 is one digit.
int digitsOf(QStringView count)
{
    const int digits = std::max(int(Numbers::toInt16(Numbers::leadingNumber(count))), 1);
    if (digits > 3)
        throw RuntimeError(RuntimeError::Kind::InvalidCall);
    return digits;
}

// What the generator writes for the operands x and y drawn in this order, as in PrMain::MakeQuestion; for ×
// and ÷, y is already cut to its first two digits.
std::optional<Question> generated(char16_t op, int x, int y)
{
    const int larger = std::max(x, y);
    const int smaller = std::min(x, y);
    switch (op) {
    case Operators::plus:
    case Operators::times:
        return Question{x, op, y};
    case Operators::minus:
        return x == y ? std::nullopt : std::optional(Question{larger, op, smaller});
    default:
        return Question{larger / smaller * smaller, op, smaller};
    }
}

} // namespace

QuestionSet::QuestionSet(std::vector<Question> questions)
    : m_questions(std::move(questions))
{
    const auto byKey = [](const Question &a, const Question &b) { return a.key() < b.key(); };
    std::sort(m_questions.begin(), m_questions.end(), byKey);
    m_questions.erase(std::unique(m_questions.begin(), m_questions.end()), m_questions.end());
}

QuestionSet QuestionSet::ofUnit(const Unit &unit, const QuestionFilter &filter)
{
    std::vector<Question> questions;
    for (const QChar op : unit.operators) {
        for (int first = 1; first <= Unit::largestOperand; ++first) {
            for (int second = 1; second <= Unit::largestOperand; ++second) {
                // The generator's contract first: － stays positive, ÷ comes out exactly.
                if ((op == Operators::minus && first <= second) || (op == Operators::divide && first % second != 0))
                    continue;
                const Question question{first, op.unicode(), second};
                if (unit.allows(question) && filter.passes(question))
                    questions.push_back(question);
            }
        }
    }
    return QuestionSet(std::move(questions));
}

QuestionSet QuestionSet::ofGenerator(QStringView firstCount, QStringView secondCount, char16_t op,
                                     const QuestionFilter &filter)
{
    if (!Operators::isOperator(op))
        throw RuntimeError(RuntimeError::Kind::InvalidCall);
    const Range xs = digitRange(digitsOf(firstCount));
    const int secondDigits = digitsOf(secondCount);
    // × and ÷ keep only the first two digits of the second operand: every two-digit start occurs.
    const bool cut = op == Operators::times || op == Operators::divide;
    const Range ys = digitRange(cut ? std::min(secondDigits, 2) : secondDigits);
    std::vector<Question> questions;
    for (int x = xs.low; x <= xs.high; ++x) {
        for (int y = ys.low; y <= ys.high; ++y) {
            const std::optional<Question> question = generated(op, x, y);
            if (question && filter.passes(*question))
                questions.push_back(*question);
        }
    }
    return QuestionSet(std::move(questions));
}

QStringList QuestionSet::texts() const
{
    QStringList texts;
    texts.reserve(size());
    for (const Question &question : m_questions)
        texts.append(question.text());
    return texts;
}
