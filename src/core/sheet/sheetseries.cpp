// The sheets of a printed set, one after another: each one's questions, their answers and its time.
#include "sheet/sheetseries.h"

#include "questions/prmain.h"
#include "sheet/grading.h"
#include "sheet/sheetlayout.h"

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
    for (int i = 0; i < SheetLayout::rowsPerSheet; ++i) {
        const QString question =
                PrMain::MakeQuestion(m_plan.firstCount, m_plan.secondCount, m_plan.operatorSet, m_source);
        // Every generated question holds an operator, so it always has an answer.
        sheet.answers.append(Grading::expectedAnswer(question).value_or(QString()));
        sheet.questions.append(question);
    }
    return sheet;
}
