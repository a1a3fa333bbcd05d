#include "analysis/Synthesis.h"

#include <gtest/gtest.h>

namespace {
QString S(const char16_t *text)
{
    return QString::fromUtf16(text);
}
AuxTables tables()
{
    AuxTables t;
    t[AuxTable::Keisiki] = {S(u"01,理論"), S(u"02,歴史")};
    t[AuxTable::Tiri] = {S(u"1,日本"), S(u"53,アメリカ合衆国")};
    t[AuxTable::Koumokuhyou] = {S(u"21,日本史")};
    return t;
}
} // namespace

TEST(Synthesis, KindDigitsOfOneTwoAndThreeDigitValues)
{
    EXPECT_EQ(KindDigits(7), (std::array<int, 3> {7, 0, 0}));
    EXPECT_EQ(KindDigits(10), (std::array<int, 3> {1, 0, 0}));
    EXPECT_EQ(KindDigits(12), (std::array<int, 3> {1, 2, 0}));
    EXPECT_EQ(KindDigits(123), (std::array<int, 3> {1, 2, 3}));
    EXPECT_EQ(KindDigits(0), (std::array<int, 3> {0, 0, 0}));
    EXPECT_EQ(KindDigits(1000), (std::array<int, 3> {0, 0, 0}));
    EXPECT_EQ(KindDigits(-12), (std::array<int, 3> {0, 0, 0}));
}

TEST(Synthesis, DescriptorItems)
{
    const AuxTables t = tables();
    SynthesisField d = ReadSynthesisField(QStringLiteral("12/319/1053/7/20"), 0, t, 31);
    EXPECT_EQ(d.result, 12);
    EXPECT_EQ(d.kinds, (std::array<int, 3> {1, 2, 0}));
    EXPECT_EQ(d.basicPart, QStringLiteral("319"));
    EXPECT_EQ(d.extensionPart, QStringLiteral("1053"));
    EXPECT_EQ(d.firstNote, 7);
    EXPECT_EQ(d.secondNote, 0); // 20 names no note
    EXPECT_FALSE(d.entry.found()); // looked up with k1 = 1 in the form table

    d = ReadSynthesisField(QStringLiteral("2/291/53//15"), 0, t, 29);
    EXPECT_EQ(d.entry.text, S(u"53,アメリカ合衆国"));
    EXPECT_EQ(d.firstNote, 0);
    EXPECT_EQ(d.secondNote, 15);

    d = ReadSynthesisField(QStringLiteral("9,210"), 0, t, 21); // a comma kept by quotes in the line separates items too
    EXPECT_EQ(d.itemCount, 2);
    EXPECT_EQ(d.basicPart, QStringLiteral("210"));

    d = ReadSynthesisField(QString(), 0, t, 21);
    EXPECT_EQ(d.itemCount, 0);
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(ReadSynthesisField(QStringLiteral("x/1"), 0, t, 21).result, 0);
}

TEST(Synthesis, FormulaItemsAndKindNames)
{
    const AuxTables t = tables();
    SynthesisField f = ReadSynthesisField(QStringLiteral("210+02/1/02"), 1, t, 21);
    EXPECT_EQ(f.formula, QStringLiteral("210+02"));
    EXPECT_EQ(f.kind, 1);
    EXPECT_EQ(f.kindName, S(u"形式区分"));
    EXPECT_EQ(f.entry.text, S(u"02,歴史"));
    EXPECT_EQ(f.result, 0);

    f = ReadSynthesisField(QStringLiteral("2+1/2"), 2, t, 21);
    EXPECT_EQ(f.itemCount, 2);
    EXPECT_FALSE(f.entry.found());

    f = ReadSynthesisField(QStringLiteral("0+21/9/21"), 3, t, 0);
    EXPECT_EQ(f.kindName, S(u"綱目分類"));
    EXPECT_EQ(f.entry.table, AuxTable::Koumokuhyou);
    EXPECT_EQ(FormulaKindName(8), S(u"文学時代区分"));
    EXPECT_EQ(FormulaKindName(10), S(u"不明"));
    EXPECT_EQ(FormulaKindName(-1), S(u"不明"));
}

TEST(Synthesis, SpecialNotes)
{
    for (int n = 1; n <= 18; ++n) {
        const QString text = SpecialNoteText(n);
        EXPECT_TRUE(text.startsWith(QString::number(n) + QLatin1Char('.'))) << n;
        if (n != 9) {
            EXPECT_GE(text.size(), 60) << n;
            EXPECT_LE(text.size(), 165) << n;
        }
    }
    EXPECT_EQ(SpecialNoteText(9), QStringLiteral("9."));
    EXPECT_TRUE(SpecialNoteText(19).isEmpty());
    EXPECT_TRUE(IsSpecialNote(19));
    EXPECT_FALSE(IsSpecialNote(0));
    EXPECT_FALSE(IsSpecialNote(20));
}
