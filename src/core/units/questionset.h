// Every question some rules allow, listed once, so that a sheet can draw from them evenly.
#pragma once

#include "units/question.h"

#include <QStringList>

#include <vector>

class QStringView;
struct QuestionFilter;
struct Unit;

class QuestionSet
{
public:
    QuestionSet() = default;

    // A unit's questions that pass the filter.
    static QuestionSet ofUnit(const Unit &unit, const QuestionFilter &filter);

    // Every question the generator can give for the two digit counts (as it reads them) and one operator symbol
    // that passes the filter. Throws RuntimeError: Overflow as the generator reads the counts, InvalidCall for a
    // count above 3 digits (the planner makes none) or a character that is no operator.
    static QuestionSet ofGenerator(QStringView firstCount, QStringView secondCount, char16_t op,
                                   const QuestionFilter &filter);

    qsizetype size() const { return qsizetype(m_questions.size()); }
    bool isEmpty() const { return m_questions.empty(); }
    const Question &at(qsizetype index) const { return m_questions[size_t(index)]; }
    const std::vector<Question> &questions() const { return m_questions; }

    // The question texts, ordered by operator, then by numbers.
    QStringList texts() const;

private:
    // Sorted by key, each question once.
    explicit QuestionSet(std::vector<Question> questions);

    std::vector<Question> m_questions;
};
