// The program's design font "宋体" at a point size: the Song-style glyphs the windows draw, built into the program.
#include "controls/designfont.h"

#include <QFont>
#include <QFontDatabase>

namespace {

// The glyphs the windows draw, taken from AR PL UMing CN under this name when the program is built: they render
// exactly as the system's collection does, without loading its 21 MB. UMing keeps the line heights of "宋体" and
// is narrower than what fontconfig picks for it, so every label fits its place. Anything typed that the built-in
// glyphs lack comes from the system's fallback fonts. No substitutes are named: Qt would make fallback lists for
// them with every font it resolves, a tenth of the start-up.
constexpr char16_t builtInFamily[] = u"AR PL UMing Sumora";

void registerBuiltInFont()
{
    static const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/song-subset.ttf"));
    Q_UNUSED(id);
}

} // namespace

QFont DesignFont::song(double pointSize, bool bold)
{
    registerBuiltInFont();
    QFont font(QString::fromUtf16(builtInFamily));
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}
