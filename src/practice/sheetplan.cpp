// Turns the options dialog's settings into what one sheet build needs, before the sheet is touched.
#include "practice/sheetplan.h"

#include "practice/settingserror.h"
#include "practice/sheettime.h"
#include "questions/prmain.h"
#include "shared/numbers.h"
#include "shared/runtimeerror.h"


namespace {

template<typename Step>
auto checked(SettingsError::Box box, const QString &value, Step step)
{
    try {
        return step();
    } catch (const RuntimeError &) {
        throw SettingsError(box, value);
    }
}

} // namespace

std::optional<SheetPlan> SheetPlanner::plan(const SheetSettings &settings)
{
    SheetPlan plan;
    if (settings.add)
        plan.operatorSet += QChar(PrMain::plus);
    if (settings.subtract)
        plan.operatorSet += QChar(PrMain::minus);
    if (settings.multiply)
        plan.operatorSet += QChar(PrMain::times);
    if (settings.divide)
        plan.operatorSet += QChar(PrMain::divide);
    if (plan.operatorSet.isEmpty())
        return std::nullopt;

    using Box = SettingsError::Box;
    double first = Numbers::leadingNumber(settings.firstCount);
    qint16 second = checked(Box::SecondCount, settings.secondCount,
                            [&] { return Numbers::toInt16(Numbers::leadingNumber(settings.secondCount)); });
    if (first == 0.0 || second == 0) {
        first = 3.0;
        second = 1;
    }
    // The generator reads the first count back into 16 bits.
    plan.firstCount = checked(Box::FirstCount, settings.firstCount, [&] {
        QString text = Numbers::plainText(first);
        Numbers::toInt16(Numbers::leadingNumber(text));
        return text;
    });
    plan.secondCount = Numbers::plainText(second);

    const QString counts = settings.firstCount + QStringLiteral("”与“") + settings.secondCount;
    plan.seconds = checked(Box::DigitCounts, counts,
                           [&] { return SheetTime::computed(plan.operatorSet, first, second); });
    if (settings.fixedTime) {
        plan.seconds = checked(Box::FixedTime, settings.fixedSeconds,
                               [&] { return Numbers::toInt16(Numbers::leadingNumber(settings.fixedSeconds)); });
    }
    if (plan.seconds == 6000)
        plan.seconds = 5990;
    return plan;
}
