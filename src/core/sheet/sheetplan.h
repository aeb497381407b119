// Turns the options dialog's settings into what one sheet build needs, before the sheet is touched.
#pragma once

#include <QString>

#include <optional>

struct SheetSettings
{
    bool add = false;       // "加" ticked
    bool subtract = false;  // "减" ticked
    bool multiply = false;  // "乘" ticked
    bool divide = false;    // "除" ticked
    QString firstCount;     // text of the first digit box
    QString secondCount;    // text of the second digit box
    bool fixedTime = false; // "做题用时：" ticked
    QString fixedSeconds;   // text of the fixed-time box, in seconds
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

// Nothing when no operator is ticked. A count of 0 (either box) means three digits against one.
// Throws SettingsError, naming the box, for any value that leaves the 16-bit range on the way.
std::optional<SheetPlan> plan(const SheetSettings &settings);

// What a digit box makes of the text typed into it: "2" for a number above 2, anything else as it is.
QString limitedDigitCount(const QString &text);

} // namespace SheetPlanner
