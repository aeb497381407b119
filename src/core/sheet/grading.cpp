// Working out a question's expected answer and the sheet's score from texts alone.
#include "sheet/grading.h"

#include "shared/numbers.h"
#include "shared/operators.h"
#include "shared/runtimeerror.h"

#include <QString>
#include <QStringView>

#include <cmath>

namespace {

QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

double compute(double a, QChar op, double b)
{
    if (op == Operators::divide) {
        if (b == 0.0)
            throw RuntimeError(a == 0.0 ? RuntimeError::Kind::Overflow : RuntimeError::Kind::DivisionByZero);
        return a / b;
    }
    if (op == Operators::times)
        return a * b;
    if (op == Operators::plus)
        return a + b;
    return a - b;
}

} // namespace

std::optional<QString> Grading::expectedAnswer(QStringView question)
{
    const QStringView q = trimBlanks(question);
    const double a = Numbers::leadingNumber(q);
    for (const char16_t symbol : Operators::inGradingOrder) {
        const qsizetype at = q.indexOf(QChar(symbol));
        if (at < 0)
            continue;
        const double r = compute(a, QChar(symbol), Numbers::leadingNumber(q.sliced(at + 1)));
        if (!std::isfinite(r))
            throw RuntimeError(RuntimeError::Kind::Overflow);
        QString e = Numbers::plainText(r);
        const qsizetype point = e.indexOf(u'.');
        if (point >= 0 && e.size() - point - 1 > 3)
            e = Numbers::fixedTwo(r);
        return e;
    }
    return std::nullopt;
}

bool Grading::isCorrect(QStringView answer, QStringView expected)
{
    return trimBlanks(answer) == expected;
}

QString Grading::scoreText(int correct, int rows)
{
    return Numbers::fixedTwo(100.0 / rows * correct);
}

bool Grading::isFullScore(QStringView scoreText)
{
    return Numbers::leadingNumber(scoreText) == 100.0;
}
