// The sheets of a printed set, one after another: each one's questions, their answers and its time.
#include "sheet/sheetseries.h"

#include "sheet/grading.h"

#include <utility>

SheetSeries::SheetSeries(SheetPlan plan, std::uint32_t seed)
    : m_plan(std::move(plan))
    , m_source(seed)
{
}

PrintedSheet SheetSeries::next()
{
    PrintedSheet sheet;
    sheet.seconds = m_plan.seconds;
    sheet.questions = SheetPlanner::questions(m_plan, m_source);
    // Every generated question holds an operator, so it always has an answer.
    for (const QString &question : std::as_const(sheet.questions))
        sheet.answers.append(Grading::expectedAnswer(question).value_or(QString()));
    return sheet;
}
