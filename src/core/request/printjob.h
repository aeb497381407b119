// What a printed set is made of: what its questions are drawn from, the seed, how many sheets, how many a page, and
// whether the answers come too.
#pragma once

#include "units/sheetsource.h"

#include <QString>

#include <cstdint>

struct PrintJob
{
    SheetSource source;     // plain settings as the options dialog's OK would use them, or school units; the time
    std::uint32_t seed = 0; // where the questions' source starts
    int sheets = 1;
    int perPage = 2;     // sheets on an A4 page: 1, 2 or 4
    bool answers = true; // answer pages after the question pages
    QString reprint;     // the command that makes the same set again, for the file's properties
};
