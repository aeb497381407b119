// The sheets of a printed set, one after another: each one's questions, their answers and its time.
#pragma once

#include "questions/randomsource.h"
#include "units/questiondrawer.h"

#include <QStringList>

#include <cstdint>

struct PrintedSheet
{
    QStringList questions; // the 20 question texts in the window's order: 5 lines of 4, line by line
    QStringList answers;   // the answer each question expects, in the same order
    qint16 seconds = 0;    // the time allowed for the sheet
};

// Sheets drawn from a source started from seed (QuestionDrawer: no question twice on a sheet; the time rule and the
// answer rule as the practice window's): the same source and seed give the same sheets in the same order, so a set
// can be walked through twice (questions, then answers) without keeping it.
class SheetSeries
{
public:
    SheetSeries(SheetSource source, std::uint32_t seed);
    // Plain settings without a filter: the generator's draws.
    SheetSeries(const SheetPlan &plan, std::uint32_t seed);

    // The next sheet. Throws RuntimeError as QuestionDrawer::sheet does; a plan from SheetPlanner never makes it.
    PrintedSheet next();

private:
    qint16 m_seconds;
    QuestionDrawer m_drawer;
    RandomSource m_source;
};
