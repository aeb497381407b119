// One school unit: the questions a class practises for weeks, such as 20以内进位加法.
#pragma once

#include <QLatin1StringView>
#include <QStringView>

struct Question;

struct Unit
{
    QLatin1StringView id;  // for the command line, in ASCII: "carry20"
    QStringView name;      // as printed on the sheet: "20以内进位加法"
    QStringView operators; // its symbols, in the options' order
    // The rule of its questions, asked only for its own operators and for questions that already keep the
    // generator's contract (both numbers 1 to largestOperand, － positive, ÷ exact).
    bool (*allows)(const Question &question);
    qint16 firstDigits; // the two digit counts the sheet-time rule takes for it
    qint16 secondDigits;
    QStringView example; // one of its questions, for the list of units
    QStringView note;    // what that list says besides, or nothing

    // No unit's numbers go beyond this; the list of a unit's questions looks no further.
    static constexpr int largestOperand = 100;
};
