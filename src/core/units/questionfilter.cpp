// The filters a printed set may add to its rules: a largest number and the carrying and borrowing wanted.
#include "units/questionfilter.h"

#include "shared/operators.h"
#include "units/question.h"
#include "units/regrouping.h"

#include <QStringView>

#include <algorithm>
#include <array>

namespace {

struct RegroupName
{
    QuestionFilter::Regroup regroup;
    const char *name;
};

constexpr std::array<RegroupName, 3> regroupNames{{
        {QuestionFilter::Regroup::Any, "any"},
        {QuestionFilter::Regroup::None, "none"},
        {QuestionFilter::Regroup::All, "all"},
}};

} // namespace

bool QuestionFilter::passes(const Question &question) const
{
    if (maxNumber && std::max({question.first, question.second, question.answer()}) > *maxNumber)
        return false;
    if (regroup == Regroup::Any || (question.op != Operators::plus && question.op != Operators::minus))
        return true;
    return Regrouping::inAnyColumn(question) == (regroup == Regroup::All);
}

std::optional<QuestionFilter::Regroup> QuestionFilter::regroupFrom(QStringView name)
{
    for (const RegroupName &entry : regroupNames) {
        if (name == QLatin1StringView(entry.name))
            return entry.regroup;
    }
    return std::nullopt;
}

QString QuestionFilter::regroupName(Regroup regroup)
{
    for (const RegroupName &entry : regroupNames) {
        if (entry.regroup == regroup)
            return QString::fromLatin1(entry.name);
    }
    return {};
}
