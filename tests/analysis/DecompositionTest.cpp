#include "analysis/Decomposition.h"

#include <gtest/gtest.h>

namespace {
QString S(const char16_t *text)
{
    return QString::fromUtf16(text);
}
const QString k210 = S(u"/210,日本史,歴史,日本史,日本史");
const QString k210_1 = S(u"/210.1,通史,歴史,日本史,日本史");
const QString k210_12 = S(u"/210.12,文化史,歴史,日本史,日本史");
const QString kSection210 = S(u"/210,日本史,歴史,日本史,1/210/1,210+1/1/1");
} // namespace

TEST(Decomposition, WorkedExampleAndTheLongerNumberWins)
{
    ClassAnalysis a = AnalyzeScheduleLine(QStringLiteral("210.1"), k210_1, {kSection210});
    EXPECT_TRUE(a.message.isEmpty());
    EXPECT_EQ(a.number, QStringLiteral("/210.1"));
    EXPECT_EQ(a.classNumber, QStringLiteral("210.1"));
    EXPECT_EQ(a.caption, S(u"通史"));
    EXPECT_EQ(a.basicPart, QStringLiteral("210"));
    EXPECT_EQ(a.extensionPart, QStringLiteral("1"));
    EXPECT_EQ(a.kindCode, 1);
    EXPECT_EQ(a.finalBasic, QStringLiteral("210"));
    EXPECT_EQ(a.finalExtension, QStringLiteral("1"));
    EXPECT_FALSE(a.hasSection()); // no section line for 210.1 itself

    // entry 210, chosen line 210.12: the line's number is the longer one
    a = AnalyzeScheduleLine(QStringLiteral("210"), k210_12, {S(u"/210,日本史,歴史,日本史")});
    EXPECT_EQ(a.number, QStringLiteral("/210.12"));
    EXPECT_EQ(a.basicPart, QStringLiteral("210"));
    EXPECT_EQ(a.extensionPart, QStringLiteral("12"));
    EXPECT_EQ(a.kindCode, 0);

    // entry 210.1, chosen line 210: the entry is the longer one, the class number is the line's
    a = AnalyzeScheduleLine(QStringLiteral("210.1"), k210, {kSection210});
    EXPECT_EQ(a.classNumber, QStringLiteral("210"));
    EXPECT_EQ(a.extensionPart, QStringLiteral("1"));
    ASSERT_TRUE(a.hasSection());
    EXPECT_TRUE(a.hasDescriptor);
    EXPECT_EQ(a.descriptor, QStringLiteral("1/210/1"));
    EXPECT_EQ(a.formulas, QStringList({QStringLiteral("210+1/1/1")}));
}

TEST(Decomposition, LongestSectionMatchSkipsOneCharacterUnlessTheDescriptorResplits)
{
    const QStringList sections = {kSection210, S(u"/210.1,通史,歴史,日本史,,")};
    ClassAnalysis a = AnalyzeScheduleLine(QStringLiteral("210.12"), k210_12, sections);
    EXPECT_EQ(a.basicPart, QStringLiteral("210.1"));
    EXPECT_TRUE(a.extensionPart.isEmpty()); // the 2 right after 210.1 is the skipped character
    EXPECT_EQ(a.finalExtension, QString());

    const QStringList resplit = {kSection210, S(u"/210.1,通史,歴史,日本史,0/210.1")};
    a = AnalyzeScheduleLine(QStringLiteral("210.12"), k210_12, resplit);
    EXPECT_EQ(a.finalBasic, QStringLiteral("210.1"));
    EXPECT_EQ(a.finalExtension, QStringLiteral("2"));

    // a descriptor basic part with a period after it: one leading period is dropped
    a = AnalyzeScheduleLine(
        QStringLiteral("291.36"), S(u"/291.36,東京都,歴史,地理,日本"), {S(u"/291,日本地理,歴史,地理,2/291/,")});
    EXPECT_EQ(a.finalBasic, QStringLiteral("291"));
    EXPECT_EQ(a.finalExtension, QStringLiteral("36"));

    // a descriptor basic part longer than the number: the descriptor's extension part
    a = AnalyzeScheduleLine(QStringLiteral("210"), k210, {S(u"/210,日本史,歴史,日本史,1/210.0123/x")});
    EXPECT_EQ(a.finalBasic, QStringLiteral("210.0123"));
    EXPECT_EQ(a.finalExtension, QStringLiteral("x"));

    // no section line at all
    a = AnalyzeScheduleLine(QStringLiteral("210.1"), k210_1, {});
    EXPECT_TRUE(a.basicPart.isEmpty());
    EXPECT_TRUE(a.finalExtension.isEmpty());
    EXPECT_EQ(a.kindCode, 0);
}

TEST(Decomposition, RefusedLinesAndSeveralSectionLines)
{
    EXPECT_EQ(AnalyzeScheduleLine(QStringLiteral("210"), S(u"/210,日本史,歴史,日本史"), {}).message,
        S(u"このデータは正しく処理できません!"));
    EXPECT_EQ(AnalyzeScheduleLine(QStringLiteral("210"), S(u"/21,日本史,歴史,日本史,x"), {}).message,
        S(u"3桁以上の分類記号が必要です。"));
    EXPECT_EQ(AnalyzeScheduleLine(QStringLiteral("210"), S(u"/210.1234567890,x,a,b,c"), {}).classNumber.size(), 10);

    const QStringList sections = {S(u"/210,日本史,歴史A,日本史A,12/210/1/2,f1/1/01"), S(u""), S(u"/210,x,y"),
        S(u"/210,古代史,歴史B,日本史B,1/210/1,f2/2/1")};
    const ClassAnalysis a = AnalyzeScheduleLine(QStringLiteral("210"), k210, sections);
    ASSERT_EQ(a.sections.size(), 2); // the three-field line gives no names
    EXPECT_EQ(a.sections.at(0).section, S(u"日本史"));
    EXPECT_EQ(a.sections.at(1).mainClass, S(u"歴史B"));
    EXPECT_EQ(a.descriptor, QStringLiteral("12/210/1/2")); // the synthesis uses the first line
    EXPECT_EQ(a.formulas, QStringList({QStringLiteral("f1/1/01")}));
}

TEST(Decomposition, KindCaptionCodes)
{
    EXPECT_EQ(KindCaptionCodes(10), std::make_pair(10, 0));
    EXPECT_EQ(KindCaptionCodes(11), std::make_pair(1, 1));
    EXPECT_EQ(KindCaptionCodes(12), std::make_pair(1, 2));
    EXPECT_EQ(KindCaptionCodes(123), std::make_pair(12, 3));
    EXPECT_EQ(KindCaptionText(10, 0), S(u"日本地方区分"));
    EXPECT_EQ(KindCaptionText(1, 1), S(u"形式区分+形式区分"));
    EXPECT_EQ(KindCaptionText(1, 2), S(u"形式区分+地理区分"));
    EXPECT_EQ(KindCaptionText(12, 3), S(u"+海洋区分"));
    EXPECT_TRUE(KindCaptionText(12, 0).isEmpty());
    EXPECT_TRUE(KindCaptionText(-5, 99).isEmpty());
}
