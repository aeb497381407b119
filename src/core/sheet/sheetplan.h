// Turns the options dialog's settings into what one sheet build needs, before the sheet is touched.
#pragma once

#include <QString>

#include <array>
#include <optional>

class RandomSource;

struct SheetSettings
{
    std::array<bool, 4> ticks{}; // "加", "减", "乘", "除" ticked, in option order (Operators::inOptionOrder)
    QString firstCount;          // text of the first digit box
    QString secondCount;         // text of the second digit box
    bool fixedTime = false;      // "做题用时：" ticked
    QString fixedSeconds;        // text of the fixed-time box, in seconds

    // The options dialog's start values: "加" and "减" ticked, both digit boxes "1", no fixed time (its box "70").
    static SheetSettings atStart();
};

struct SheetPlan
{
    QString operatorSet; // enabled symbols in the order ＋ － × ÷
    QString firstCount;  // count texts handed to the question generator
    QString secondCount;
    qint16 seconds = 0; // time on the clock at the start of the sheet

    bool operator==(const SheetPlan &) const = default;
};

namespace SheetPlanner {

// The most digits an operand has. A digit box never holds a larger number: one typed there becomes this.
inline constexpr int largestDigitCount = 2;

// What a digit box holds once text is typed into it: "2" for a leading number above largestDigitCount, else text.
QString limitedDigitCount(const QString &text);

// Nothing when no operator is ticked. A count of 0 (either box) means three digits against one.
// Throws SettingsError, naming the box, for any value that leaves the 16-bit range on the way.
std::optional<SheetPlan> plan(const SheetSettings &settings);

// One sheet's questions drawn from source by the plan, in the sheet's order: 5 lines of 4, line by line.
QStringList questions(const SheetPlan &plan, RandomSource &source);

} // namespace SheetPlanner
