// The program's design font "宋体" at a point size, resolved to an installed Song-style face.
#include "controls/designfont.h"

#include <QFont>
#include <QStringList>

namespace {

constexpr char16_t designFamily[] = u"宋体";

// fontconfig maps "宋体" to a sans face far wider than the design's metrics; the Song-style
// faces below keep its line heights and are narrower, so every label fits its place.
void installSubstitutes()
{
    static const bool installed = [] {
        QFont::insertSubstitutions(
                QString::fromUtf16(designFamily),
                {QStringLiteral("AR PL UMing CN"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

QFont DesignFont::song(double pointSize, bool bold)
{
    installSubstitutes();
    QFont font(QString::fromUtf16(designFamily));
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}
