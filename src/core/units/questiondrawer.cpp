// Draws one sheet's questions after another from a sheet source, without repeating a question on a sheet.
#include "units/questiondrawer.h"

#include "questions/prmain.h"
#include "questions/randomsource.h"
#include "shared/runtimeerror.h"
#include "sheet/sheetshape.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// One of count positions, each equally likely, from one draw.
size_t position(size_t count, RandomSource &random)
{
    return size_t(std::floor(double(count) * double(random.next())));
}

} // namespace

QuestionDrawer::QuestionDrawer(SheetSource source)
    : m_source(std::move(source))
    , m_orders(m_source.groups())
    , m_used(m_orders.size())
    , m_spent(m_orders.size())
    , m_roundOf(m_source.listed().size())
{
}

QStringList QuestionDrawer::sheet(RandomSource &random)
{
    if (m_source.isListed() && m_source.listed().empty())
        throw RuntimeError(RuntimeError::Kind::InvalidCall);
    QStringList sheet;
    startRound();
    for (int i = 0; i < SheetShape::rowsPerSheet; ++i)
        sheet.append(m_source.isListed() ? drawnFromList(random) : drawnByGenerator(sheet, random));
    return sheet;
}

QString QuestionDrawer::drawnByGenerator(const QStringList &sheet, RandomSource &random) const
{
    // The generator's rules and distribution, less what the sheet has. Any digit counts give at least 23 different
    // questions (÷ with one digit each gives the fewest), so a new one always comes.
    const SheetPlan &plan = m_source.plan();
    for (;;) {
        QString question = PrMain::MakeQuestion(plan.firstCount, plan.secondCount, plan.operatorSet, random);
        if (!sheet.contains(question))
            return question;
    }
}

QString QuestionDrawer::drawnFromList(RandomSource &random)
{
    if (m_fresh == 0)
        startRound();
    // A group is drawn among those with something left; one that turns out to have nothing is left out and the
    // draw made again. Every question not yet taken is in some group's untaken part, so a draw always succeeds.
    for (;;) {
        size_t pick = position(size_t(std::count(m_spent.begin(), m_spent.end(), false)), random);
        size_t group = 0;
        while (m_spent[group] || pick-- > 0)
            ++group;
        if (const std::optional<int> index = taken(group, random)) {
            m_roundOf[size_t(*index)] = m_round;
            --m_fresh;
            return m_source.listed()[size_t(*index)].text();
        }
        m_spent[group] = true;
    }
}

std::optional<int> QuestionDrawer::taken(size_t group, RandomSource &random)
{
    // One step of a shuffle at a time: a question drawn from the untaken part joins the taken part. When another
    // group took it already this round, it stays there and the draw is made again among the rest.
    std::vector<int> &order = m_orders[group];
    size_t &used = m_used[group];
    while (used < order.size()) {
        std::swap(order[used], order[used + position(order.size() - used, random)]);
        const int index = order[used++];
        if (m_roundOf[size_t(index)] != m_round)
            return index;
    }
    return std::nullopt;
}

void QuestionDrawer::startRound()
{
    ++m_round;
    m_fresh = m_roundOf.size();
    std::fill(m_used.begin(), m_used.end(), 0);
    std::fill(m_spent.begin(), m_spent.end(), false);
}
