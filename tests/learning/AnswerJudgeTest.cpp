#include "TestSupport.h"

#include "analysis/AnalysisData.h"
#include "learning/AnswerJudge.h"

#include <memory>

#include <gtest/gtest.h>

namespace {

class AnswerJudgeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString tables = QStringLiteral("StudyTaxel/TaxelData/");
        root.writeLines(tables + QStringLiteral("Saimoku_0.txt"),
            L({u"/010,図書館．図書館学,総記,図書館．図書館学,図書館．図書館学",
                u"/016,各種の図書館,総記,図書館．図書館学,各種の図書館",
                u"/017,学校図書館,総記,図書館．図書館学,学校図書館"}));
        root.writeLines(tables + QStringLiteral("Saimoku_3.txt"),
            L({u"/300,社会科学,社会科学,社会科学,社会科学",
                u"/302,政治・経済・社会・文化事情,社会科学,社会科学,政治・経済・社会・文化事情",
                u"/302.1,日本,社会科学,社会科学,政治・経済・社会・文化事情"}));
        root.writeLines(tables + QStringLiteral("Youmoku_3.txt"),
            L({u"/302,政治・経済・社会・文化事情,社会科学,社会科学,1/30/2/1,30+02→302/1/02",
                u"/302.1,政治・経済・社会・文化事情,社会科学,社会科学,12/302/1/1,30+02→302/1/02,302+1/2/1"}));
        root.writeLines(tables + QStringLiteral("Saimoku_6.txt"),
            L({u"/678,貿易,産業,商業,貿易", u"/678.21,貿易政策,産業,商業,貿易"}));
        root.writeLines(tables + QStringLiteral("Youmoku_6.txt"), L({u"/678,貿易,産業,商業,1/678"}));
        root.writeLines(tables + QStringLiteral("hojo_keisiki.txt"), L({u"01,理論．哲学", u"02,歴史的・地域的論述"}));
        root.writeLines(tables + QStringLiteral("hojo_tiri.txt"), L({u"1,日本", u"53,アメリカ合衆国"}));
    }
    /// The data as the windows read it, once the fixture's files are written.
    const AnalysisData &data()
    {
        if (!m_data)
            m_data = std::make_unique<AnalysisData>(AnalysisData::load(root.tree()));
        return *m_data;
    }
    TempRoot root;
    std::unique_ptr<AnalysisData> m_data;
};

} // namespace

TEST(AnswerText, NormalisesDigitsPeriodsAndBlanksAndFindsClassNumbers)
{
    EXPECT_EQ(NormaliseAnswerText(QStringLiteral("０１７．２ ")), QStringLiteral("017.2"));
    EXPECT_EQ(NormaliseAnswerText(QStringLiteral("９１３。６　")), QStringLiteral("913.6"));
    EXPECT_EQ(NormaliseAnswerText(QStringLiteral("0 1\t7")), QStringLiteral("017"));
    EXPECT_EQ(NormaliseAnswerText(QStringLiteral("Ａ１")), QStringLiteral("Ａ1")) << "letters stay as they are";

    EXPECT_EQ(ClassNumbersIn(QStringLiteral("290.2∥290.1∥")), L({u"290.2", u"290.1"}));
    EXPECT_EQ(ClassNumbersIn(QStringLiteral("017∥")), L({u"017"}));
    EXPECT_EQ(ClassNumbersIn(QStringLiteral("913.∥K913")), L({u"913", u"913"}));
    EXPECT_TRUE(ClassNumbersIn(QStringLiteral("2901,12,1.234,x")).isEmpty());
}

TEST_F(AnswerJudgeTest, VerdictsAgainstOneOrSeveralAcceptedAnswers)
{
    struct Case
    {
        const char16_t *learner;
        const char16_t *answer;
        Verdict verdict;
    } cases[] = {
        {u"017", u"017∥", Verdict::Correct},
        {u"０１７", u"017∥", Verdict::Correct},
        {u"290.1", u"290.2∥290.1∥", Verdict::Correct},
        {u"290", u"290.2∥290.1∥", Verdict::Wrong},
        {u"わからない", u"017∥", Verdict::Unreadable},
        {u"", u"017∥", Verdict::Unreadable},
        {u"017", u"∥", Verdict::NoReference},
        {u"", u"", Verdict::NoReference},
    };
    for (const Case &c : cases) {
        const Judgement j = JudgeAnswer(QString::fromUtf16(c.learner), QString::fromUtf16(c.answer), data());
        EXPECT_EQ(j.verdict, c.verdict) << QString::fromUtf16(c.learner).toStdString();
    }
    EXPECT_EQ(JudgeAnswer(QStringLiteral("017"), QStringLiteral("017∥"), data()).text, QStringLiteral("正解です！"));
}

