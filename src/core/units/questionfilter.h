// The filters a printed set may add to its rules: a largest number and the carrying and borrowing wanted.
#pragma once

#include <QString>

#include <optional>

struct Question;
class QStringView;

struct QuestionFilter
{
    // Which ＋ and － questions --regroup keeps; × and ÷ are kept whatever it says.
    enum class Regroup {
        Any,  // "any": carrying and borrowing or not
        None, // "none": no column carries or borrows
        All,  // "all": some column carries or borrows
    };

    std::optional<int> maxNumber; // --max-number: both numbers and the answer at most this
    Regroup regroup = Regroup::Any;

    // Whether the filter narrows anything: without one, plain sheets keep the generator's draws.
    bool isSet() const { return maxNumber.has_value() || regroup != Regroup::Any; }

    bool passes(const Question &question) const;

    // "none", "all" or "any" as --regroup takes them; nothing for any other text.
    static std::optional<Regroup> regroupFrom(QStringView name);
    static QString regroupName(Regroup regroup);
};
