// The sheets of a printed set, one after another: each one's questions, their answers and its time.
#include "sheet/sheetseries.h"

#include "sheet/grading.h"
#include "sheet/sheetplan.h"
#include "units/sheetsource.h"

#include <utility>

SheetSeries::SheetSeries(SheetSource source, std::uint32_t seed)
    : m_seconds(source.seconds())
    , m_drawer(std::move(source))
    , m_source(seed)
{
}

SheetSeries::SheetSeries(const SheetPlan &plan, std::uint32_t seed)
    : SheetSeries(SheetSource::plain(plan), seed)
{
}

PrintedSheet SheetSeries::next()
{
    PrintedSheet sheet;
    sheet.seconds = m_seconds;
    sheet.questions = m_drawer.sheet(m_source);
    // Every question holds an operator, so it always has an answer.
    for (const QString &question : std::as_const(sheet.questions))
        sheet.answers.append(Grading::expectedAnswer(question).value_or(QString()));
    return sheet;
}
