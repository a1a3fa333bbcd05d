#include "TestSupport.h"

#include "index/ExampleBuilder.h"
#include "index/ExampleLookup.h"

#include <gtest/gtest.h>

namespace {

const QString kFolder = QStringLiteral("StudyTaxel/ReidaiData/");

class Lookup : public ::testing::Test
{
protected:
    TempRoot root;

    void SetUp() override { root.makeFolder(kFolder); }
    void file(const QString &name, const QStringList &lines) { root.writeLines(kFolder + name, lines); }
    /// A block-layout file with \a lines placed at their slots and empty slots elsewhere.
    void block(const QString &name, int blockNumber, const QMap<int, QString> &lines)
    {
        QStringList all = EmptyExampleBlock(blockNumber);
        for (auto it = lines.begin(); it != lines.end(); ++it)
            all[it.key()] = it.value();
        file(name, all);
    }
};

/// "a|b|" → "a∥b∥"
QString bars(const char *text)
{
    return QString::fromUtf8(text).replace(QLatin1Char('|'), QChar(0x2225));
}

} // namespace

TEST(WidenBlanks, EveryHalfWidthBlankBecomesFullWidth)
{
    EXPECT_EQ(WidenBlanks(QStringLiteral(" a  b ")), QStringLiteral("　a　　b　"));
    EXPECT_EQ(WidenBlanks(QStringLiteral("a\tb")), QStringLiteral("a\tb"));
}

TEST_F(Lookup, SlotCallerCollectsEveryLineThatBeginsWithTheNumber)
{
    file(QStringLiteral("REI_A.txt"), {QStringLiteral("a1,first,h1,100"), QStringLiteral("a2,other,h,1"),
                                       QStringLiteral("a10,tenth,h10,110,111"),
                                       QStringLiteral("a12,twelfth title,h12,,112")});
    const ExampleTexts t = FindReidai(QStringLiteral("a1"), 1);
    EXPECT_EQ(t.code, 0);
    EXPECT_TRUE(t.written);
    EXPECT_FALSE(t.aimWritten);
    EXPECT_EQ(t.title, QStringLiteral("twelfth　title")); // from the last line, blank widened
    EXPECT_EQ(t.hint, QStringLiteral("h12"));
    EXPECT_EQ(t.answer, bars("h1|100|h10|110|111|h12||112|"));

    // The practice window takes only the first line that begins with the number.
    const ExampleTexts p = FindReidai(QStringLiteral("a1"), PracticeCaller);
    EXPECT_EQ(p.code, 0);
    EXPECT_EQ(p.title, QStringLiteral("first"));
    EXPECT_EQ(p.answer, bars("100|"));
}

TEST_F(Lookup, EmptyAnswerPartsAreKeptForSlotsAndSkippedForPractice)
{
    block(QStringLiteral("REI_0.txt"), 0, {{4, QStringLiteral("5,title,hint,210.1,,210.2")}});
    EXPECT_EQ(FindReidai(QStringLiteral("5"), 2).answer, bars("hint|210.1||210.2|"));
    const ExampleTexts p = FindReidai(QStringLiteral("5"), PracticeCaller, 1);
    EXPECT_EQ(p.answer, bars("210.1|210.2|"));
    EXPECT_EQ(p.hint, QStringLiteral("hint"));
}

TEST_F(Lookup, SlotCallerCodes)
{
    EXPECT_EQ(FindReidai(QStringLiteral("a1"), 1).code, -7);
    EXPECT_EQ(FindReidai(QStringLiteral("2001"), 1).code, -8);
    block(QStringLiteral("REI_2.txt"), 2, {{1, QStringLiteral("2002,only title")}, {2, QStringLiteral("2003")},
                                           {3, QStringLiteral("2004,,hint")}});
    const ExampleTexts empty = FindReidai(QStringLiteral("2001"), 1);
    EXPECT_EQ(empty.code, -9);
    EXPECT_FALSE(empty.written);
    EXPECT_TRUE(empty.title.isEmpty());
    const ExampleTexts titleOnly = FindReidai(QStringLiteral("2002"), 3);
    EXPECT_EQ(titleOnly.code, 0);
    EXPECT_TRUE(titleOnly.hint.isEmpty());
    EXPECT_TRUE(titleOnly.answer.isEmpty());
    EXPECT_EQ(FindReidai(QStringLiteral("2003"), 1).code, -9); // one field
    EXPECT_EQ(FindReidai(QStringLiteral("2004"), 1).code, -9); // empty title
    file(QStringLiteral("REI_C.txt"), {QStringLiteral("c1,x,y")});
    EXPECT_EQ(FindReidai(QStringLiteral("c2"), 4).code, -9); // no line begins with it
    // below 1 and beyond the end of a short file: no line
    file(QStringLiteral("REI_0.txt"), {QStringLiteral("1,one,h")});
    EXPECT_EQ(FindReidai(QStringLiteral("0"), 1).code, -9);
    EXPECT_EQ(FindReidai(QStringLiteral("2"), 1).code, -9);
    EXPECT_EQ(FindReidai(QStringLiteral("1"), 1).code, 0);
}

TEST_F(Lookup, TheLastLetterFoundDecidesTheFile)
{
    file(QStringLiteral("REI_A.txt"), {QStringLiteral("ab3,fromA,h")});
    file(QStringLiteral("REI_B.txt"), {QStringLiteral("ab3,fromB,h")});
    EXPECT_EQ(FindReidai(QStringLiteral("ab3"), 1).title, QStringLiteral("fromB"));
    EXPECT_EQ(FindReidai(QStringLiteral("ba3"), 1).code, -9); // REI_B has no line beginning ba3
    EXPECT_EQ(FindReidai(QStringLiteral("ab3"), PracticeCaller).title, QStringLiteral("fromB"));
    EXPECT_EQ(FindReidai(QStringLiteral("A3"), 1).code, -8); // capitals are not letters here: plain, reads 0
}

