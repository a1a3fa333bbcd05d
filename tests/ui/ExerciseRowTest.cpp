#include "ui/ExerciseRow.h"

#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

QFont font(int pixels)
{
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

/// Whether \a text, at \a pixels and wrapped when \a wrapped, is shown whole in \a rect, inside a
/// frame of \a frame on each side.
bool shownWhole(const QString &text, int pixels, QRect rect, bool wrapped, int frame = 0)
{
    rect.adjust(frame, frame, -frame, -frame);
    const QRect needed
        = QFontMetrics(font(pixels))
              .boundingRect(QRect(0, 0, rect.width(), 10000), (wrapped ? Qt::TextWordWrap : 0) | Qt::AlignLeft, text);
    return needed.width() <= rect.width() && needed.height() <= rect.height();
}

} // namespace

TEST(ExerciseRow, TheExerciseAndTheVerdictNeverCoverOrCutEachOther)
{
    const QRect row(84, 6, 972, 28);
    const QString shortTitle = QStringLiteral("[20001] 『こころ』　夏目 漱石 著");
    const QString longTitle = QStringLiteral("[23456] 『") + QString(60, u'長') + QStringLiteral("：")
        + QString(27, u'副') + QStringLiteral("』　アーヴィング ワシントン 訳");
    const QString shortVerdict = QStringLiteral("正解です！");
    const QString longVerdict
        = QStringLiteral("302.22「政治・経済・社会・文化事情」ではなく 302.21「政治・経済・社会・文化"
                         "事情」：5桁目（地理区分）から違います。地理区分 22「中国」ではなく 21「朝鮮」");
    for (const QString &title : {shortTitle, longTitle}) {
        for (const QString &verdict : {QString(), shortVerdict, longVerdict}) {
            const ExerciseRowFit fit = FitExerciseRow(title, verdict, font(15), font(13), row);
            EXPECT_TRUE(row.contains(fit.exercise));
            EXPECT_TRUE(shownWhole(title, fit.exercisePixels, fit.exercise, fit.wrapped, fit.wrapped ? 1 : 0))
                << title.size();
            EXPECT_GE(fit.exercisePixels, 9);
            if (verdict.isEmpty())
                continue;
            EXPECT_TRUE(row.contains(fit.verdict));
            EXPECT_FALSE(fit.exercise.intersects(fit.verdict));
            EXPECT_TRUE(shownWhole(verdict, fit.verdictPixels, fit.verdict, fit.wrapped)) << verdict.size();
        }
    }
    const ExerciseRowFit plain = FitExerciseRow(shortTitle, shortVerdict, font(15), font(13), row);
    EXPECT_FALSE(plain.wrapped);
    EXPECT_EQ(plain.exercisePixels, 15) << "what fits keeps its size";
}
