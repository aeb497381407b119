// The sheets of a printed set, one after another: each one's questions, their answers and its time.
#pragma once

#include "questions/randomsource.h"
#include "sheet/sheetplan.h"

#include <QStringList>

#include <cstdint>

struct PrintedSheet
{
    QStringList questions; // the 20 question texts in the window's order: 5 lines of 4, line by line
    QStringList answers;   // the answer each question expects, in the same order
    qint16 seconds = 0;    // the time allowed for the sheet
};

// Sheets drawn as the practice window draws them (generator, time rule and answer rule), from a source started
// from seed: the same plan and seed give the same sheets in the same order, so a set can be walked through twice
// (questions, then answers) without keeping it.
class SheetSeries
{
public:
    SheetSeries(SheetPlan plan, std::uint32_t seed);

    // The next sheet. Throws RuntimeError as the generator does; a plan from SheetPlanner never makes it.
    PrintedSheet next();

private:
    SheetPlan m_plan;
    RandomSource m_source;
};
