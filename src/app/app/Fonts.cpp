#include "Fonts.h"

#include <QFont>
#include <QStringList>

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
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), proportional);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), proportionalGothic);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), gothic);
}

QList<QFont> DesignFonts()
{
    const int points = 12;
    return {QFont(QStringLiteral("Tahoma"), points), QFont(QStringLiteral("Tahoma"), points, QFont::Bold),
        QFont(QStringLiteral("ＭＳ ゴシック"), points), QFont(QStringLiteral("ＭＳ Ｐゴシック"), points)};
}
