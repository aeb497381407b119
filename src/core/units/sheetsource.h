// What the sheets of a printed set are drawn from: plain settings, perhaps filtered, or school units.
#pragma once

#include "sheet/sheetplan.h"
#include "units/question.h"
#include "units/questionfilter.h"

#include <QList>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

struct Unit;

class SheetSource
{
public:
    // Plain settings. Without a filter the generator draws as the practice window does; with one, the sheets draw
    // evenly from the generator's possible questions that pass it. Throws RuntimeError as QuestionSet::ofGenerator.
    static SheetSource plain(SheetPlan plan, const QuestionFilter &filter = {});

    // Units, at least one: each question first draws a unit, each equally likely, then one of its questions that
    // pass the filter. The time is the mean of the units' times, rounded down, unless fixedSeconds is given.
    static SheetSource ofUnits(QList<const Unit *> units, const QuestionFilter &filter,
                               std::optional<qint16> fixedSeconds = std::nullopt);

    // What the filter leaves without a question, to be refused: each such operator symbol of plain settings
    // (in the options' order), or each such unit's id.
    QStringList emptyParts() const { return m_empty; }

    const SheetPlan &plan() const { return m_plan; } // plain settings: the plan; units: only the time is set
    const QList<const Unit *> &units() const { return m_units; } // empty for plain settings
    const QuestionFilter &filter() const { return m_filter; }
    qint16 seconds() const { return m_plan.seconds; } // each sheet's time

    // Whether the sheets draw from listed questions (a unit or a filter) rather than through the generator.
    bool isListed() const { return m_listing != nullptr; }
    // Every listed question once; empty for the generator's draws.
    const std::vector<Question> &listed() const;
    // For each unit (one group for filtered plain settings), its questions as indices into listed().
    const std::vector<std::vector<int>> &groups() const;

private:
    struct Listing
    {
        std::vector<Question> questions;
        std::vector<std::vector<int>> groups;
    };

    // Lists the groups' questions once each, as shared by all copies of the source.
    void list(const std::vector<std::vector<Question>> &groups);

    SheetPlan m_plan;
    QList<const Unit *> m_units;
    QuestionFilter m_filter;
    QStringList m_empty;
    std::shared_ptr<const Listing> m_listing;
};
