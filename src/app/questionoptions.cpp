// The options that decide what a printed set's questions are drawn from: plain settings or school units, and the
// filter of both.
#include "app/questionoptions.h"

#include "app/argumentreader.h"
#include "messages/commandlinemessages.h"
#include "shared/numbers.h"
#include "shared/operators.h"
#include "units/unittable.h"

#include <algorithm>
#include <array>
#include <limits>

namespace Messages = CommandLineMessages;
using CommandLine::Refusal;

namespace {

// The plain settings' options, which a unit decides for itself.
constexpr std::array<QStringView, 3> plainOnly{u"operators", u"digits", u"regroup"};

// The --max-number and --regroup filter, or why it cannot be used.
std::variant<QuestionFilter, Refusal> filterFrom(const ArgumentReader &read)
{
    QuestionFilter filter;
    if (read.isSet(u"max-number")) {
        const QString value = read.value(u"max-number");
        const std::optional<std::uint32_t> most = ArgumentReader::wholeNumber(value);
        if (!most || *most < 1)
            return Refusal{2, Messages::maxNumberOutOfRange(value)};
        // No question holds a number near the int range's end: a larger limit is that one.
        filter.maxNumber = int(std::min<std::uint32_t>(*most, std::numeric_limits<int>::max()));
    }
    if (read.isSet(u"regroup")) {
        const std::optional<QuestionFilter::Regroup> regroup = QuestionFilter::regroupFrom(read.value(u"regroup"));
        if (!regroup)
            return Refusal{2, Messages::notARegroup(read.value(u"regroup"), QuestionOptions::regroupChoice())};
        filter.regroup = *regroup;
    }
    return filter;
}

} // namespace

std::variant<SheetSettings, Refusal> QuestionOptions::settingsFrom(const ArgumentReader &read)
{
    SheetSettings settings = SheetSettings::atStart();
    if (read.isSet(u"operators")) {
        const QString operators = read.value(u"operators");
        if (operators.isEmpty())
            return Refusal{2, Messages::noOperator()};
        settings.ticks = {};
        const QList<uint> characters = operators.toUcs4(); // whole characters, beyond 16 bits too
        for (const char32_t c : characters) {
            const int index = Operators::optionIndex(c);
            if (index < 0)
                return Refusal{2, Messages::notAnOperator(QString::fromUcs4(&c, 1))};
            settings.ticks[size_t(index)] = true;
        }
    }

    if (read.isSet(u"digits")) {
        const QString digits = read.value(u"digits");
        const QStringList counts = digits.split(u',');
        if (counts.size() != 2)
            return Refusal{2, Messages::notTwoCounts(digits)};
        QStringList limited;
        for (const QString &count : counts) {
            const std::optional<QString> number = Numbers::numberOnly(count);
            if (!number)
                return Refusal{2, Messages::countNotANumber(count)};
            // As the digit boxes make it the moment it is typed.
            limited.append(SheetPlanner::limitedDigitCount(*number));
        }
        settings.firstCount = limited[0];
        settings.secondCount = limited[1];
    }

    if (read.isSet(u"time")) {
        const QString time = read.value(u"time");
        const std::optional<QString> seconds = Numbers::numberOnly(time);
        if (!seconds)
            return Refusal{2, Messages::timeNotANumber(time)};
        settings.fixedTime = true;
        settings.fixedSeconds = *seconds;
    }
    return settings;
}

std::variant<SheetSource, Refusal> QuestionOptions::sourceFrom(const ArgumentReader &read,
                                                               const SheetSettings &settings, const SheetPlan &plan)
{
    const bool units = read.isSet(u"unit");
    for (const QStringView option : plainOnly) {
        if (units && read.isSet(option))
            return Refusal{2, Messages::unitWithPlainOption(QStringLiteral("--") + option.toString())};
    }
    auto filter = filterFrom(read);
    if (auto *refusal = std::get_if<Refusal>(&filter))
        return *refusal;
    const QuestionFilter &chosen = std::get<QuestionFilter>(filter);
    if (!units) {
        SheetSource source = SheetSource::plain(plan, chosen);
        if (!source.emptyParts().isEmpty()) {
            const QString digits = QStringLiteral("--digits %1,%2").arg(settings.firstCount, settings.secondCount);
            return Refusal{2, Messages::emptyOperators(source.emptyParts(), digits + filterOptions(chosen))};
        }
        return source;
    }
    QString unknown;
    const std::optional<QList<const Unit *>> chosenUnits = UnitTable::parse(read.value(u"unit"), &unknown);
    if (!chosenUnits)
        return Refusal{2, Messages::notAUnit(unknown)};
    SheetSource source =
            SheetSource::ofUnits(*chosenUnits, chosen, settings.fixedTime ? std::optional(plan.seconds) : std::nullopt);
    if (!source.emptyParts().isEmpty()) {
        QList<const Unit *> empty;
        for (const QString &id : source.emptyParts())
            empty.append(UnitTable::find(id));
        return Refusal{2, Messages::emptyUnits(empty, filterOptions(chosen).trimmed())};
    }
    return source;
}

QString QuestionOptions::filterOptions(const QuestionFilter &filter)
{
    QString options;
    if (filter.maxNumber)
        options += QStringLiteral(" --max-number ") + QString::number(*filter.maxNumber);
    if (filter.regroup != QuestionFilter::Regroup::Any)
        options += QStringLiteral(" --regroup ") + QuestionFilter::regroupName(filter.regroup);
    return options;
}

QString QuestionOptions::regroupChoice()
{
    using Regroup = QuestionFilter::Regroup;
    return Messages::alternatives({QuestionFilter::regroupName(Regroup::None),
                                   QuestionFilter::regroupName(Regroup::All),
                                   QuestionFilter::regroupName(Regroup::Any)});
}
