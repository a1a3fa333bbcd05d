#include "WindowTestSupport.h"

#include "datafiles/DataRoot.h"
#include "datafiles/ProgramRandom.h"
#include "learning/PracticeState.h"
#include "learning/PracticeWindowState.h"
#include "ui/DocumentView.h"
#include "ui/Messages.h"
#include "ui/U_study.h"
#include "ui/U_tutorial.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPdfWriter>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString kStudy = QStringLiteral("StudyTaxel/SaimokuData/");
const QString kExamples = QStringLiteral("StudyTaxel/ReidaiData/");

void writePdf(const QString &path, int pages)
{
    QPdfWriter writer(path);
    QPainter painter(&writer);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.drawText(100, 100, QString::number(i + 1));
    }
}

class StudyWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root.writeLines(kStudy + QStringLiteral("kubun_rui3.txt"),
            {QStringLiteral("政治：2"), QStringLiteral("法律：0003"), QStringLiteral("目次だけ"),
                QStringLiteral("経済：99"), QStringLiteral("社会：0")});
        writePdf(root.path(kStudy + QStringLiteral("taxel_rui3.pdf")), 3);
        UserInput::openStudyWindow(&window);
    }
    QComboBox *topics() const { return child<QComboBox>(&window, "CBkubun"); }
    QString shown(const char *name) const { return shownText(&window, name); }
    /// Chooses topic set \a name (RBkihon, RBouyou, RBhojo, RBrui0 … RBrui9).
    void chooseSet(const char *name) { UserInput::click(child(&window, name)); }
    void choose(int line) { UserInput::chooseItem(topics(), line); }
    QString document() const { return root.path(kStudy + QStringLiteral("taxel_rui3.pdf")); }

    TempRoot root;
    RecordedServices services {root.tree(), true};
    MessageRecorder &messages = services.messages();
    TDialogStudy window {services.services()};
};

} // namespace

TEST_F(StudyWindowTest, ChoosingASetFillsTheTopicBoxButLeavesTheDocument)
{
    auto *box = topics();
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(shown("Lkoumoku"), QStringLiteral("項目を選んで下さい。"));
    chooseSet("RBrui3");
    EXPECT_EQ(shown("Lkoumoku"), QStringLiteral("3類：社会科学･教育･軍事"));
    EXPECT_EQ(shown("LbunFnm"), document());
    EXPECT_EQ(box->count(), 5);
    EXPECT_TRUE(box->isEnabled());
    EXPECT_EQ(box->currentText(), QStringLiteral("選択して下さい。"));

    choose(0);
    chooseSet("RBrui1"); // class 1 has no topic list here
    EXPECT_EQ(messages.messages().size(), 1);
    EXPECT_EQ(box->count(), 0);
    EXPECT_EQ(shown("Lkoumoku"), QStringLiteral("1類：哲学･心理学･宗教"));
    EXPECT_EQ(window.documentView().viewCount(), 1) << "the former page stays until a topic is chosen";
    EXPECT_EQ(window.documentView().lastUrl(), document() + QStringLiteral("#page=2"));
}

TEST_F(StudyWindowTest, TopicsShowTheirPageInOneFreshView)
{
    chooseSet("RBrui3");
    choose(0);
    EXPECT_EQ(window.documentView().lastUrl(), document() + QStringLiteral("#page=2"));
    EXPECT_EQ(window.documentView().viewCount(), 1);
    QPdfView *first = window.findChild<QPdfView *>();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->pageNavigator()->currentPage(), 1);

    choose(1);
    EXPECT_EQ(window.documentView().lastUrl(), document() + QStringLiteral("#page=3"));
    EXPECT_EQ(window.documentView().viewCount(), 1) << "two selections leave one view";
    choose(3); // past the end: the last page, quietly
    EXPECT_EQ(window.documentView().lastUrl(), document() + QStringLiteral("#page=99"));
    EXPECT_EQ(window.findChild<QPdfView *>()->pageNavigator()->currentPage(), 2);
    choose(4);
    EXPECT_EQ(window.documentView().lastUrl(), document() + QStringLiteral("#page=0"));
    EXPECT_TRUE(messages.messages().isEmpty());

    choose(2); // no "："
    EXPECT_EQ(messages.messages(), QStringList {QStringLiteral("正しい文書を指定できませんでした！")});
    EXPECT_EQ(window.documentView().viewCount(), 1);
    EXPECT_TRUE(window.documentView().lastUrl().isEmpty()) << "the renewed view was told nothing";
}

