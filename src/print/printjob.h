// What a printed set is made of: the sheet plan, the seed, how many sheets, and whether the answers come too.
#pragma once

#include "sheet/sheetplan.h"

#include <QString>

#include <cstdint>

struct PrintJob
{
    SheetPlan plan;         // operators, digit counts and time, as the options dialog's OK would use them
    std::uint32_t seed = 0; // where the questions' source starts
    int sheets = 1;
    bool answers = true; // answer pages after the question pages
    QString reprint;     // the command that makes the same set again, for the file's properties
};
