#include "TestSupport.h"

#include "analysis/AnalysisData.h"
#include "analysis/AnalysisState.h"
#include "analysis/ClassEntry.h"

#include <gtest/gtest.h>

namespace {
QString S(const char16_t *text)
{
    return QString::fromUtf16(text);
}

const QStringList kSchedule = {
    S(u"/210,日本史,歴史,日本史,日本史"),
    S(u"/210.1,通史,歴史,日本史,日本史"),
    S(u"/210.12,文化史,歴史,日本史,日本史"),
    S(u"/2101,架空,歴史,日本史,日本史"),
    S(u"/211,北海道地方,歴史,日本史,北海道地方"),
    S(u"/291.36,東京都,歴史,地理,日本"),
};
} // namespace

TEST(ClassEntry, RefusedEntriesAndTheirMessages)
{
    EXPECT_EQ(CheckClassEntry(u""), EntryCheck::Empty);
    EXPECT_EQ(CheckClassEntry(u"21"), EntryCheck::Invalid);
    EXPECT_EQ(CheckClassEntry(u"2101"), EntryCheck::Invalid);
    EXPECT_EQ(CheckClassEntry(u"21.01"), EntryCheck::PeriodMissing);
    EXPECT_EQ(CheckClassEntry(u"210"), EntryCheck::Accepted);
    EXPECT_EQ(CheckClassEntry(u"abc"), EntryCheck::Accepted);
    EXPECT_EQ(CheckClassEntry(u"210.1"), EntryCheck::Accepted);
    EXPECT_EQ(CheckClassEntry(u"210."), EntryCheck::Invalid); // length 4 even with the period
    EXPECT_EQ(EntryCheckMessage(EntryCheck::Invalid), S(u"入力した分類記号が不正です！"));
    EXPECT_EQ(EntryCheckMessage(EntryCheck::PeriodMissing), S(u"3桁目と4桁目の間には、ピリオドが必要です！"));
    EXPECT_TRUE(EntryCheckMessage(EntryCheck::Accepted).isEmpty());

    EXPECT_EQ(DivisionOfEntry(u"913.6"), 91);
    EXPECT_EQ(MainClassOfEntry(u"913.6"), 9);
    EXPECT_EQ(DivisionOfEntry(u"abc"), 0);
    EXPECT_EQ(MainClassOfEntry(u"-99"), 0);
    EXPECT_EQ(ScheduleFilePath(2), S(u"StudyTaxel/TaxelData/Saimoku_2.txt"));
    EXPECT_EQ(SectionFilePath(9), S(u"StudyTaxel/TaxelData/Youmoku_9.txt"));
}

TEST(ClassEntry, SearchKeyFallsBackToTheLongestScheduleNumber)
{
    EXPECT_EQ(FindSearchKey(QStringLiteral("210.12"), kSchedule), QStringLiteral("210.12"));
    const QStringList without12 = {kSchedule.at(0), kSchedule.at(1)};
    EXPECT_EQ(FindSearchKey(QStringLiteral("210.12"), without12), QStringLiteral("210.1"));
    const QStringList only210 = {kSchedule.at(0)};
    EXPECT_EQ(FindSearchKey(QStringLiteral("210.12"), only210), QStringLiteral("210"));
    EXPECT_EQ(FindSearchKey(QStringLiteral("999.9"), kSchedule), QString());
    EXPECT_EQ(FindSearchKey(QStringLiteral("999"), kSchedule), QStringLiteral("999")); // three characters: unchecked
    // "/210.1" does not begin "/210.1," when only "/210.12" exists
    EXPECT_EQ(FindSearchKey(QStringLiteral("210.1"), {kSchedule.at(0), kSchedule.at(2)}), QStringLiteral("210"));
}

TEST(ClassEntry, HitsAreEveryLineUnderTheKeyInFileOrder)
{
    QStringList hits;
    EXPECT_EQ(ListScheduleHits(QStringLiteral("210"), kSchedule, hits), 4);
    EXPECT_EQ(hits, kSchedule.mid(0, 4)); // 2101 too
    hits.clear();
    EXPECT_EQ(ListScheduleHits(QStringLiteral("210.1"), kSchedule, hits), 2);
    hits.clear();
    EXPECT_EQ(ListScheduleHits(QString(), kSchedule, hits), 0);
    EXPECT_EQ(ListScheduleHits(QStringLiteral("/21"), kSchedule, hits), 0); // the key starts after the first character
}

TEST(ClassEntry, EnterReadsTheMainClassFilesOnceAndReportsWhatIsMissing)
{
    TempRoot root;
    root.writeLines(QStringLiteral("StudyTaxel/TaxelData/Saimoku_2.txt"), kSchedule);
    root.writeLines(QStringLiteral("StudyTaxel/TaxelData/Youmoku_2.txt"), {S(u"/210,日本史,歴史,日本史,1/210/1")});
    AnalysisData data = AnalysisData::load(root.tree());
    AnalysisState s;
    auto enter = [&](const QString &text) {
        s.entry = text;
        return s.enter(data);
    };

    EXPECT_TRUE(enter(QStringLiteral("291.36")).isEmpty());
    EXPECT_EQ(s.division, 29);
    EXPECT_EQ(s.hits, QStringList({kSchedule.at(5)}));
    EXPECT_EQ(s.classNumber, QStringLiteral("291.36")) << "a single hit is analysed at once";
    EXPECT_EQ(s.sectionLines.size(), 1);

    EXPECT_EQ(enter(QStringLiteral("2101")), QStringList {S(u"入力した分類記号が不正です！")});
    EXPECT_EQ(s.division, 0);
    EXPECT_TRUE(s.hits.isEmpty());

    // the missing schedule file is reported with the division of the entry
    EXPECT_EQ(enter(QStringLiteral("310")), QStringList {S(u"指定した分類記号の細目表データが読み込めません！")});
    EXPECT_EQ(s.division, 31);

    // a file written after the data was read counts once the data is refreshed; a schedule without a
    // section file keeps the earlier section lines
    root.writeLines(QStringLiteral("StudyTaxel/TaxelData/Saimoku_3.txt"), {S(u"/310,政治,社会科学,政治,政治")});
    EXPECT_FALSE(enter(QStringLiteral("310")).isEmpty()) << "not yet read";
    data.refresh();
    EXPECT_TRUE(enter(QStringLiteral("310")).isEmpty());
    EXPECT_EQ(s.hits.size(), 1);
    EXPECT_EQ(s.sectionLines.size(), 1);

    root.writeBytes(QStringLiteral("StudyTaxel/TaxelData/Saimoku_0.txt"), QByteArray());
    data.refresh();
    EXPECT_EQ(enter(QStringLiteral("abc")), QStringList {S(u"指定した分類記号の細目表データがありません！")})
        << "reads as 0: main class 0";
}