TEST_F(StudyWindowTest, ClosingDropsTheViewAndKeepsTheChoice)
{
    chooseSet("RBrui3");
    choose(0);
    UserInput::click(child(&window, "Bclose"));
    EXPECT_EQ(window.documentView().viewCount(), 0);
    UserInput::openStudyWindow(&window);
    EXPECT_EQ(window.documentView().viewCount(), 0);
    EXPECT_EQ(shown("Lkoumoku"), QStringLiteral("3類：社会科学･教育･軍事"));
    EXPECT_EQ(topics()->count(), 5);

    // a missing document shows an empty view, never a crash
    QFile::remove(document());
    choose(1);
    EXPECT_EQ(window.documentView().viewCount(), 1);
}

namespace {

class PracticeWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root.writeLines(kExamples + QStringLiteral("ren_num_kihon.txt"),
            {QStringLiteral("k1"), QStringLiteral("k2"), QStringLiteral("1")});
        root.writeLines(kExamples + QStringLiteral("REI_hojo.txt"),
            {QStringLiteral("k1,地図の歴史,ねらい1,ヒント1,解説1,290.2,,290.1"),
                QStringLiteral("k2,題2,ねらい2,,解説2,100")});
        root.writeLines(kExamples + QStringLiteral("REI_kihon.txt"), {QStringLiteral("1,平易な題,ヒント,010")});
        QStringList block;
        for (int n = 1; n <= 6; ++n)
            block.append(QStringLiteral("%1,題%1 x,ヒント%1,%1.1").arg(n));
        root.writeLines(kExamples + QStringLiteral("REI_0.txt"), block);
        root.writeLines(kExamples + QStringLiteral("ren_num_2.txt"),
            {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                QStringLiteral("6")});
        root.writeLines(kExamples + QStringLiteral("ren_num_hojo.txt"), {QStringLiteral("1")});
        root.writeLines(kExamples + QStringLiteral("REI_all.txt"), {QStringLiteral("1,全体,,9")});
        UserInput::openStudyWindow(&window);
        services.services().random->seed(5);
    }

    template <typename T = QWidget> T *control(const char *name) const { return child<T>(&window, name); }
    QString shown(const char *name) const { return shownText(&window, name); }
    void click(const char *name) { UserInput::click(control(name)); }

    TempRoot root;
    RecordedServices services {root.tree(), true};
    MessageRecorder &messages = services.messages();
    const QList<QUrl> &opened = services.opened();
    TTutorialDialog window {services.services()};
};

} // namespace

TEST_F(PracticeWindowTest, AskingBeforeAnySetOnlyTellsThatThereIsNoExercise)
{
    control<QLabel>("STren1")->setText(QStringLiteral("old"));
    click("Bques");
    EXPECT_EQ(messages.messages(), QStringList {PracticeState::noExerciseMessage()});
    EXPECT_TRUE(shown("STren1").isEmpty());
    EXPECT_TRUE(control("PkihonExp")->isHidden());
    EXPECT_FALSE(control("CBhojokoumoku")->isEnabled());
}

