#include "TestSupport.h"

#include "analysis/AuxTables.h"
#include "analysis/CodeMatch.h"

#include <gtest/gtest.h>

namespace {
QString S(const char16_t *text)
{
    return QString::fromUtf16(text);
}

AuxTables sampleTables()
{
    AuxTables t;
    t[AuxTable::Keisiki]
        = {S(u"01,理論．哲学"), S(u"02,歴史的・地域的論述"), S(u"025,考古学"), QString(), S(u"03,参考図書")};
    t[AuxTable::Tiri] = {S(u"1,日本"), S(u"101,日本（旧称）"), S(u"53,アメリカ合衆国")};
    t[AuxTable::Tihou] = {S(u"1,北海道地方"), S(u"3,関東地方")};
    t[AuxTable::ZidaiRekisi] = {S(u"02,原始時代"), S(u"1,古代")};
    t[AuxTable::ZidaiBun] = {S(u"1,上代"), S(u"6,近代：明治以降")};
    t[AuxTable::Koumokuhyou] = {S(u"21,日本史"), S(u"29,地理")};
    return t;
}
} // namespace

TEST(AuxTables, LoadsEveryFileAndLeavesMissingOnesEmpty)
{
    TempRoot root;
    root.writeLines(QStringLiteral("StudyTaxel/TaxelData/hojo_keisiki.txt"), {S(u"01,理論"), S(u""), S(u"02,歴史")});
    root.writeLines(QStringLiteral("StudyTaxel/TaxelData/koumokuhyou.txt"), {S(u"21,日本史")}, true);
    const AuxTables t = LoadAuxTables(root.tree());
    EXPECT_EQ(t[AuxTable::Keisiki], QStringList({S(u"01,理論"), S(u""), S(u"02,歴史")})); // empty line kept
    EXPECT_EQ(t[AuxTable::Koumokuhyou], QStringList({S(u"21,日本史")}));
    EXPECT_TRUE(t[AuxTable::Tiri].isEmpty());
    EXPECT_TRUE(t[AuxTable::ZidaiBun].isEmpty());
}

TEST(AuxTables, KindCaptionsAndNamesKeepTheirOddNaming)
{
    EXPECT_EQ(AuxKindCaption(8), S(u"文学時代区分"));
    EXPECT_EQ(AuxKindCaption(9), S(u"綱目分類"));
    EXPECT_EQ(AuxKindCaption(10), S(u"日本地方区分"));
    EXPECT_TRUE(AuxKindCaption(0).isEmpty());
    EXPECT_TRUE(AuxKindCaption(11).isEmpty());
    EXPECT_TRUE(AuxKindCaption(-1).isEmpty());
    ASSERT_EQ(AuxKindNames().size(), 9);
    EXPECT_EQ(AuxKindNames().at(0), S(u"不明"));
    EXPECT_EQ(AuxKindNames().at(8), S(u"文学時代区分"));
    EXPECT_EQ(AuxTableOfKind(8, 21), AuxTable::Tihou); // code 8 is the Japanese regional table all the same
    EXPECT_EQ(AuxTableOfKind(10, 21), AuxTable::None);
}

TEST(AuxTables, PrefixLookupComparesOnlyTheBeginning)
{
    const AuxTables t = sampleTables();
    EXPECT_TRUE(LookupAuxItem(t, 21, 1, QStringLiteral("1")).text.isEmpty()); // nothing begins with 1
    EXPECT_EQ(LookupAuxItem(t, 21, 1, QStringLiteral("02")).text, S(u"02,歴史的・地域的論述"));
    EXPECT_EQ(LookupAuxItem(t, 21, 1, QStringLiteral("025")).index, 2);
    EXPECT_EQ(LookupAuxItem(t, 21, 2, QStringLiteral("10")).text, S(u"101,日本（旧称）")); // no comma check
    const AuxEntry regional = LookupAuxItem(t, 21, 8, QStringLiteral("3"));
    EXPECT_EQ(regional.table, AuxTable::Tihou);
    EXPECT_EQ(regional.index, 1);
    EXPECT_FALSE(LookupAuxItem(t, 21, 2, QString()).found());
    EXPECT_FALSE(LookupAuxItem(t, 21, 0, QStringLiteral("1")).found());
    EXPECT_FALSE(LookupAuxItem(t, 21, 10, QStringLiteral("1")).found());
    EXPECT_FALSE(LookupAuxItem(t, 21, -3, QStringLiteral("1")).found());
}

TEST(AuxTables, PeriodCodeSevenDependsOnTheDivision)
{
    const AuxTables t = sampleTables();
    EXPECT_EQ(LookupAuxItem(t, 91, 7, QStringLiteral("1")).text, S(u"1,上代"));
    EXPECT_EQ(LookupAuxItem(t, 21, 7, QStringLiteral("1")).text, S(u"1,古代"));
    EXPECT_EQ(LookupAuxItem(t, 91, 7, QStringLiteral("1")).table, AuxTable::ZidaiBun);
}

