#include "Fonts.h"

#include <QFont>
#include <QStringList>

namespace {

// the families the windows are designed with
constexpr QStringView kTahoma = u"Tahoma";
constexpr QStringView kGothic = u"ＭＳ ゴシック";
constexpr QStringView kProportionalGothic = u"ＭＳ Ｐゴシック";

} // namespace

void InstallFontSubstitutions()
{
    const QStringList proportional {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
        QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"), QStringLiteral("DejaVu Sans")};
    // The IPA fonts are drawn to the metrics of the two Gothic fonts the windows were laid out
    // with, so paragraphs keep their line count; Noto is the fallback.
    const QStringList gothic {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
        QStringLiteral("VL Gothic"), QStringLiteral("Noto Sans CJK JP"), QStringLiteral("DejaVu Sans Mono")};
    const QStringList proportionalGothic {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
        QStringLiteral("VL PGothic"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(kTahoma.toString(), proportional);
    QFont::insertSubstitutions(kProportionalGothic.toString(), proportionalGothic);
    QFont::insertSubstitutions(kGothic.toString(), gothic);
}

QList<QFont> DesignFonts()
{
    const int points = 12;
    return {QFont(kTahoma.toString(), points), QFont(kTahoma.toString(), points, QFont::Bold),
        QFont(kGothic.toString(), points), QFont(kProportionalGothic.toString(), points)};
}