TEST_F(PracticeWindowTest, BasicSetShowsAimThenAnswerAndExplanationAndSavesProgress)
{
    click("RBkihon");
    EXPECT_FALSE(control("PkihonExp")->isHidden());
    EXPECT_FALSE(control("CBreinum")->isEnabled());
    EXPECT_TRUE(control("Pren2")->isHidden());
    EXPECT_EQ(shown("LkihonNumCount"), QStringLiteral("3"));
    EXPECT_EQ(shown("LlastNum"), QStringLiteral("0"));
    EXPECT_EQ(control<QComboBox>("CBstartNum")->itemText(2), QStringLiteral("3  1"));

    click("Bques");
    EXPECT_EQ(shown("STren1"), QStringLiteral("[k1] 地図の歴史"));
    EXPECT_EQ(shown("STkihon"), QStringLiteral("ねらい1"));
    EXPECT_EQ(shown("LlastNum"), QStringLiteral("1"));
    click("Bren1");
    EXPECT_EQ(shown("STkai1"), QStringLiteral("290.2∥290.1∥"));
    EXPECT_EQ(shown("STkihon"), QStringLiteral("ねらい1\n\n解説1"));
    click("Lhint1");
    EXPECT_EQ(shown("SThint1"), QStringLiteral("ヒント1"));

    click("BsaveLast");
    EXPECT_EQ(messages.messages(), QStringList {PracticeState::savedMessage()});
    EXPECT_EQ(root.readBytes(kExamples + QStringLiteral("study_kihon.txt")), QByteArray("1\r\n"));

    click("Bques"); // k2 has no hint
    click("Lhint1");
    EXPECT_TRUE(shown("SThint1").isEmpty());

    auto *start = control<QComboBox>("CBstartNum");
    UserInput::chooseItem(start, 2);
    EXPECT_TRUE(start->currentText().isEmpty());
    EXPECT_TRUE(shown("STren1").isEmpty());
    click("Bques");
    EXPECT_EQ(shown("STren1"), QStringLiteral("[1] 平易な題"));
    EXPECT_EQ(shown("LlastNum"), QStringLiteral("3"));
}

TEST_F(PracticeWindowTest, ThreeQuestionsFromAClassSetAreThreeDifferentExercises)
{
    click("RBrui2");
    EXPECT_TRUE(control("CBreinum")->isEnabled());
    UserInput::chooseItem(control<QComboBox>("CBreinum"), 2);
    EXPECT_FALSE(control("Pren3")->isHidden());
    for (int round = 0; round < 10; ++round) {
        click("Bques");
        QSet<QString> lines;
        for (const char *name : {"STren1", "STren2", "STren3"}) {
            const QString line = shown(name);
            EXPECT_TRUE(line.startsWith(QLatin1Char('['))) << line.toStdString();
            EXPECT_TRUE(line.contains(QStringLiteral("] 題"))) << line.toStdString();
            EXPECT_TRUE(line.contains(QStringLiteral("　x"))) << "blanks are widened";
            lines.insert(line);
        }
        EXPECT_EQ(lines.size(), 3);
    }
    EXPECT_TRUE(messages.messages().isEmpty());

    // typed text in the count box is no selection: one slot, one exercise
    UserInput::typeOver(control<QComboBox>("CBreinum")->lineEdit(), QStringLiteral("abc"));
    EXPECT_TRUE(control("Pren2")->isHidden());
    click("Bques");
    EXPECT_FALSE(shown("STren1").isEmpty());
    EXPECT_TRUE(shown("STren2").isEmpty());
}

TEST_F(PracticeWindowTest, ModesFollowTheChosenSet)
{
    click("RBkihon");
    click("RBhojo");
    EXPECT_TRUE(control("PkihonExp")->isHidden());
    EXPECT_TRUE(control("CBreinum")->isEnabled());
    auto *tables = control<QComboBox>("CBhojokoumoku");
    EXPECT_TRUE(tables->isEnabled());
    EXPECT_EQ(tables->currentText(), QStringLiteral("選んで下さい。"));
    EXPECT_EQ(window.state().practice().setCode(), 21);

    UserInput::chooseItem(tables, 1); // no list for the geographic division
    EXPECT_TRUE(shown("SThint").startsWith(QStringLiteral("地理区分：")));
    EXPECT_EQ(messages.messages(), QStringList {PracticeState::listMissingMessage()});
    EXPECT_EQ(window.state().practice().setCode(), 21);
    UserInput::typeOver(tables->lineEdit(), QString()); // no table named
    UserInput::pressKey(Qt::Key_Return);
    EXPECT_EQ(messages.messages().constLast(), PracticeState::invalidItemMessage());

    click("RBouyou"); // no advanced list: the former set stays
    EXPECT_EQ(window.state().practice().setCode(), 21);
    root.writeLines(kExamples + QStringLiteral("ren_num_ouyou.txt"), {QStringLiteral("k2")});
    click("RBouyou");
    EXPECT_FALSE(tables->isEnabled());
    EXPECT_EQ(shown("LkaisetuT"), QStringLiteral("◆発展問題の解説"));
    EXPECT_EQ(window.state().practice().setCode(), 22);

    click("Lrui7");
    click("Lkihon");
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened[0].toLocalFile().endsWith(QStringLiteral("StudyTaxel/SaimokuData/exp_rui7.pdf")));
    EXPECT_TRUE(opened[1].toLocalFile().endsWith(QStringLiteral("StudyTaxel/SaimokuData/taxel_kihon.pdf")));
}

