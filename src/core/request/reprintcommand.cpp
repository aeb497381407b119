// The command that prints a set again, for the printed file's properties: the destination, the set's options and
// its seed.
#include "request/reprintcommand.h"

#include "request/optionwords.h"
#include "request/setoptions.h"
#include "units/unit.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

// A word the shell keeps as it is: ASCII letters and digits, and "_.,+-".
bool plainWord(const QString &word)
{
    return std::ranges::all_of(word, [](QChar c) {
        return c.unicode() < 0x80 && (c.isLetterOrNumber() || QStringView(u"_.,+-").contains(c));
    });
}

} // namespace

QString ReprintCommand::of(Destination destination, const QString &name, const SetOptions::Checked &set,
                           std::uint32_t seed)
{
    const bool toPrinter = destination == Destination::Printer;
    QString word = toPrinter ? name : QFileInfo(name).fileName();
    if (!plainWord(word))
        word = u'\'' + word.replace(QStringLiteral("'"), QStringLiteral("'\\''")) + u'\'';
    const SheetSource &source = set.job.source;
    // One arg() call: a file name may itself hold "%1".
    QString command = QStringLiteral("sumora %1 %2 --sheets %3 --per-page %4")
                              .arg(toPrinter ? QStringLiteral("--printer") : QStringLiteral("--pdf"), word,
                                   QString::number(set.job.sheets), QString::number(set.job.perPage));
    if (source.units().isEmpty()) {
        command += QStringLiteral(" --operators %1 --digits %2,%3")
                           .arg(source.plan().operatorSet, set.settings.firstCount, set.settings.secondCount);
    } else {
        QStringList ids;
        for (const Unit *unit : source.units())
            ids.append(unit->id);
        command += QStringLiteral(" --unit ") + ids.join(u',');
    }
    command += OptionWords::filterOptions(source.filter());
    if (set.settings.fixedTime)
        command += QStringLiteral(" --time ") + set.settings.fixedSeconds;
    command += QStringLiteral(" --seed %1").arg(seed);
    if (!set.job.answers)
        command += QStringLiteral(" --no-answers");
    return command + QStringLiteral(" # sumora " SUMORA_VERSION);
}
