// The program's design font "宋体" at a point size: the Song-style glyphs the windows draw, built into the program.
#include "controls/designfont.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {

// The glyphs the windows draw, taken from AR PL UMing CN under this name when the program is built: they render
// exactly as the system's collection does, without loading its 21 MB. UMing keeps the line heights of "宋体" and
// is narrower than what fontconfig picks for it, so every label fits its place.
constexpr char16_t builtInFamily[] = u"AR PL UMing Sumora";
constexpr char16_t designFamily[] = u"宋体";

// Families for anything else typed into a box: "宋体" itself where it is installed, else a Song-style face.
void prepare()
{
    static const bool prepared = [] {
        QFontDatabase::addApplicationFont(QStringLiteral(":/song-subset.ttf"));
        QFont::insertSubstitutions(
                QString::fromUtf16(designFamily),
                {QStringLiteral("AR PL UMing CN"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
        return true;
    }();
    Q_UNUSED(prepared);
}

} // namespace

QFont DesignFont::song(double pointSize, bool bold)
{
    prepare();
    QFont font(QString::fromUtf16(builtInFamily));
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}
