// What the main menu, the rules study window and the practice window show, computed without a
// widget: the windows only render these values.

#include "TestSupport.h"

#include "analysis/AnalysisData.h"
#include "datafiles/ProgramRandom.h"
#include "datafiles/TextFileCache.h"
#include "learning/MainMenuState.h"
#include "learning/PracticeWindowState.h"
#include "learning/StudyTopics.h"
#include "learning/StudyWindowState.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(MainMenuState, DescriptionFollowsThePointerAndHelpTogglesItsButton)
{
    MainMenuState menu;
    menu.pointTo(MenuControl::Analysis);
    EXPECT_FALSE(menu.description.isEmpty());
    EXPECT_NE(menu.description, MainMenuState::descriptionOf(MenuControl::Study));
    menu.pointToSurface();
    EXPECT_TRUE(menu.description.isEmpty());

    menu.toggleHelp();
    EXPECT_EQ(menu.helpButtonText(), QStringLiteral("閉じる"));
    menu.toggleHelp();
    EXPECT_EQ(menu.helpButtonText(), QStringLiteral("ヘルプ"));
}

TEST(StudyWindowState, ASetFillsTheTopicsAndEachTopicAsksForOneFreshView)
{
    TempRoot root;
    const TopicSet set = StudyTopicSet(3);
    StudyWindowState state;
    const QStringList missing = state.chooseSet(root.tree(), 3);
    ASSERT_EQ(missing.size(), 1);
    EXPECT_TRUE(missing.first().contains(QFileInfo(set.topicList).fileName())) << missing.first().toStdString();
    EXPECT_FALSE(state.topicsEnabled);

    root.writeLines(set.topicList, L({u"目録：0012", u"見出しだけ"}));
    EXPECT_TRUE(state.chooseSet(root.tree(), 3).isEmpty());
    EXPECT_EQ(state.title, set.title);
    EXPECT_EQ(state.topics.size(), 2);
    EXPECT_EQ(state.topicText, QStringLiteral("選択して下さい。"));
    EXPECT_FALSE(state.view.open) << "choosing a set leaves the document alone";

    EXPECT_TRUE(state.chooseTopic(0, state.topics.at(0)).isEmpty());
    EXPECT_TRUE(state.view.open);
    EXPECT_EQ(state.view.page, 12);
    EXPECT_EQ(state.view.path, root.tree().path(set.document));
    const int first = state.view.serial;

    // a line without a page still opens a fresh, empty view, and says so
    EXPECT_EQ(state.chooseTopic(1, state.topics.at(1)).size(), 1);
    EXPECT_EQ(state.view.page, -1);
    EXPECT_GT(state.view.serial, first);

    // a line typed into the field joins the items
    EXPECT_TRUE(state.chooseTopic(2, QStringLiteral("入力：7")).isEmpty());
    EXPECT_EQ(state.topics.size(), 3);
    EXPECT_EQ(state.view.page, 7);

    state.close();
    EXPECT_FALSE(state.view.open);
    EXPECT_EQ(state.topics.size(), 3) << "closing keeps the choice";
}

namespace {

const QString kExamples = QStringLiteral("StudyTaxel/ReidaiData/");

class PracticeModel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root.writeLines(kExamples + QStringLiteral("ren_num_kihon.txt"), L({u"k1", u"k2", u"1"}));
        root.writeLines(kExamples + QStringLiteral("REI_hojo.txt"),
            L({u"k1,地図の歴史,ねらい1,ヒント1,解説1,290.2", u"k2,題2,ねらい2,,解説2,100"}));
        QStringList block;
        for (int n = 1; n <= 6; ++n)
            block.append(QStringLiteral("%1,題%1,ヒント%1,01%1").arg(n));
        root.writeLines(kExamples + QStringLiteral("REI_0.txt"), block);
        root.writeLines(kExamples + QStringLiteral("ren_num_2.txt"), L({u"1", u"2", u"3", u"4", u"5", u"6"}));
        random.seed(5);
    }

    PracticeWindowState make()
    {
        QStringList messages;
        PracticeWindowState state(root.tree(), &messages);
        EXPECT_TRUE(messages.isEmpty());
        return state;
    }

    TempRoot root;
    ProgramRandom random;
    TextFileCache examples;
    AnalysisData data = AnalysisData::load(root.tree());
};

} // namespace

TEST_F(PracticeModel, BasicSetRunsInFixedOrderAndTalliesEachExerciseOnce)
{
    PracticeWindowState state = make();
    EXPECT_TRUE(state.chooseBasicOrClass(-1).isEmpty());
    EXPECT_TRUE(state.fixedPanelShown);
    EXPECT_FALSE(state.countBox.enabled);
    EXPECT_EQ(state.listLength, QStringLiteral("3"));

    EXPECT_TRUE(state.ask(random, examples).isEmpty());
    EXPECT_EQ(state.exercises().at(0).exercise, QStringLiteral("[k1] 地図の歴史"));
    EXPECT_EQ(state.aimText, QStringLiteral("ねらい1"));

    state.setAnswerText(0, QStringLiteral("290.2"));
    state.judge(0, data);
    state.judge(0, data);
    EXPECT_EQ(state.verdictNames().at(0), QStringLiteral("correct"));
    EXPECT_EQ(state.scoreText(), QStringLiteral("正解 1 / 1 問")) << "judged twice, counted once";

    state.showAnswer(0, data);
    EXPECT_EQ(state.aimText, QStringLiteral("ねらい1\n\n解説1")) << "the answer brings the explanation";

    EXPECT_EQ(state.saveProgress(), QStringList {PracticeState::savedMessage()});
    EXPECT_TRUE(QFile::exists(root.path(kExamples + QStringLiteral("study_kihon.txt"))));
}

TEST_F(PracticeModel, AWrongAnswerJoinsTheReviewSetOnDisk)
{
    PracticeWindowState state = make();
    state.chooseBasicOrClass(2);
    state.setCountBox(2, PracticeWindowState::countItems().at(2));
    EXPECT_EQ(state.questionCount(), 3);
    state.ask(random, examples);
    state.setAnswerText(1, QStringLiteral("999"));
    EXPECT_TRUE(state.judge(1, data).isEmpty());
    EXPECT_EQ(state.verdictNames().at(1), QStringLiteral("wrong"));
    EXPECT_EQ(state.reviewButtonText(), QStringLiteral("復習（1問）"));
    EXPECT_EQ(state.scoreText(), QStringLiteral("正解 0 / 1 問"));

    // another run of the program finds it in its review set
    PracticeWindowState next = make();
    EXPECT_TRUE(next.chooseReview().isEmpty());
    EXPECT_EQ(next.reviewButtonText(), QStringLiteral("復習（1問）"));
}

TEST_F(PracticeModel, BoxesTakeOnlyWhatTheyOffer)
{
    PracticeWindowState state = make();
    state.setCountBox(2, QStringLiteral("３問くらい"));
    EXPECT_EQ(state.questionCount(), 1) << "typed text is no choice";
    EXPECT_EQ(state.chooseTable(10), QStringList {PracticeState::invalidItemMessage()});
    EXPECT_TRUE(state.enterTableText(PracticeWindowState::tableItems().at(0)).isEmpty());
    EXPECT_EQ(state.enterTableText(QStringLiteral("形式")), QStringList {PracticeState::invalidItemMessage()});
    EXPECT_TRUE(state.judge(0, data).isEmpty()) << "nothing asked, nothing judged";
    EXPECT_EQ(state.scoreText(), QStringLiteral("正解 0 / 0 問"));
}
