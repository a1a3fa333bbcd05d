#include "TestSupport.h"

#include "index/ExampleBuilder.h"
#include "index/ExampleLookup.h"

#include <gtest/gtest.h>

namespace {

const QString kFolder = QStringLiteral("StudyTaxel/ReidaiData/");

/// "a|b|" → "a∥b∥"
QString bars(const char *text)
{
    return QString::fromUtf8(text).replace(QLatin1Char('|'), QChar(0x2225));
}

class Lookup : public ::testing::Test
{
protected:
    TempRoot root;

    void SetUp() override { root.makeFolder(kFolder); }
    void file(const QString &name, const QStringList &lines) { root.writeLines(kFolder + name, lines); }
    /// A file of the block layout with \a line at \a slot and empty slots elsewhere.
    void block(const QString &name, int blockNumber, int slot, const QString &line)
    {
        QStringList all = EmptyExampleBlock(blockNumber);
        all[slot] = line;
        file(name, all);
    }
    ExampleTexts slot(const char *number, int k = 1)
    {
        return FindReidai(root.tree(), QString::fromLatin1(number), ExampleSlot(k));
    }
    ExampleTexts practice(const char *number, int setCode = 0, bool fixed = false)
    {
        return FindReidai(root.tree(), QString::fromLatin1(number), ExampleCaller::Practice, setCode, fixed);
    }
};

} // namespace

TEST(ExampleNumbers, CutAtSlashesTheLastPieceToSixCharacters)
{
    EXPECT_EQ(
        ExampleNumbersForSlots(QStringLiteral("a12/a13")), QStringList({QStringLiteral("a12"), QStringLiteral("a13")}));
    EXPECT_EQ(ExampleNumbersForSlots(QStringLiteral("a12//a13")),
        QStringList({QStringLiteral("a12"), QString(), QStringLiteral("a13")}));
    EXPECT_EQ(ExampleNumbersForSlots(QStringLiteral("1234567")), QStringList({QStringLiteral("123456")}));
    EXPECT_EQ(ExampleNumbersForSlots(QStringLiteral("1/2/3/4/5")).size(), 4);
    EXPECT_EQ(WidenBlanks(QStringLiteral(" a b")), QStringLiteral("　a　b"));
}

TEST_F(Lookup, SlotCollectsEveryLineThatBeginsWithTheNumberPracticeTakesTheFirst)
{
    file(QStringLiteral("REI_A.txt"),
        {QStringLiteral("a1,first,h1,100"), QStringLiteral("a2,other,h,1"), QStringLiteral("a10,tenth,h10,110,111"),
            QStringLiteral("a12,twelfth title,h12,,112")});
    const ExampleTexts t = slot("a1");
    EXPECT_EQ(t.result, LookupResult::Found);
    EXPECT_TRUE(t.written);
    EXPECT_EQ(t.title, QStringLiteral("twelfth　title")); // the last line, its blank widened
    EXPECT_EQ(t.hint, QStringLiteral("h12"));
    EXPECT_EQ(t.answer, bars("h1|100|h10|110|111|h12||112|"));
    const ExampleTexts p = practice("a1");
    EXPECT_EQ(p.title, QStringLiteral("first"));
    EXPECT_EQ(p.answer, bars("100|"));
}

TEST_F(Lookup, EmptyAnswerPartsAreKeptForSlotsAndSkippedForPractice)
{
    block(QStringLiteral("REI_0.txt"), 0, 4, QStringLiteral("5,title,hint,210.1,,210.2"));
    EXPECT_EQ(slot("5", 2).answer, bars("hint|210.1||210.2|"));
    EXPECT_EQ(practice("5", 1).answer, bars("210.1|210.2|"));
}

TEST_F(Lookup, SlotCodes)
{
    EXPECT_EQ(slot("a1").result, LookupResult::SlotLetteredFileMissing);
    EXPECT_EQ(slot("2001").result, LookupResult::SlotBlockMissing);
    QStringList b2 = EmptyExampleBlock(2);
    b2[1] = QStringLiteral("2002,only title");
    b2[2] = QStringLiteral("2003");
    b2[3] = QStringLiteral("2004,,hint");
    file(QStringLiteral("REI_2.txt"), b2);
    const ExampleTexts empty = slot("2001");
    EXPECT_EQ(empty.result, LookupResult::SlotNoTitle);
    EXPECT_FALSE(empty.written);
    EXPECT_EQ(slot("2002").result, LookupResult::Found);
    EXPECT_EQ(slot("2003").result, LookupResult::SlotNoTitle); // one field
    EXPECT_EQ(slot("2004").result, LookupResult::SlotNoTitle); // empty title
    file(QStringLiteral("REI_0.txt"), {QStringLiteral("1,one,h")});
    EXPECT_EQ(slot("0").result, LookupResult::SlotNoTitle); // below 1: no line
    EXPECT_EQ(slot("2").result, LookupResult::SlotNoTitle); // beyond the end of a short file
}

