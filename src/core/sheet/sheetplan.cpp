// Turns the options dialog's settings into what one sheet build needs, before the sheet is touched.
#include "sheet/sheetplan.h"

#include "questions/prmain.h"
#include "shared/numbers.h"
#include "shared/operators.h"
#include "shared/runtimeerror.h"
#include "sheet/settingserror.h"
#include "sheet/sheetshape.h"
#include "sheet/sheettime.h"

namespace {

template<typename Step>
auto checked(SettingsError::Box box, const QStringList &values, Step step)
{
    try {
        return step();
    } catch (const RuntimeError &) {
        throw SettingsError(box, values);
    }
}

} // namespace

SheetSettings SheetSettings::atStart()
{
    return {{true, true, false, false}, QStringLiteral("1"), QStringLiteral("1"), false, QStringLiteral("70")};
}

QString SheetPlanner::limitedDigitCount(const QString &text)
{
    return Numbers::leadingNumber(text) > largestDigitCount ? QString::number(largestDigitCount) : text;
}

std::optional<SheetPlan> SheetPlanner::plan(const SheetSettings &settings)
{
    SheetPlan plan;
    for (size_t i = 0; i < settings.ticks.size(); ++i) {
        if (settings.ticks[i])
            plan.operatorSet += QChar(Operators::inOptionOrder[i]);
    }
    if (plan.operatorSet.isEmpty())
        return std::nullopt;

    using Box = SettingsError::Box;
    double first = Numbers::leadingNumber(settings.firstCount);
    qint16 second = checked(Box::SecondCount, {settings.secondCount},
                            [&] { return Numbers::toInt16(Numbers::leadingNumber(settings.secondCount)); });
    if (first == 0.0 || second == 0) {
        first = 3.0;
        second = 1;
    }
    // The generator reads the first count back into 16 bits.
    plan.firstCount = checked(Box::FirstCount, {settings.firstCount}, [&] {
        QString text = Numbers::plainText(first);
        Numbers::toInt16(Numbers::leadingNumber(text));
        return text;
    });
    plan.secondCount = Numbers::plainText(second);

    plan.seconds = checked(Box::DigitCounts, {settings.firstCount, settings.secondCount},
                           [&] { return SheetTime::computed(plan.operatorSet, first, second); });
    if (settings.fixedTime) {
        plan.seconds = checked(Box::FixedTime, {settings.fixedSeconds},
                               [&] { return Numbers::toInt16(Numbers::leadingNumber(settings.fixedSeconds)); });
    }
    // 6000 s would be written "100:00", longer than the clock's two-digit minutes; 99:50 is the longest it shows.
    if (plan.seconds == 6000)
        plan.seconds = 5990;
    return plan;
}

QStringList SheetPlanner::questions(const SheetPlan &plan, RandomSource &source)
{
    QStringList questions;
    for (int i = 0; i < SheetShape::rowsPerSheet; ++i)
        questions.append(PrMain::MakeQuestion(plan.firstCount, plan.secondCount, plan.operatorSet, source));
    return questions;
}