TEST_F(PracticeWindowTest, AFailedProgressSaveSaysSoAndKeepsThePreviousFile)
{
    root.writeLines(kExamples + QStringLiteral("study_kihon.txt"), {QStringLiteral("1")});
    click("RBkihon");
    click("Bques");
    EXPECT_EQ(shown("LlastNum"), QStringLiteral("2"));

    const QString folder = root.path(QStringLiteral("StudyTaxel/ReidaiData"));
    QDir(folder).rename(QStringLiteral("study_kihon.txt"), QStringLiteral("kept.txt"));
    root.makeFolder(kExamples + QStringLiteral("study_kihon.txt")); // a folder where the file should be
    click("BsaveLast");
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_TRUE(messages.messages()[0].startsWith(QStringLiteral("現在の終了番号を保存できませんでした。")));
    EXPECT_NE(messages.messages()[0], PracticeState::savedMessage());

    QDir(root.path(kExamples + QStringLiteral("study_kihon.txt"))).removeRecursively();
    QDir(folder).rename(QStringLiteral("kept.txt"), QStringLiteral("study_kihon.txt"));
    QDir(folder).rename(folder, folder + QStringLiteral("-moved")); // the folder is gone
    click("BsaveLast");
    EXPECT_EQ(messages.messages().size(), 2);
    EXPECT_FALSE(messages.messages().contains(PracticeState::savedMessage()));
    EXPECT_EQ(root.readBytes(QStringLiteral("StudyTaxel/ReidaiData-moved/study_kihon.txt")), QByteArray("1\r\n"));
    EXPECT_EQ(QDir(folder + QStringLiteral("-moved")).entryList(QDir::Files).filter(QStringLiteral("study_kihon")),
        QStringList {QStringLiteral("study_kihon.txt")})
        << "no half-written file beside it";

    root.writeBytes(QStringLiteral("StudyTaxel/ReidaiData"), "x"); // the path runs through a regular file
    click("BsaveLast");
    EXPECT_EQ(messages.messages().size(), 3);
    EXPECT_FALSE(messages.messages().contains(PracticeState::savedMessage()));
}

TEST(PracticeWindowFullDisk, SavingOntoAFullDiskSaysWhyKeepsTheFileAndTheWindowGoesOn)
{
    FullDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    const DataTree tree(disk.path());
    const QString folder = disk.path() + QStringLiteral("/StudyTaxel/ReidaiData/");
    QDir().mkpath(folder);
    for (const auto &[name, bytes] : {std::pair {"ren_num_kihon.txt", QByteArray("1\r\n2\r\n3\r\n")},
             {"REI_kihon.txt", QByteArray("1,a,h,010\r\n2,b,h,020\r\n3,c,h,030\r\n")},
             {"study_kihon.txt", QByteArray("1\r\n")}}) {
        QFile file(folder + QString::fromLatin1(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    RecordedServices services(tree, true);
    MessageRecorder &messages = services.messages();
    TTutorialDialog window(services.services());
    UserInput::openStudyWindow(&window);
    UserInput::click(child<QWidget>(&window, "RBkihon"));
    UserInput::click(child<QWidget>(&window, "Bques"));
    disk.fill();
    UserInput::click(child<QWidget>(&window, "BsaveLast"));
    ASSERT_EQ(messages.messages().size(), 1);
    EXPECT_TRUE(messages.messages().first().contains(QStringLiteral("ディスクの空き容量が足りません")));
    QFile kept(folder + QStringLiteral("study_kihon.txt"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("1\r\n"));
    UserInput::click(child<QWidget>(&window, "Bques"));
    EXPECT_EQ(shownText(&window, "LlastNum"), QStringLiteral("3")) << "the window goes on";
}
