// One listed question: two numbers and an operator, written as the generator writes its questions.
#pragma once

#include "shared/operators.h"

#include <QString>

struct Question
{
    int first = 0;   // the number before the operator
    char16_t op = 0; // one of the four symbols of shared/operators.h
    int second = 0;  // the number after it

    // "74＋9": plain decimal numbers and the symbol between them, nothing else.
    QString text() const { return QString::number(first) + QChar(op) + QString::number(second); }

    // The whole-number result; listed questions keep the generator's contract, so ÷ divides exactly.
    int answer() const
    {
        switch (op) {
        case Operators::plus:
            return first + second;
        case Operators::minus:
            return first - second;
        case Operators::times:
            return first * second;
        default:
            return first / second;
        }
    }

    // One number for each question, ordered by operator (in the options' order), then by the two numbers; the
    // numbers of a question are 16-bit, below 32768.
    quint32 key() const
    {
        quint32 index = 0;
        while (index < Operators::inOptionOrder.size() && Operators::inOptionOrder[index] != op)
            ++index;
        return index << 30 | quint32(first) << 15 | quint32(second);
    }

    bool operator==(const Question &) const = default;
};