TEST_F(Lookup, TheLastLetterFoundDecidesAndKIsALetterOnlyForPractice)
{
    file(QStringLiteral("REI_A.txt"), {QStringLiteral("ab3,fromA,h")});
    file(QStringLiteral("REI_B.txt"), {QStringLiteral("ab3,fromB,h")});
    EXPECT_EQ(slot("ab3").title, QStringLiteral("fromB"));
    EXPECT_EQ(practice("ab3").title, QStringLiteral("fromB"));
    EXPECT_EQ(slot("A3").result, LookupResult::SlotBlockMissing); // capitals are no letters here: plain, reads 0

    file(QStringLiteral("REI_hojo.txt"), {QStringLiteral("k7,hojo,h,1")});
    EXPECT_EQ(practice("k7").title, QStringLiteral("hojo"));
    EXPECT_EQ(
        slot("k7").result, LookupResult::SlotBlockMissing); // plain 0 in the item search window: block 0 is missing
    block(QStringLiteral("REI_0.txt"), 0, 6, QStringLiteral("7,seven,h"));
    EXPECT_EQ(slot("k7").result, LookupResult::SlotNoTitle);
}

TEST_F(Lookup, PracticeLetteredLayoutsAndCodes)
{
    EXPECT_EQ(practice("d1").result, LookupResult::LetteredFileMissing);
    file(QStringLiteral("REI_D.txt"),
        {QStringLiteral("d1,title,aim,hint,explanation,p1,,p2"), QStringLiteral("d2::空き番号")});
    const ExampleTexts fixed = practice("d1", 0, true);
    EXPECT_TRUE(fixed.aimWritten);
    EXPECT_EQ(fixed.aim, QStringLiteral("aim"));
    EXPECT_EQ(fixed.hint, QStringLiteral("hint"));
    EXPECT_EQ(fixed.explanation, QStringLiteral("explanation"));
    EXPECT_EQ(fixed.answer, bars("p1|p2|"));
    const ExampleTexts ordinary = practice("d1");
    EXPECT_FALSE(ordinary.aimWritten);
    EXPECT_EQ(ordinary.hint, QStringLiteral("aim"));
    EXPECT_EQ(ordinary.answer, bars("hint|explanation|p1|p2|"));
    EXPECT_EQ(practice("d2").result, LookupResult::LetteredEmptySlot);
    const ExampleTexts none = practice("d9", 0, true); // no line: empty texts, written
    EXPECT_EQ(none.result, LookupResult::Found);
    EXPECT_TRUE(none.aimWritten);
    EXPECT_TRUE(none.title.isEmpty());
}

TEST_F(Lookup, PracticePlainNumbersUseTheFileOfTheSet)
{
    block(QStringLiteral("REI_kai.txt"), 0, 4, QStringLiteral("1005,sea,h,1"));
    const ExampleTexts sea = practice("1005", 13, true);
    EXPECT_EQ(sea.title, QStringLiteral("sea"));
    EXPECT_FALSE(sea.aimWritten); // plain numbers keep the ordinary layout
    block(QStringLiteral("REI_1.txt"), 1, 4, QStringLiteral("1005,class,h,1"));
    EXPECT_EQ(practice("1005", 3).title, QStringLiteral("class"));
    EXPECT_EQ(practice("1006", 3).result, LookupResult::EmptySlot);
    EXPECT_EQ(practice("1005", 22).result, LookupResult::NoFileForSet);
    EXPECT_EQ(practice("1005", 0).result, LookupResult::SetFileMissing);

    const char *const names[] = {"REI_kihon.txt", "REI_kei.txt", "REI_tiri.txt", "REI_kai.txt", "REI_gen.txt",
        "REI_kenk.txt", "REI_bunk.txt", "REI_rekiz.txt", "REI_bunz.txt", "REI_kiko.txt", "REI_zu.txt", "REI_all.txt"};
    for (int i = 0; i < 12; ++i) {
        const QString name = QString::fromLatin1(names[i]);
        file(name, {QStringLiteral("1,") + name + QStringLiteral(",h")});
        EXPECT_EQ(practice("1", i == 0 ? 0 : 10 + i).title, name);
    }
}
