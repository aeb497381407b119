// How the set's options and their values are written: the choices an option offers, the filter as options, and the
// conditions that shape a set, in the command line's words or the print window's.
#include "request/optionwords.h"

#include "messages/quoting.h"
#include "request/setoptions.h"
#include "sheet/sheetplan.h"

#include <QStringList>

namespace Messages = CommandLineMessages;
using Messages::Wording;
using Regroup = QuestionFilter::Regroup;

namespace {

// Each condition as an option with its value, or as a control's name with its value.
QStringList parts(const QuestionFilter &filter, const SheetSettings *plain, Wording wording)
{
    QStringList parts;
    if (plain)
        parts.append(Messages::optionName(u"digits", wording)
                     + QStringLiteral(" %1,%2").arg(plain->firstCount, plain->secondCount));
    if (filter.maxNumber)
        parts.append(Messages::optionName(u"max-number", wording) + u' ' + QString::number(*filter.maxNumber));
    if (filter.regroup != Regroup::Any) {
        // "进位退位每题至少一处" reads as one phrase.
        parts.append(Messages::optionName(u"regroup", wording)
                     + (wording == Wording::Option ? u' ' + QuestionFilter::regroupName(filter.regroup)
                                                   : OptionWords::regroupWords(filter.regroup)));
    }
    return parts;
}

} // namespace

QString OptionWords::perPageChoice()
{
    QStringList counts;
    for (const int count : SetOptions::perPageChoices)
        counts.append(QString::number(count));
    return Messages::alternatives(counts);
}

QString OptionWords::regroupChoice(Wording wording)
{
    QStringList ways;
    for (const Regroup way : {Regroup::None, Regroup::All, Regroup::Any}) {
        ways.append(wording == Wording::Option ? QuestionFilter::regroupName(way) : Quoting::quoted(regroupWords(way)));
    }
    if (wording == Wording::Option)
        return Messages::alternatives(ways);
    // Quoted Chinese words take no blanks around "或".
    return ways.first(ways.size() - 1).join(u'、') + u'或' + ways.last();
}

QString OptionWords::regroupWords(Regroup regroup)
{
    switch (regroup) {
    case Regroup::None:
        return QStringLiteral("一处也没有");
    case Regroup::All:
        return QStringLiteral("每题至少一处");
    case Regroup::Any:
        break;
    }
    return QStringLiteral("不限");
}

QString OptionWords::filterOptions(const QuestionFilter &filter)
{
    QString options;
    for (const QString &part : parts(filter, nullptr, Wording::Option))
        options += u' ' + part;
    return options;
}

QString OptionWords::conditions(const QuestionFilter &filter, const SheetSettings *plain, Wording wording)
{
    return parts(filter, plain, wording).join(wording == Wording::Option ? u' ' : u'、');
}
