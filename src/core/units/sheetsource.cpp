// What the sheets of a printed set are drawn from: plain settings, perhaps filtered, or school units.
#include "units/sheetsource.h"

#include "shared/runtimeerror.h"
#include "sheet/sheettime.h"
#include "units/questionset.h"
#include "units/unit.h"

#include <algorithm>
#include <utility>

SheetSource SheetSource::plain(SheetPlan plan, const QuestionFilter &filter)
{
    SheetSource source;
    source.m_plan = std::move(plan);
    source.m_filter = filter;
    if (!filter.isSet())
        return source;
    // All operators make one group: the sheets draw evenly from every question, whichever its operator.
    std::vector<Question> questions;
    for (const QChar op : std::as_const(source.m_plan.operatorSet)) {
        const QuestionSet set =
                QuestionSet::ofGenerator(source.m_plan.firstCount, source.m_plan.secondCount, op.unicode(), filter);
        if (set.isEmpty())
            source.m_empty.append(QString(op));
        questions.insert(questions.end(), set.questions().begin(), set.questions().end());
    }
    source.list({questions});
    return source;
}

SheetSource SheetSource::ofUnits(QList<const Unit *> units, const QuestionFilter &filter,
                                 std::optional<qint16> fixedSeconds)
{
    if (units.isEmpty())
        throw RuntimeError(RuntimeError::Kind::InvalidCall);
    SheetSource source;
    source.m_units = std::move(units);
    source.m_filter = filter;
    std::vector<std::vector<Question>> groups;
    int seconds = 0;
    for (const Unit *unit : std::as_const(source.m_units)) {
        groups.push_back(QuestionSet::ofUnit(*unit, filter).questions());
        if (groups.back().empty())
            source.m_empty.append(QString(unit->id));
        seconds += SheetTime::computed(unit->operators, unit->firstDigits, unit->secondDigits);
    }
    source.m_plan.seconds = fixedSeconds.value_or(qint16(seconds / int(source.m_units.size())));
    source.list(groups);
    return source;
}

const std::vector<Question> &SheetSource::listed() const
{
    static const std::vector<Question> none;
    return m_listing ? m_listing->questions : none;
}

const std::vector<std::vector<int>> &SheetSource::groups() const
{
    static const std::vector<std::vector<int>> none;
    return m_listing ? m_listing->groups : none;
}

void SheetSource::list(const std::vector<std::vector<Question>> &groups)
{
    // Units may share questions (7＋3 is in 10 and in 20): a shared one is listed once, so that a sheet can tell
    // it has it already, whichever unit drew it.
    auto listing = std::make_shared<Listing>();
    std::vector<quint32> keys;
    for (const std::vector<Question> &group : groups) {
        for (const Question &question : group)
            keys.push_back(question.key());
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    listing->questions.resize(keys.size());
    for (const std::vector<Question> &group : groups) {
        std::vector<int> &indices = listing->groups.emplace_back();
        for (const Question &question : group) {
            const auto index = int(std::lower_bound(keys.begin(), keys.end(), question.key()) - keys.begin());
            listing->questions[size_t(index)] = question;
            indices.push_back(index);
        }
    }
    m_listing = std::move(listing);
}
