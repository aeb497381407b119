// Draws one sheet's questions after another from a sheet source, without repeating a question on a sheet.
#pragma once

#include "units/sheetsource.h"

#include <QStringList>

#include <optional>
#include <vector>

class RandomSource;

class QuestionDrawer
{
public:
    explicit QuestionDrawer(SheetSource source);

    // The next sheet's questions, in the sheet's order: 5 lines of 4, line by line. No question is repeated while
    // the rules allow 20 or more; otherwise every one appears before any repeats. Throws RuntimeError as the
    // generator does, or InvalidCall when the listed rules leave no question at all.
    QStringList sheet(RandomSource &random);

private:
    QString drawnByGenerator(const QStringList &sheet, RandomSource &random) const;
    QString drawnFromList(RandomSource &random);
    // A question of the group that this round has not taken yet, taken now; nothing when the group has none.
    std::optional<int> taken(size_t group, RandomSource &random);
    void startRound();

    SheetSource m_source;
    // Each group's questions (indices into the source's list), in an order that only ever changes by exchanges:
    // the first m_used[g] of them are those it has taken in this round.
    std::vector<std::vector<int>> m_orders;
    std::vector<size_t> m_used;
    std::vector<bool> m_spent;      // groups found to have nothing left for this round
    std::vector<quint32> m_roundOf; // for each listed question, the last round that took it
    quint32 m_round = 0;            // a round starts with each sheet, and again once it has taken every question
    size_t m_fresh = 0;             // listed questions this round has not taken
};