TEST_F(Lookup, KIsALetterOnlyForThePracticeWindow)
{
    file(QStringLiteral("REI_hojo.txt"), {QStringLiteral("k7,hojo-title,h,1")});
    EXPECT_EQ(FindReidai(QStringLiteral("k7"), PracticeCaller).title, QStringLiteral("hojo-title"));
    // The item search window reads k7 as the plain number 0: block 0, no line.
    EXPECT_EQ(FindReidai(QStringLiteral("k7"), 1).code, -8);
    block(QStringLiteral("REI_0.txt"), 0, {{6, QStringLiteral("7,seven,h")}});
    EXPECT_EQ(FindReidai(QStringLiteral("k7"), 1).code, -9);
    // "ak": the k comes last and wins
    EXPECT_EQ(FindReidai(QStringLiteral("ak"), PracticeCaller).code, 0);
    QDir(root.path(kFolder)).remove(QStringLiteral("REI_hojo.txt"));
    EXPECT_EQ(FindReidai(QStringLiteral("ak"), PracticeCaller).code, -1);
}

TEST_F(Lookup, PracticeLetteredLayoutsAndCodes)
{
    EXPECT_EQ(FindReidai(QStringLiteral("d1"), PracticeCaller).code, -1);
    file(QStringLiteral("REI_D.txt"), {QStringLiteral("d1,title,aim,hint,explanation,p1,,p2"),
                                       QStringLiteral("d2::空き番号"), QStringLiteral("d3,with blank,h")});
    const ExampleTexts fixed = FindReidai(QStringLiteral("d1"), PracticeCaller, 0, true);
    EXPECT_EQ(fixed.code, 0);
    EXPECT_TRUE(fixed.aimWritten);
    EXPECT_EQ(fixed.title, QStringLiteral("title"));
    EXPECT_EQ(fixed.aim, QStringLiteral("aim"));
    EXPECT_EQ(fixed.hint, QStringLiteral("hint"));
    EXPECT_EQ(fixed.explanation, QStringLiteral("explanation"));
    EXPECT_EQ(fixed.answer, bars("p1|p2|"));

    const ExampleTexts ordinary = FindReidai(QStringLiteral("d1"), PracticeCaller, 0, false);
    EXPECT_FALSE(ordinary.aimWritten);
    EXPECT_EQ(ordinary.hint, QStringLiteral("aim"));
    EXPECT_EQ(ordinary.answer, bars("hint|explanation|p1|p2|"));

    EXPECT_EQ(FindReidai(QStringLiteral("d2"), PracticeCaller).code, -2);
    const ExampleTexts none = FindReidai(QStringLiteral("d9"), PracticeCaller, 0, true);
    EXPECT_EQ(none.code, 0); // nothing found is written as empty texts
    EXPECT_TRUE(none.written);
    EXPECT_TRUE(none.aimWritten);
    EXPECT_TRUE(none.title.isEmpty());
    EXPECT_EQ(FindReidai(QStringLiteral("d3"), PracticeCaller).title, QStringLiteral("with　blank"));
}

TEST_F(Lookup, PracticePlainNumbersUseTheFileOfTheSet)
{
    block(QStringLiteral("REI_kai.txt"), 0, {{4, QStringLiteral("1005,sea,h,1")}});
    const ExampleTexts sea = FindReidai(QStringLiteral("1005"), PracticeCaller, 13, true);
    EXPECT_EQ(sea.code, 0);
    EXPECT_EQ(sea.title, QStringLiteral("sea"));
    EXPECT_FALSE(sea.aimWritten); // plain numbers use the ordinary layout even in fixed-order sets

    block(QStringLiteral("REI_1.txt"), 1, {{4, QStringLiteral("1005,class,h,1")}});
    EXPECT_EQ(FindReidai(QStringLiteral("1005"), PracticeCaller, 3).title, QStringLiteral("class"));
    EXPECT_EQ(FindReidai(QStringLiteral("1006"), PracticeCaller, 3).code, -4);
    EXPECT_EQ(FindReidai(QStringLiteral("1005"), PracticeCaller, 22).code, -3);
    EXPECT_EQ(FindReidai(QStringLiteral("1005"), PracticeCaller, 0).code, -5); // REI_kihon.txt missing
    EXPECT_EQ(FindReidai(QStringLiteral("2005"), PracticeCaller, 10).code, -5);

    const QStringList names = {QStringLiteral("REI_kihon.txt"), QStringLiteral("REI_kei.txt"),
                               QStringLiteral("REI_tiri.txt"),  QStringLiteral("REI_kai.txt"),
                               QStringLiteral("REI_gen.txt"),   QStringLiteral("REI_kenk.txt"),
                               QStringLiteral("REI_bunk.txt"),  QStringLiteral("REI_rekiz.txt"),
                               QStringLiteral("REI_bunz.txt"),  QStringLiteral("REI_kiko.txt"),
                               QStringLiteral("REI_zu.txt"),    QStringLiteral("REI_all.txt")};
    const QList<int> codes = {0, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    for (int i = 0; i < names.size(); ++i) {
        file(names.at(i), {QStringLiteral("1,") + names.at(i) + QStringLiteral(",h")});
        EXPECT_EQ(FindReidai(QStringLiteral("1"), PracticeCaller, codes.at(i)).title, names.at(i));
    }
}
