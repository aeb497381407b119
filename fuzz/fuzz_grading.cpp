// Fuzz target: the expected answer of any question text, and of generated-looking "a<op>b" texts against integer
// arithmetic.
#include "fuzzcheck.h"

#include "shared/numbers.h"
#include "shared/operators.h"
#include "shared/runtimeerror.h"
#include "sheet/grading.h"

#include <QString>

#include <cmath>
#include <exception>
#include <optional>

using namespace FuzzCheck;

namespace {

constexpr char16_t operators[] = {Operators::plus, Operators::minus, Operators::times, Operators::divide};

bool holdsOperator(const QString &text)
{
    for (const char16_t op : operators) {
        if (text.contains(QChar(op)))
            return true;
    }
    return false;
}

// An answer is "-"? digits ("." 1 to 3 digits)?: more than three decimals are cut to two.
bool isAnswerForm(const QString &text)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    const qsizetype start = i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 0x80)
        ++i;
    if (i == start)
        return false;
    if (i == text.size())
        return true;
    if (text[i] != u'.')
        return false;
    const qsizetype point = i++;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    const qsizetype decimals = i - point - 1;
    return i == text.size() && decimals >= 1 && decimals <= 3;
}

struct Outcome
{
    std::optional<QString> answer;
    std::optional<RuntimeError::Kind> error;
};

// expectedAnswer either returns or throws RuntimeError; any other exception is a finding.
Outcome grade(const QString &question)
{
    Outcome outcome;
    try {
        outcome.answer = Grading::expectedAnswer(question);
    } catch (const RuntimeError &error) {
        outcome.error = error.kind();
    } catch (const std::exception &error) {
        fail("expectedAnswer threw something other than RuntimeError",
             question + QStringLiteral(" / ") + QString::fromUtf8(error.what()));
    } catch (...) {
        fail("expectedAnswer threw a non-standard exception", question);
    }
    return outcome;
}

void checkAnyText(const QString &question)
{
    const Outcome outcome = grade(question);
    if (outcome.error) {
        require(*outcome.error != RuntimeError::Kind::InvalidCall, "grading threw InvalidCall", question);
        require(holdsOperator(question), "a text without an operator threw", question);
        return;
    }
    require(outcome.answer.has_value() == holdsOperator(question), "an answer exactly when an operator is there",
            question);
    if (outcome.answer) {
        require(isAnswerForm(*outcome.answer), "the answer is not a plain decimal of at most three decimals",
                question + QStringLiteral(" → ") + *outcome.answer);
        require(Grading::isCorrect(QStringLiteral("  ") + *outcome.answer + QStringLiteral(" "), *outcome.answer),
                "the answer itself is not correct", *outcome.answer);
    }
}

// "a<op>b" with 16-bit operands, blanks around it or not: the answer is integer arithmetic.
void checkArithmetic(ByteReader &in)
{
    const int a = int(int16_t(in.word()));
    const int b = int(int16_t(in.word()));
    const uint8_t shape = in.byte();
    const char16_t op = operators[shape % 4];
    QString question = QString::number(a) + QChar(op) + QString::number(b);
    if (shape & 4)
        question = QStringLiteral("  ") + question + QStringLiteral("  ");

    const Outcome outcome = grade(question);
    if (op == Operators::divide && b == 0) {
        const auto expected = a == 0 ? RuntimeError::Kind::Overflow : RuntimeError::Kind::DivisionByZero;
        require(outcome.error == expected, "a division by zero did not give its error", question);
        return;
    }
    require(!outcome.error && outcome.answer, "a question of two integers gave no answer", question);
    if (op == Operators::divide && a % b != 0) {
        const double read = Numbers::leadingNumber(*outcome.answer);
        require(std::fabs(read - double(a) / b) <= 0.005 + 1e-12, "a quotient is off by more than 0.005",
                question + QStringLiteral(" → ") + *outcome.answer);
        return;
    }
    const long long exact = op == Operators::plus ? (long long)a + b
            : op == Operators::minus              ? (long long)a - b
            : op == Operators::times              ? (long long)a * b
                                                  : (long long)a / b;
    require(*outcome.answer == QString::number(exact), "an integer result was not written as its digits",
            question + QStringLiteral(" → ") + *outcome.answer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkAnyText(fromUtf8(data, size));
    checkAnyText(fromUtf16Units(data, size));

    ByteReader in(data, size);
    checkArithmetic(in);
    return 0;
}