TEST(AuxTables, CodeMatchNeedsTheCommaAndUsesTheSecondCharacterOnlyWhereAllowed)
{
    const AuxTables t = sampleTables();
    EXPECT_EQ(MatchAuxCode(t[AuxTable::Keisiki], QStringLiteral("1"), true), 0); // 01 found through 1
    EXPECT_EQ(MatchAuxCode(t[AuxTable::Keisiki], QStringLiteral("1"), false), -1);
    EXPECT_EQ(MatchAuxCode(t[AuxTable::Keisiki], QStringLiteral("02"), true), 1); // not 025
    EXPECT_EQ(MatchAuxCode(t[AuxTable::Tiri], QStringLiteral("01"), false), -1); // 101 does not match 01
    EXPECT_EQ(MatchAuxCode(t[AuxTable::Tiri], QStringLiteral("53"), false), 2);
    EXPECT_EQ(MatchAuxCode(t[AuxTable::Keisiki], QString(), true), -1); // an empty line never matches
    EXPECT_TRUE(AuxTableMatchesSecondCharacter(AuxTable::Keisiki));
    EXPECT_TRUE(AuxTableMatchesSecondCharacter(AuxTable::ZidaiRekisi));
    EXPECT_TRUE(AuxTableMatchesSecondCharacter(AuxTable::ZidaiBun));
    EXPECT_FALSE(AuxTableMatchesSecondCharacter(AuxTable::Tiri));
}

TEST(ExtensionMatch, StructureCasesWhenNoTableKnowsTheCode)
{
    const AuxTables none;
    struct Case
    {
        const char16_t *extension;
        int result;
        const char16_t *structure;
    };
    const Case cases[] = {
        {u"0253", ExtensionMatch::Leading02, u"02+53"}, // begins with a zero: not zero-joined
        {u"253", ExtensionMatch::Leading2, u"2+53"},
        {u"53034", ExtensionMatch::ZeroJoined, u"53+34"},
        {u"2053", ExtensionMatch::ZeroJoined, u"2+053"}, // the leading-2 parts, the zero-joined result
        {u"1053", ExtensionMatch::ZeroJoined, u"1+53"},
        {u"13", ExtensionMatch::NoMatch, u"+"},
        {u"", ExtensionMatch::NoMatch, u"+"},
    };
    for (const Case &c : cases) {
        const ExtensionMatch m = MatchExtensionCode(S(c.extension), none, 21);
        EXPECT_EQ(m.result, c.result) << S(c.extension).toStdString();
        EXPECT_EQ(m.structureText(), S(c.structure)) << S(c.extension).toStdString();
        EXPECT_TRUE(m.entries.isEmpty());
    }
    EXPECT_EQ(MatchExtensionCode(QStringLiteral("1203456789012345"), none, 21).right.size(), 10);
}

TEST(ExtensionMatch, TablesAreSearchedInOrderAndEveryMatchCounts)
{
    AuxTables t = sampleTables();
    t[AuxTable::Kaiyou] = {S(u"1,太平洋")};
    const ExtensionMatch one = MatchExtensionCode(QStringLiteral("1"), t, 21);
    EXPECT_EQ(one.result, ExtensionMatch::TableMatch);
    ASSERT_EQ(one.entries.size(), 5);
    EXPECT_EQ(one.entries.at(0).table, AuxTable::Keisiki);
    EXPECT_EQ(one.entries.at(0).text, S(u"01,理論．哲学"));
    EXPECT_EQ(one.entries.at(1).table, AuxTable::Tiri);
    EXPECT_EQ(one.entries.at(2).table, AuxTable::Kaiyou);
    EXPECT_EQ(one.entries.at(3).table, AuxTable::ZidaiRekisi);
    EXPECT_EQ(one.entries.at(4).table, AuxTable::Tihou); // the regional table comes last
    EXPECT_TRUE(one.left.isEmpty());

    // an empty extension matches only an entry that begins with a comma, never a one-character code
    EXPECT_EQ(MatchExtensionCode(QString(), t, 21).result, ExtensionMatch::NoMatch);
    t[AuxTable::Gengo] = {S(u",空の記号")};
    const ExtensionMatch empty = MatchExtensionCode(QString(), t, 21);
    ASSERT_EQ(empty.entries.size(), 1);
    EXPECT_EQ(empty.entries.at(0).table, AuxTable::Gengo);

    const ExtensionMatch literary = MatchExtensionCode(QStringLiteral("6"), t, 91);
    ASSERT_EQ(literary.entries.size(), 1);
    EXPECT_EQ(literary.entries.at(0).table, AuxTable::ZidaiBun);
    EXPECT_EQ(MatchExtensionCode(QStringLiteral("6"), t, 21).result, ExtensionMatch::NoMatch);

    // a known code wins over its structure
    t[AuxTable::Tiri].append(S(u"253,ブラジル"));
    EXPECT_EQ(MatchExtensionCode(QStringLiteral("253"), t, 21).result, ExtensionMatch::TableMatch);
}