TEST_F(AnswerJudgeTest, AWrongAnswerIsReadBackAgainstTheNearestAcceptedOne)
{
    Judgement j = JudgeAnswer(QStringLiteral("016"), QStringLiteral("302∥017∥"), data());
    EXPECT_EQ(j.nearest, QStringLiteral("017"));
    EXPECT_EQ(j.position, 3);
    EXPECT_EQ(j.level, NumberLevel::Section);
    EXPECT_EQ(j.text, QStringLiteral("016「各種の図書館」ではなく 017「学校図書館」：3桁目（要目）から違います"));

    j = JudgeAnswer(QStringLiteral("017"), QStringLiteral("302∥"), data());
    EXPECT_EQ(j.position, 1);
    EXPECT_EQ(j.levelName, QStringLiteral("類目"));
    j = JudgeAnswer(QStringLiteral("678.2103"), QStringLiteral("678.2102∥"), data());
    EXPECT_EQ(j.position, 7);
    EXPECT_EQ(j.level, NumberLevel::AuxiliaryPart);
    EXPECT_EQ(j.levelName, QStringLiteral("形式区分"));
    j = JudgeAnswer(QStringLiteral("999.9"), QStringLiteral("017∥"), data());
    EXPECT_TRUE(j.text.startsWith(QStringLiteral("999.9（分類表にない番号）ではなく 017「学校図書館」")));
}

TEST_F(AnswerJudgeTest, LevelsOfTheFirstWrongDigitAndTheEntriesOfAnAddedCode)
{
    Judgement j = JudgeAnswer(QStringLiteral("027"), QStringLiteral("017∥"), data());
    EXPECT_EQ(j.position, 2);
    EXPECT_EQ(j.levelName, QStringLiteral("綱目"));

    // the first wrong digit is the first digit of the geographic code
    j = JudgeAnswer(QStringLiteral("302.53"), QStringLiteral("302.1∥"), data());
    EXPECT_EQ(j.position, 4);
    EXPECT_EQ(j.level, NumberLevel::AuxiliaryPart);
    EXPECT_TRUE(j.text.endsWith(QStringLiteral("地理区分 53「アメリカ合衆国」ではなく 1「日本」")))
        << j.text.toStdString();
    j = JudgeAnswer(QStringLiteral("302.2"), QStringLiteral("302.1∥"), data());
    EXPECT_TRUE(j.text.endsWith(QStringLiteral("地理区分は 1「日本」"))) << "no entry of the learner's to name";
}

TEST_F(AnswerJudgeTest, SectionAnswersTakeLongerNumbersAndExplanationsAcceptNothing)
{
    Judgement j = JudgeAnswer(QStringLiteral("913.6"), QStringLiteral("913∥"), data());
    EXPECT_EQ(j.verdict, Verdict::Correct);
    EXPECT_EQ(j.text, QStringLiteral("正解です！（この問題の答えは要目 913 までです）"));
    EXPECT_EQ(JudgeAnswer(QStringLiteral("914.6"), QStringLiteral("756∥914∥"), data()).verdict, Verdict::Correct);
    j = JudgeAnswer(QStringLiteral("918"), QStringLiteral("913∥"), data());
    EXPECT_EQ(j.verdict, Verdict::Wrong);
    EXPECT_EQ(j.position, 3);
    EXPECT_EQ(
        JudgeAnswer(QStringLiteral("913.6"), QStringLiteral("913∥913.6∥"), data()).text, QStringLiteral("正解です！"))
        << "a longer answer is judged as it stands";
    EXPECT_EQ(JudgeAnswer(QStringLiteral("913.5"), QStringLiteral("913∥913.6∥"), data()).verdict, Verdict::Wrong);

    const QString drill = QStringLiteral("302.1∥302＋1→302.1（地理区分 1 日本）∥");
    EXPECT_EQ(JudgeAnswer(QStringLiteral("302"), drill, data()).verdict, Verdict::Wrong);
    EXPECT_EQ(JudgeAnswer(QStringLiteral("302.1"), drill, data()).verdict, Verdict::Correct);
}

TEST_F(AnswerJudgeTest, ReadingANumberBackThroughTheSchedulesAndSectionData)
{
    NumberReading r = ReadClassNumber(QStringLiteral("678.2102"), data());
    EXPECT_EQ(r.known, QStringLiteral("678.21")) << "a number beyond the schedule falls back to its longest known part";
    EXPECT_EQ(r.caption, QStringLiteral("貿易政策"));
    EXPECT_EQ(r.hierarchy, L({u"産業", u"商業", u"貿易"}));
    EXPECT_EQ(r.rest, QStringLiteral("02"));
    ASSERT_EQ(r.parts.size(), 1);
    EXPECT_EQ(r.parts[0].table, QStringLiteral("形式区分"));
    EXPECT_EQ(r.parts[0].caption, QStringLiteral("歴史的・地域的論述"));

    r = ReadClassNumber(QStringLiteral("302.1"), data()); // the formulas of its section line name both codes
    ASSERT_EQ(r.parts.size(), 2);
    EXPECT_EQ(r.parts[0].code, QStringLiteral("02"));
    EXPECT_EQ(r.parts[1].table, QStringLiteral("地理区分"));
    EXPECT_EQ(r.parts[1].caption, QStringLiteral("日本"));
    EXPECT_EQ(r.parts[1].firstDigit, 4);

    r = ReadClassNumber(QStringLiteral("017.9"), data()); // no section data for it: no parts
    EXPECT_EQ(r.known, QStringLiteral("017"));
    EXPECT_EQ(r.rest, QStringLiteral("9"));
    EXPECT_TRUE(r.parts.isEmpty());
    EXPECT_TRUE(ReadClassNumber(QStringLiteral("999"), data()).known.isEmpty());
    EXPECT_TRUE(ReadClassNumber(QStringLiteral("412.5"), data()).known.isEmpty()) << "no schedule file for class 4";
}
