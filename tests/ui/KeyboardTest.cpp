// Each window walked with the keys a user presses: Tab along the tab order, Enter in every edit box
// and editable drop-down list, Enter and Space on radio buttons and check boxes. Enter never closes
// a window nor clicks a button the user did not choose.

#include "WindowTestSupport.h"

#include "app/TaxelWindows.h"
#include "app/U_taxel.h"
#include "index/ItemIndexBuilder.h"
#include "ui/DocumentView.h"
#include "ui/Messages.h"
#include "ui/U_koumoku.h"
#include "ui/U_saimoku.h"
#include "ui/U_study.h"
#include "ui/U_tutorial.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

/// The named control that has the keyboard focus (the drop-down list, not its edit part).
QString focusedControl()
{
    for (QWidget *w = UserInput::focused(); w; w = w->parentWidget())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    return QString();
}

/// Presses Tab until \a name has the focus (a user tabbing there), at most a window's worth of times.
void tabTo(const QString &name)
{
    for (int i = 0; i < 60 && focusedControl() != name; ++i)
        UserInput::pressKey(Qt::Key_Tab);
    ASSERT_EQ(focusedControl(), name);
}

/// The focus moves from the focused control through \a names, one Tab each.
void expectTabOrder(const QStringList &names)
{
    for (const QString &name : names) {
        EXPECT_EQ(focusedControl(), name);
        UserInput::pressKey(Qt::Key_Tab);
    }
}

} // namespace

TEST(Keyboard, NoButtonOfAnyWindowIsADefaultButton)
{
    TempRoot root;
    RecordedServices services(root.tree(), true);
    const TaxelWindows windows(services.services(), false);
    TMainForm *main = &windows.mainForm();
    for (QWidget *window : std::initializer_list<QWidget *> {
             main, &windows.itemSearch(), &windows.study(), &windows.tutorial(), &windows.analysis()}) {
        const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
        EXPECT_FALSE(buttons.isEmpty());
        for (const QPushButton *button : buttons)
            EXPECT_FALSE(button->autoDefault() || button->isDefault()) << button->objectName().toStdString();
    }

    showActive(main);
    expectTabOrder(L({u"Bstudy", u"Btutorial", u"Bsaimoku", u"Bkoumoku", u"BBclose", u"Bhelp"}));
}

