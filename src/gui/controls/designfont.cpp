// The program's design font "宋体" at a point size: the Song-style glyphs the windows draw, built into the program.
#include "controls/designfont.h"

#include <QFont>
#include <QFontDatabase>

#if defined(SUMORA_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace {

// The glyphs the windows draw, taken from AR PL UMing CN under this name when the program is built: they render
// exactly as the system's collection does, without loading its 21 MB. UMing keeps the line heights of "宋体" and
// is narrower than what fontconfig picks for it, so every label fits its place. No substitutes are named in Qt: it
// would make fallback lists for them with every font it resolves, a tenth of the start-up.
constexpr char16_t builtInFamily[] = u"AR PL UMing Sumora";

#if defined(SUMORA_HAVE_FONTCONFIG)
// Anything typed that the built-in glyphs lack (other Han characters, full-width letters and digits, Greek, "€")
// comes from the whole AR PL UMing CN where it has the character, and only then from the system's other fonts:
// fontconfig puts it first in the fallback list it gives Qt for the built-in family. Without this rule fontconfig
// knows nothing of the family and hands Qt its default order, where DejaVu Sans and Droid Sans Fallback come first.
// Qt asks for that list only when a character is missing, so the rule costs the start-up nothing.
constexpr char fallbackRule[] = "<fontconfig><alias binding=\"same\"><family>AR PL UMing Sumora</family>"
                                "<accept><family>AR PL UMing CN</family></accept></alias></fontconfig>";
#endif

void registerBuiltInFont()
{
    static const int id = [] {
#if defined(SUMORA_HAVE_FONTCONFIG)
        FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(), reinterpret_cast<const FcChar8 *>(fallbackRule), FcTrue);
#endif
        return QFontDatabase::addApplicationFont(QStringLiteral(":/song-subset.ttf"));
    }();
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
