#include "Fonts.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutions()
{
    const QStringList proportional{QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
                                   QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
                                   QStringLiteral("DejaVu Sans")};
    const QStringList fixedPitch{QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("IPAGothic"),
                                 QStringLiteral("VL Gothic"), QStringLiteral("Noto Sans CJK JP"),
                                 QStringLiteral("DejaVu Sans Mono")};
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), proportional);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), proportional);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), fixedPitch);
}