TEST(Keyboard, ItemSearchWindow)
{
    TempRoot root;
    root.makeFolder(QStringLiteral("StudyTaxel/KoumokuIndex"));
    root.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"),
        L({u"1,/010,図書館,トショカン,総記,図書館．図書館学,,1",
            u"2,/012,図書館建築,トショカン ケンチク,総記,図書館．図書館学,,2"}));
    ASSERT_GT(MakeKoumokuIndex(root.tree(), [](const QString &) {}), 0);
    RecordedServices services(root.tree(), true);
    MessageRecorder &messages = services.messages();
    TKoumokuDialog window(services.services());
    UserInput::openStudyWindow(&window);

    EXPECT_EQ(focusedControl(), QStringLiteral("Ekoumoku"));
    UserInput::typeText(QStringLiteral("図書館"));
    UserInput::pressKey(Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(child<QListWidget>(&window, "LBhitdata")->count(), 2);
    EXPECT_EQ(shownText(&window, "LhitDataNum"), QStringLiteral("2 件のデータ"));

    expectTabOrder(L({u"Ekoumoku", u"RBnormal"})); // one stop for the two options
    EXPECT_EQ(focusedControl(), QStringLiteral("LBhitdata"));
    UserInput::pressKey(Qt::Key_Down);
    EXPECT_EQ(shownText(&window, "STtaxel"), QStringLiteral("010")) << "an arrow key shows the item as a click does";
    UserInput::pressKey(Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    expectTabOrder(L({u"LBhitdata", u"Bclose"}));

    tabTo(QStringLiteral("RBnormal")); // through the field, which empties the window
    UserInput::pressKey(Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    UserInput::pressKey(Qt::Key_Right); // the other option, chosen as with a click
    EXPECT_TRUE(child<QRadioButton>(&window, "RBkanzen")->isChecked());
    UserInput::pressKey(Qt::Key_Space);
    EXPECT_EQ(focusedControl(), QStringLiteral("Ekoumoku")) << "an option gives the field the focus";
    UserInput::typeText(QStringLiteral("図書"));
    UserInput::pressKey(Qt::Key_Enter);
    EXPECT_EQ(messages.messages(), QStringList {QStringLiteral("一致する分類項目はありません！")});
    EXPECT_TRUE(window.isVisible());

    UserInput::pressKey(Qt::Key_Escape); // Escape closes the window as its close button does
    EXPECT_FALSE(window.isVisible());
}

TEST(Keyboard, AnalysisWindow)
{
    TempRoot root;
    root.writeLines(QStringLiteral("StudyTaxel/TaxelData/Saimoku_3.txt"),
        L({u"/311,政治学,社会科学,政治,政治学", u"/311.1,政治哲学,社会科学,政治,政治学",
            u"/311.2,政治学史,社会科学,政治,政治学"}));
    RecordedServices services(root.tree(), true);
    MessageRecorder &messages = services.messages();
    TSaimokuDialog window(services.services());
    UserInput::openStudyWindow(&window);

    EXPECT_EQ(focusedControl(), QStringLiteral("Esaimoku"));
    UserInput::typeText(QStringLiteral("311"));
    UserInput::pressKey(Qt::Key_Return);
    auto *hits = child<QListWidget>(&window, "LBhitdata");
    ASSERT_EQ(hits->count(), 3);
    EXPECT_TRUE(window.isVisible());

    expectTabOrder(L({u"Esaimoku", u"LBhitdata", u"Bclose"}));
    tabTo(QStringLiteral("LBhitdata"));
    UserInput::pressKey(Qt::Key_Down);
    UserInput::pressKey(Qt::Key_Down);
    const QString chosen = shownText(&window, "STtaxel");
    EXPECT_EQ(chosen, hits->currentItem()->text().section(QLatin1Char(','), 0, 0).mid(1))
        << "the line chosen with the arrow keys is analysed";
    UserInput::pressKey(Qt::Key_Up);
    EXPECT_NE(shownText(&window, "STtaxel"), chosen);
    UserInput::pressKey(Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());

    auto *box = child<QCheckBox>(&window, "CBkeisikiCH");
    tabTo(QStringLiteral("CBkeisikiCH"));
    UserInput::pressKey(Qt::Key_Return);
    EXPECT_FALSE(box->isChecked());
    UserInput::pressKey(Qt::Key_Space);
    EXPECT_TRUE(box->isChecked());
    EXPECT_FALSE(child<QWidget>(&window, "CBkeisiki1")->isHidden()) << "ticking the box shows its list";
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(messages.messages().isEmpty());
}

TEST(Keyboard, RulesStudyWindow)
{
    TempRoot root;
    root.writeLines(QStringLiteral("StudyTaxel/SaimokuData/kubun_kiso.txt"), L({u"はじめに：1", u"分類：12"}));
    RecordedServices services(root.tree(), true);
    MessageRecorder &messages = services.messages();
    TDialogStudy window(services.services());
    UserInput::openStudyWindow(&window);

    EXPECT_EQ(focusedControl(), QStringLiteral("RBkihon"));
    UserInput::pressKey(Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    UserInput::pressKey(Qt::Key_Space);
    auto *topics = child<QComboBox>(&window, "CBkubun");
    EXPECT_EQ(topics->count(), 2);

    tabTo(QStringLiteral("CBkubun"));
    UserInput::pressKey(Qt::Key_Return); // the prompt text is no topic: nothing is chosen
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(topics->count(), 2);
    EXPECT_TRUE(window.documentView().lastUrl().isEmpty());
    UserInput::pressKey(Qt::Key_F4); // the list opens; the second topic is chosen with the keys
    UserInput::pressKey(Qt::Key_Down);
    UserInput::pressKey(Qt::Key_Down);
    UserInput::pressKey(Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.documentView().lastUrl().endsWith(QStringLiteral("taxel_kiso.pdf#page=12")));
    UserInput::pressKey(Qt::Key_A, Qt::ControlModifier); // a topic typed whole is chosen as well
    UserInput::typeText(QStringLiteral("はじめに：1"));
    UserInput::pressKey(Qt::Key_Return);
    EXPECT_TRUE(window.documentView().lastUrl().endsWith(QStringLiteral("taxel_kiso.pdf#page=1")));
    EXPECT_TRUE(messages.messages().isEmpty());
}

namespace {

/// The practice window over a basic set of one exercise.
class KeyboardPractice : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root.writeLines(QStringLiteral("StudyTaxel/ReidaiData/ren_num_kihon.txt"), L({u"k1"}));
        root.writeLines(QStringLiteral("StudyTaxel/ReidaiData/ren_num_hojo.txt"), L({u"1"}));
        root.writeLines(QStringLiteral("StudyTaxel/ReidaiData/ren_num_ouyou.txt"), L({u"1"}));
        root.writeLines(
            QStringLiteral("StudyTaxel/ReidaiData/REI_hojo.txt"), L({u"k1,学校図書館の本,ねらい,ヒント,解説,017"}));
        window = std::make_unique<TTutorialDialog>(services.services());
        UserInput::openStudyWindow(window.get());
    }

    TempRoot root;
    RecordedServices services {root.tree(), true};
    MessageRecorder &messages = services.messages();
    std::unique_ptr<TTutorialDialog> window;
};

} // namespace

TEST_F(KeyboardPractice, SetsAreOneGroupOfArrowKeys)
{
    TTutorialDialog &window = *this->window;

    // the sets are one group: one Tab stop, the arrow keys move between them and choose
    expectTabOrder(L({u"RBkihon", u"CBreinum", u"Bques"}));
    tabTo(QStringLiteral("RBkihon"));
    UserInput::pressKey(Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    UserInput::pressKey(Qt::Key_Space);
    EXPECT_FALSE(child<QWidget>(&window, "PkihonExp")->isHidden());
    UserInput::pressKey(Qt::Key_Down);
    UserInput::pressKey(Qt::Key_Down);
    EXPECT_TRUE(child<QRadioButton>(&window, "RBhojo")->isChecked());
    UserInput::pressKey(Qt::Key_Tab);
    EXPECT_EQ(focusedControl(), QStringLiteral("CBhojokoumoku"));
    UserInput::pressKey(Qt::Key_Return); // its prompt names no table
    EXPECT_EQ(messages.messages(), QStringList {QStringLiteral("選択した項目が不正です。再度指定して下さい。")});
    EXPECT_TRUE(window.isVisible());

    UserInput::pressKey(Qt::Key_Tab, Qt::ShiftModifier);
    UserInput::pressKey(Qt::Key_Up);
    UserInput::pressKey(Qt::Key_Up);
    EXPECT_EQ(focusedControl(), QStringLiteral("RBkihon"));
    EXPECT_FALSE(child<QWidget>(&window, "PkihonExp")->isHidden());
}

TEST_F(KeyboardPractice, EnterJudgesAnAnswerAndTheWindowStays)
{
    TTutorialDialog &window = *this->window;
    tabTo(QStringLiteral("RBkihon"));
    UserInput::pressKey(Qt::Key_Space);
    UserInput::pressKey(Qt::Key_Tab); // the number of exercises is fixed for the basic set
    EXPECT_EQ(focusedControl(), QStringLiteral("Bques"));
    UserInput::pressKey(Qt::Key_Space);
    EXPECT_EQ(shownText(&window, "STren1"), QStringLiteral("[k1] 学校図書館の本"));
    UserInput::pressKey(Qt::Key_Tab);
    EXPECT_EQ(focusedControl(), QStringLiteral("Eren1"));
    UserInput::typeText(QStringLiteral("016"));
    UserInput::pressKey(Qt::Key_Return); // Enter judges the answer, and the window stays
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(shownText(&window, "Lhantei1").startsWith(QStringLiteral("016")));
    EXPECT_EQ(shownText(&window, "Lseiseki"), QStringLiteral("正解 0 / 1 問"));
    UserInput::typeOver(child<QLineEdit>(&window, "Eren1"), QStringLiteral("０１７"));
    UserInput::pressKey(Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(shownText(&window, "Lhantei1"), QStringLiteral("正解です！"));
    EXPECT_EQ(shownText(&window, "Lseiseki"), QStringLiteral("正解 0 / 1 問")) << "an exercise counts once";
    EXPECT_TRUE(shownText(&window, "STkai1").isEmpty()) << "Enter shows no answer";

    tabTo(QStringLiteral("CBstartNum"));
    UserInput::pressKey(Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(messages.messages().isEmpty());
}
