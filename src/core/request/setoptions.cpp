// The options that ask for a printed set, checked by one set of rules for the command line and the print window:
// the sheets and their pages, the settings or units the questions are drawn from, and the filter of both.
#include "request/setoptions.h"

#include "request/optionwords.h"
#include "shared/numbers.h"
#include "shared/operators.h"
#include "sheet/settingserror.h"
#include "units/unittable.h"

#include <algorithm>
#include <limits>

namespace Messages = CommandLineMessages;
using Messages::Wording;
using SetOptions::Fault;

namespace {

// The plain settings' options, which a unit decides for itself.
constexpr std::array<QStringView, 3> plainOnly{u"operators", u"digits", u"regroup"};

// The options being checked, the wording of their messages and the faults found so far.
struct Reading
{
    const SetOptions::Options &options;
    Wording wording;
    QList<Fault> faults;

    bool given(QStringView option) const { return options.contains(option.toString()); }
    QString value(QStringView option) const { return options.value(option.toString()); }
    bool fine(QStringView option) const
    {
        return std::ranges::none_of(faults, [&](const Fault &fault) { return fault.option == option; });
    }
    // An option's first fault is the one it reports.
    void fail(QStringView option, const QString &message)
    {
        if (fine(option))
            faults.append({option.toString(), message});
    }
};

void readPages(Reading &read, SetOptions::Checked &set)
{
    if (read.given(u"sheets")) {
        const QString sheets = read.value(u"sheets");
        const std::optional<std::uint32_t> count = Numbers::wholeNumber(sheets);
        if (!count || *count < 1 || *count > std::uint32_t(SetOptions::mostSheets))
            read.fail(u"sheets", Messages::sheetsOutOfRange(sheets, SetOptions::mostSheets, read.wording));
        else
            set.job.sheets = int(*count);
    }
    if (read.given(u"seed")) {
        set.seed = Numbers::wholeNumber(read.value(u"seed"));
        if (!set.seed)
            read.fail(u"seed", Messages::seedOutOfRange(read.value(u"seed"), read.wording));
    }
    if (read.given(u"per-page")) {
        const QString value = read.value(u"per-page");
        const std::optional<std::uint32_t> count = Numbers::wholeNumber(value);
        if (!count
            || std::ranges::none_of(SetOptions::perPageChoices, [&](int c) { return std::uint32_t(c) == *count; }))
            read.fail(u"per-page", Messages::perPageNotAChoice(value, OptionWords::perPageChoice(), read.wording));
        else
            set.job.perPage = int(*count);
    }
    set.job.answers = !read.given(u"no-answers");
}

// The settings --operators, --digits and --time ask for, from the options dialog's start values.
SheetSettings readSettings(Reading &read)
{
    SheetSettings settings = SheetSettings::atStart();
    if (read.given(u"operators")) {
        const QString operators = read.value(u"operators");
        if (operators.isEmpty())
            read.fail(u"operators", Messages::noOperator(read.wording));
        settings.ticks = {};
        const QList<uint> characters = operators.toUcs4(); // whole characters, beyond 16 bits too
        for (const char32_t c : characters) {
            const int index = Operators::optionIndex(c);
            if (index < 0)
                read.fail(u"operators", Messages::notAnOperator(QString::fromUcs4(&c, 1), read.wording));
            else
                settings.ticks[size_t(index)] = true;
        }
    }
    if (read.given(u"digits")) {
        const QString digits = read.value(u"digits");
        const QStringList counts = digits.split(u',');
        if (counts.size() != 2)
            read.fail(u"digits", Messages::notTwoCounts(digits, read.wording));
        QStringList limited;
        for (const QString &count : counts) {
            const std::optional<QString> number = Numbers::numberOnly(count);
            if (!number)
                read.fail(u"digits", Messages::countNotANumber(count, read.wording));
            // As the digit boxes make it the moment it is typed.
            limited.append(SheetPlanner::limitedDigitCount(number.value_or(QString())));
        }
        if (read.fine(u"digits")) {
            settings.firstCount = limited[0];
            settings.secondCount = limited[1];
        }
    }
    if (read.given(u"time")) {
        const QString time = read.value(u"time");
        const std::optional<QString> seconds = Numbers::numberOnly(time);
        if (!seconds)
            read.fail(u"time", Messages::timeNotANumber(time, read.wording));
        settings.fixedTime = true;
        settings.fixedSeconds = seconds.value_or(QString());
    }
    return settings;
}

// The sheet plan of the settings, when they and the sheet time they give can be used.
std::optional<SheetPlan> planOf(Reading &read, const SheetSettings &settings)
{
    if (!read.fine(u"operators") || !read.fine(u"digits") || !read.fine(u"time"))
        return std::nullopt;
    SheetPlan plan;
    try {
        // Never nothing: the options always tick an operator.
        plan = SheetPlanner::plan(settings).value();
    } catch (const SettingsError &error) {
        read.fail(error.box() == SettingsError::Box::FixedTime ? u"time" : u"digits",
                  Messages::settings(error, read.wording));
        return std::nullopt;
    }
    // The window would hand such a sheet in at once; on paper it would read 00:00 or less.
    if (plan.seconds >= 1)
        return plan;
    if (settings.fixedTime)
        read.fail(u"time", Messages::timeBelowOneSecond(settings.fixedSeconds, read.wording));
    else
        read.fail(
                u"digits",
                Messages::computedTimeTooShort(settings.firstCount, settings.secondCount, plan.seconds, read.wording));
    return std::nullopt;
}

// The --max-number and --regroup filter, when both can be used.
std::optional<QuestionFilter> readFilter(Reading &read)
{
    QuestionFilter filter;
    if (read.given(u"max-number")) {
        const QString value = read.value(u"max-number");
        const std::optional<std::uint32_t> most = Numbers::wholeNumber(value);
        if (!most || *most < 1)
            read.fail(u"max-number", Messages::maxNumberOutOfRange(value, read.wording));
        else // No question holds a number near the int range's end: a larger limit is that one.
            filter.maxNumber = int(std::min<std::uint32_t>(*most, std::numeric_limits<int>::max()));
    }
    if (read.given(u"regroup")) {
        const std::optional<QuestionFilter::Regroup> regroup = QuestionFilter::regroupFrom(read.value(u"regroup"));
        if (!regroup) {
            read.fail(u"regroup",
                      Messages::notARegroup(read.value(u"regroup"), OptionWords::regroupChoice(read.wording),
                                            read.wording));
        } else {
            filter.regroup = *regroup;
        }
    }
    if (!read.fine(u"max-number") || !read.fine(u"regroup"))
        return std::nullopt;
    return filter;
}

// What the sheets draw from: the plain settings' plan, or the units of --unit; filtered, and each operator or unit
// left with questions. A fixed time counts for units too.
std::optional<SheetSource> readSource(Reading &read, const SheetSettings &settings,
                                      const std::optional<SheetPlan> &plan)
{
    const bool units = read.given(u"unit");
    for (const QStringView option : plainOnly) {
        if (units && read.given(option))
            read.fail(option, Messages::unitWithPlainOption(option, read.wording));
    }
    const std::optional<QuestionFilter> filter = readFilter(read);
    std::optional<QList<const Unit *>> chosenUnits;
    if (units) {
        QString unknown;
        chosenUnits = UnitTable::parse(read.value(u"unit"), &unknown);
        if (!chosenUnits)
            read.fail(u"unit", Messages::notAUnit(unknown, read.wording));
    }
    const bool together = std::ranges::any_of(plainOnly, [&](QStringView option) { return read.given(option); });
    if (!plan || !filter || (units && (together || !chosenUnits)))
        return std::nullopt;
    if (!units) {
        SheetSource source = SheetSource::plain(*plan, *filter);
        if (!source.emptyParts().isEmpty()) {
            const QString shaping = OptionWords::conditions(*filter, &settings, read.wording);
            read.fail(u"operators", Messages::emptyOperators(source.emptyParts(), shaping));
            return std::nullopt;
        }
        return source;
    }
    SheetSource source = SheetSource::ofUnits(*chosenUnits, *filter,
                                              settings.fixedTime ? std::optional(plan->seconds) : std::nullopt);
    if (!source.emptyParts().isEmpty()) {
        QList<const Unit *> empty;
        for (const QString &id : source.emptyParts())
            empty.append(UnitTable::find(id));
        read.fail(u"unit", Messages::emptyUnits(empty, OptionWords::conditions(*filter, nullptr, read.wording)));
        return std::nullopt;
    }
    return source;
}

} // namespace

std::variant<SetOptions::Checked, QList<Fault>> SetOptions::check(const Options &options, Wording wording)
{
    Reading read{options, wording, {}};
    Checked set;
    readPages(read, set);
    set.settings = readSettings(read);
    const std::optional<SheetPlan> plan = planOf(read, set.settings);
    const std::optional<SheetSource> source = readSource(read, set.settings, plan);
    if (!read.faults.isEmpty())
        return read.faults;
    set.job.source = source.value(); // a source is missing only with a fault
    return set;
}
