#include "WindowTestSupport.h"

#include "ui/Messages.h"
#include "ui/ResizeKit.h"
#include "ui/U_saimoku.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kTables = QStringLiteral("StudyTaxel/TaxelData/");

class SaimokuDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        write(u"hojo_keisiki.txt", {u"01,理論", u"02,歴史", u"03,参考図書"});
        write(u"hojo_tiri.txt", {u"1,日本", u"53,アメリカ合衆国"});
        write(u"hojo_tihou.txt", {u"3,関東地方", u"36,東京都"});
        write(u"hojo_kaiyou.txt", {u"1,太平洋"});
        write(u"hojo_gengo.txt", {u"1,日本語"});
        write(u"hojo_gengoCOM.txt", {u"3,辞典"});
        write(u"hojo_bungakuCOM.txt", {u"3,小説"});
        write(u"hojo_rekisiZIDAI.txt", {u"01,通史", u"05,近世"});
        write(u"hojo_bungakuZIDAI.txt", {u"6,近代"}); // the summary table is missing
        write(u"Saimoku_3.txt",
            {u"/310,政治,社会科学,政治,政治", u"/311,政治学,社会科学,政治,政治学",
                u"/311.1,政治哲学,社会科学,政治,政治学", u"/336,経営管理,社会科学,経済,経営管理"});
        write(u"Saimoku_9.txt", {u"/913,小説,文学,日本文学,小説", u"/913.6,近代,文学,日本文学,小説"});
        services = std::make_unique<RecordedServices>(root.tree(), true);
        window = std::make_unique<TSaimokuDialog>(services->services());
        UserInput::openStudyWindow(window.get());
    }

    /// Writes a data file; an open window is closed and opened again, which reads the data anew.
    void write(const char16_t *file, std::initializer_list<const char16_t *> lines)
    {
        root.writeLines(kTables + QString::fromUtf16(file), L(lines));
        if (window && window->isVisible()) {
            click("Bclose");
            UserInput::openStudyWindow(window.get());
        }
    }

    /// Writes the section file of main class 3 and enters \a number.
    void analyse(const QString &number, std::initializer_list<const char16_t *> sections)
    {
        write(u"Youmoku_3.txt", sections);
        enter(number);
    }

    /// Types \a number over the entry field's text and presses Enter.
    void enter(const QString &number)
    {
        UserInput::typeOver(child<QLineEdit>("Esaimoku"), number);
        UserInput::pressKey(Qt::Key_Return);
    }

    template <typename T = QWidget> T *child(const char *name) const { return ::child<T>(window.get(), name); }
    void click(const char *name) const { UserInput::click(child(name)); }
    QString text(const char *name) const { return shownText(window.get(), name); }
    QString listText(const char *name) const { return child<QComboBox>(name)->currentText(); }
    bool shown(const char *name) const { return ::shown(window.get(), name); }
    bool ticked(const char *name) const { return child<QCheckBox>(name)->isChecked(); }
    QStringList tickedBoxes() const
    {
        QStringList names;
        for (const QCheckBox *box : window->kindBoxes())
            if (box->isChecked())
                names.append(box->objectName());
        return names;
    }
    std::array<int, 3> rowKinds() const
    {
        const auto &rows = window->state().rows;
        return {rows[0].kind, rows[1].kind, rows[2].kind};
    }
    QRect notesPanel() const { return ResizeKit::designGeometry(child("Pzizyou")); }

    TempRoot root;
    std::unique_ptr<RecordedServices> services; // made once the fixture's files are written
    std::unique_ptr<TSaimokuDialog> window;
};

} // namespace

TEST_F(SaimokuDialogTest, TablesAreLoadedIntoHiddenListsWhenTheWindowIsMade)
{
    EXPECT_TRUE(services->messages().messages().isEmpty()) << "a missing table is not reported";
    auto *form1 = child<QComboBox>("CBkeisiki1");
    auto *form2 = child<QComboBox>("CBkeisiki2");
    ASSERT_EQ(form1->count(), 3);
    EXPECT_EQ(form2->count(), 3);
    EXPECT_EQ(form1->currentText(), QString());
    EXPECT_EQ(child<QComboBox>("CBkoumokuhyou")->count(), 0);
    EXPECT_EQ(child<QComboBox>("CBzidaibun")->count(), 1);
    for (const char *name : {"CBkeisiki1", "CBkeisiki2", "CBtiri1", "CBtiri2", "CBtihou", "CBkaiyou", "CBgengo",
             "CBgengocom", "CBbungakucom", "CBzidairekisi", "CBzidaibun", "CBkoumokuhyou", "Pzizyou", "Lrekisiexp",
             "Lkaisekiexp2", "Lkaisekiexp3", "Lkaisekiexp4"})
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_TRUE(shown("Lkeisikiexp"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("分類細目の検索"));
    EXPECT_EQ(child("Esaimoku")->statusTip(),
        QStringLiteral("分類記号を入力して下さい。入力された分類記号を解析して、適用されている分類項目を表示します。"));
}

TEST_F(SaimokuDialogTest, EntriesAreValidatedAndSearchedByTheLongestScheduleNumber)
{
    write(u"Youmoku_3.txt", {u"/311,政治学,社会科学,政治,1/31/1"});
    enter(QStringLiteral("3110"));
    enter(QStringLiteral("31.10"));
    enter(QStringLiteral("510"));
    EXPECT_EQ(services->messages().messages(),
        QStringList({QStringLiteral("入力した分類記号が不正です！"),
            QStringLiteral("3桁目と4桁目の間には、ピリオドが必要です！"),
            QStringLiteral("指定した分類記号の細目表データが読み込めません！")}));
    EXPECT_EQ(window->state().division, 51);
    services->messages().clear();

    enter(QStringLiteral("311"));
    auto *hits = child<QListWidget>("LBhitdata");
    EXPECT_EQ(hits->count(), 2);
    EXPECT_EQ(text("STtaxel"), QString()) << "two hits wait for a choice";
    UserInput::clickLine(hits, 1);
    EXPECT_EQ(text("STtaxel"), QStringLiteral("311.1"));
    EXPECT_EQ(text("STsaimoku"), QStringLiteral("政治哲学"));
    EXPECT_EQ(hits->count(), 2) << "analysing keeps the hit list";

    enter(QStringLiteral("311.12")); // no 311.12: the key falls back to 311.1, a single hit
    EXPECT_EQ(window->state().division, 31);
    ASSERT_EQ(hits->count(), 1);
    EXPECT_EQ(text("STtaxel"), QStringLiteral("311.1"));
    EXPECT_EQ(text("STkihonBUN"), QStringLiteral("31"));
    EXPECT_EQ(text("STkakutyouBUN"), QStringLiteral("1.12"));
    EXPECT_TRUE(window->isVisible()) << "Enter never reaches the dialog's buttons";

    enter(QString());
    EXPECT_EQ(hits->count(), 0);
    EXPECT_EQ(text("STtaxel"), QString());
    EXPECT_EQ(text("STsaimoku"), QString());
    EXPECT_EQ(window->state().division, 0);
    UserInput::click(hits); // an empty hit list: nothing happens
    EXPECT_TRUE(services->messages().messages().isEmpty());
}

TEST_F(SaimokuDialogTest, KindCaptionTicksTheBoxesOfItsCodes)
{
    // The chosen 311.1 has no section line of its own: only the caption step runs.
    struct Case
    {
        const char16_t *section;
        const char16_t *caption;
        QStringList boxes;
        int formCount;
        int geoCount;
    };
    const Case cases[] = {
        {u"/311,政治学,社会科学,政治,1/311/1", u"形式区分", {QStringLiteral("CBkeisikiCH")}, 0, 0},
        {u"/311,政治学,社会科学,政治,10/311/1", u"日本地方区分", {}, 0, 0},
        {u"/311,政治学,社会科学,政治,11/311/1", u"形式区分+形式区分", {QStringLiteral("CBkeisikiCH")}, 1, 0},
        {u"/311,政治学,社会科学,政治,12/311/1", u"形式区分+地理区分",
            {QStringLiteral("CBkeisikiCH"), QStringLiteral("CBtiriCH")}, 0, 1},
        {u"/311,政治学,社会科学,政治,123/311/1", u"+海洋区分", {QStringLiteral("CBkaiyouCH")}, 0, 0},
        {u"/311,政治学,社会科学,政治,8/311/1", u"文学時代区分", {QStringLiteral("CBtihouCH")}, 0, 0},
        {u"/311,政治学,社会科学,政治,120/311/1", u"", {}, 0, 0},
    };
    for (const Case &c : cases) {
        write(u"Youmoku_3.txt", {c.section});
        enter(QStringLiteral("311.1"));
        const std::string what = QString::fromUtf16(c.section).toStdString();
        EXPECT_EQ(text("SThojoKoumoku"), QString::fromUtf16(c.caption)) << what;
        EXPECT_EQ(tickedBoxes(), c.boxes) << what;
        EXPECT_EQ(window->state().formCount, c.formCount) << what;
        EXPECT_EQ(window->state().geoCount, c.geoCount) << what;
        EXPECT_EQ(text("STkihonBUN"), QStringLiteral("311")) << what;
        EXPECT_EQ(text("STkakutyouBUN"), QStringLiteral("1")) << what;
        EXPECT_EQ(text("STitizi"), QString()) << what;
        EXPECT_TRUE(window->state().kindValues.isEmpty()) << what;
    }
    EXPECT_FALSE(shown("CBkaiyou") && ticked("CBkeisikiCH"));
}

TEST_F(SaimokuDialogTest, FormDivisionCountFollowsTheDescriptorAndEachFormulaRow)
{
    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,11/31/1.1"});
    EXPECT_EQ(window->state().formCount, 2);
    EXPECT_TRUE(shown("CBkeisiki1"));
    EXPECT_FALSE(shown("CBkeisiki2")) << "the analysis ticks the box before the count reaches 2";
    click("CBkeisikiCH");
    EXPECT_FALSE(shown("CBkeisiki1"));
    EXPECT_FALSE(shown("Lkeisikiexp"));
    click("CBkeisikiCH");
    EXPECT_TRUE(shown("CBkeisiki2")) << "ticked by hand while the count is 2";

    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,11/31/1.1,a/1/01"});
    EXPECT_EQ(window->state().formCount, 1);
    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,11/31/1.1,a/1/01,b/1/02"});
    EXPECT_EQ(window->state().formCount, 2);
    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,11/31/1.1,a/1/01,b/1/02,c/1/03"});
    EXPECT_EQ(window->state().formCount, 1);
    EXPECT_EQ(rowKinds(), (std::array<int, 3> {1, 1, 1}));
    EXPECT_EQ(window->state().kindValues, QStringList {QStringLiteral("11")});
    EXPECT_EQ(text("STkakutyouBUN"), QStringLiteral("1.1"));

    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,12/311"});
    EXPECT_EQ(window->state().formCount, 1);
    EXPECT_EQ(window->state().geoCount, 2);
    EXPECT_FALSE(shown("CBtiri2"));
}

TEST_F(SaimokuDialogTest, FormulaRowsFillTheTableLists)
{
    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,1/311/1,a/1/01,b/1/02"});
    EXPECT_EQ(listText("CBkeisiki1"), QStringLiteral("01,理論"));
    EXPECT_EQ(listText("CBkeisiki2"), QStringLiteral("02,歴史"));
    EXPECT_EQ(text("SThojo2KM"), QStringLiteral("形式区分"));

    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,1/311/1,a/1/99,b/1/02"});
    EXPECT_EQ(text("SThojo1KN"), QString());
    EXPECT_EQ(listText("CBkeisiki1"), QStringLiteral("02,歴史")) << "the first list was empty";
    EXPECT_EQ(listText("CBkeisiki2"), QString());

    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,,a/3,b/9/21,c/12/1"});
    EXPECT_EQ(text("STgousei1"), QStringLiteral("a"));
    EXPECT_EQ(text("SThojo1KM"), QStringLiteral("海洋区分"));
    EXPECT_EQ(text("SThojo1KN"), QString());
    EXPECT_TRUE(ticked("CBkaiyouCH"));
    EXPECT_EQ(listText("CBkaiyou"), QString());
    EXPECT_EQ(text("SThojo2KM"), QStringLiteral("綱目分類"));
    EXPECT_TRUE(ticked("CBkoumokuCH"));
    EXPECT_EQ(text("SThojo3KM"), QStringLiteral("不明"));
    EXPECT_EQ(rowKinds(), (std::array<int, 3> {3, 9, 12}));

    // the regional table's entry is also selected in its list, which appears
    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,8/311/36"});
    EXPECT_EQ(text("SThojo1KN"), QStringLiteral("36,東京都"));
    EXPECT_EQ(child<QComboBox>("CBtihou")->currentIndex(), 1);
    EXPECT_TRUE(shown("CBtihou"));
    EXPECT_EQ(window->state().kindValues, QStringList {QStringLiteral("8")});
}

TEST_F(SaimokuDialogTest, NotesPanelGrowsForASecondNoteAndResetRestoresIt)
{
    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,0/311/1/2/15"});
    EXPECT_TRUE(shown("Pzizyou"));
    EXPECT_EQ(notesPanel().top(), 325);
    EXPECT_EQ(notesPanel().height(), 340);
    EXPECT_TRUE(text("STzizyou").startsWith(QStringLiteral("2.")));
    EXPECT_TRUE(text("STzizyou2").startsWith(QStringLiteral("15.")));

    click("LcloseZizyou");
    EXPECT_FALSE(shown("Pzizyou"));
    EXPECT_FALSE(text("STzizyou").isEmpty()) << "closing keeps the texts";

    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,0/311/1//15"});
    EXPECT_EQ(notesPanel().height(), 340);
    EXPECT_EQ(text("STzizyou"), QString());

    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,0/311/1/3/20"});
    EXPECT_EQ(notesPanel().top(), 470);
    EXPECT_EQ(notesPanel().height(), 186);
    EXPECT_TRUE(shown("Pzizyou"));
    EXPECT_EQ(text("STzizyou2"), QString());

    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,0/311/1/9/19"});
    EXPECT_EQ(text("STzizyou"), QStringLiteral("9."));
    EXPECT_EQ(text("STzizyou2"), QString());
    EXPECT_EQ(notesPanel().height(), 340);

    click("Lsaiken");
    EXPECT_FALSE(shown("Pzizyou"));
    EXPECT_EQ(notesPanel().top(), 470);
    EXPECT_EQ(notesPanel().height(), 186);
    EXPECT_EQ(child<QLineEdit>("Esaimoku")->text(), QString());
    EXPECT_EQ(child<QListWidget>("LBhitdata")->count(), 0);
    EXPECT_TRUE(services->messages().messages().isEmpty());
}

TEST_F(SaimokuDialogTest, ReanalysisExplainsTheStructureOfAnUnknownCode)
{
    struct Case
    {
        const char *extension;
        const char *structure;
        const char *note;
    };
    const Case cases[] = {{"0253", "02+53", "Lkaisekiexp3"}, {"253", "2+53", "Lkaisekiexp4"},
        {"53034", "53+34", "Lkaisekiexp2"}, {"2053", "2+053", "Lkaisekiexp2"}};
    for (const Case &c : cases) {
        analyse(QStringLiteral("336.") + QLatin1String(c.extension), {u"/336,経営管理,社会科学,経済"});
        ASSERT_EQ(text("STkakutyouBUN"), QLatin1String(c.extension));
        click("Bkaiseki");
        EXPECT_EQ(text("STkaiseki"), QLatin1String(c.structure)) << c.extension;
        for (const char *note : {"Lkaisekiexp2", "Lkaisekiexp3", "Lkaisekiexp4"})
            EXPECT_EQ(shown(note), qstrcmp(note, c.note) == 0) << c.extension << ' ' << note;
    }
    EXPECT_TRUE(services->messages().messages().isEmpty());

    // a code that the tables know: written into their lists, shown once a box is ticked
    analyse(QStringLiteral("336.1"), {u"/336,経営管理,社会科学,経済"});
    click("Bkaiseki");
    EXPECT_EQ(services->messages().messages(),
        QStringList {QStringLiteral(
            "補助表の分類に一致するコードがありますが、正しい補助項目かどうかを判断する必要があります。")});
    EXPECT_EQ(listText("CBkeisiki1"), QStringLiteral("01,理論")); // 1 found as 01
    EXPECT_EQ(listText("CBtiri1"), QStringLiteral("1,日本"));
    EXPECT_FALSE(shown("CBkeisiki1"));
    EXPECT_EQ(text("STkaiseki"), QString());

    // the reset empties the geographic list but cannot empty a form list whose box was never ticked
    click("Lsaiken");
    EXPECT_EQ(listText("CBkeisiki1"), QStringLiteral("01,理論"));
    EXPECT_EQ(listText("CBtiri1"), QString());
    click("CBkeisikiCH");
    EXPECT_TRUE(shown("CBkeisiki1"));
    click("CBkeisikiCH");
    EXPECT_EQ(listText("CBkeisiki1"), QString());
}

TEST_F(SaimokuDialogTest, DivisionNinetyOneUsesTheLiteraryPeriods)
{
    write(u"Youmoku_9.txt", {u"/913.6,小説,文学,日本文学,67/913/6,913+6/7/6"});
    enter(QStringLiteral("913.6"));
    EXPECT_EQ(window->state().division, 91);
    EXPECT_EQ(text("SThojo1KN"), QStringLiteral("6,近代"));
    EXPECT_EQ(listText("CBzidairekisi"), QStringLiteral("6,近代"));
    EXPECT_EQ(text("SThojoKoumoku"), QStringLiteral("文学共通区分+歴史時代区分"));

    click("Bkaiseki");
    EXPECT_EQ(services->messages().messages().size(), 1);
    EXPECT_EQ(listText("CBzidaibun"), QStringLiteral("6,近代"));
    EXPECT_FALSE(shown("CBzidaibun"));

    // elsewhere code 7 is a historical period, found without its leading zero by the re-analysis
    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,7/311/5,a/7/05"});
    EXPECT_EQ(text("SThojo1KN"), QStringLiteral("05,近世"));
    EXPECT_EQ(text("STkakutyouBUN"), QStringLiteral("1"));
    click("Bkaiseki");
    EXPECT_EQ(listText("CBzidairekisi"), QStringLiteral("01,通史"));
    EXPECT_EQ(listText("CBzidaibun"), QStringLiteral("6,近代")) << "only a re-analysis in division 91 changes it";
}

TEST_F(SaimokuDialogTest, PickingASectionNameShowsItsKindValue)
{
    analyse(QStringLiteral("311.1"),
        {u"/311.1,政治学A,社会科学A,政治A,7/311/1", u"/311.1,政治学B,社会科学B,政治B,1/311/1"});
    auto *names = child<QComboBox>("CBsanzi");
    ASSERT_EQ(names->count(), 2);
    EXPECT_EQ(names->currentIndex(), 0);
    EXPECT_EQ(text("STitizi"), QStringLiteral("社会科学B"));
    EXPECT_EQ(window->state().kindValues, QStringList {QStringLiteral("7")});

    UserInput::chooseItem(names, 0);
    EXPECT_EQ(services->messages().messages(), QStringList {QStringLiteral("7")});
    EXPECT_TRUE(shown("CBzidairekisi"));
    EXPECT_TRUE(shown("Lrekisiexp"));

    UserInput::chooseItem(names, 1); // the second section line has no kind value: nothing happens
    EXPECT_EQ(services->messages().messages().size(), 1);

    click("CBzidaiRCH"); // unticking leaves the remark alone
    EXPECT_FALSE(shown("CBzidairekisi"));
    EXPECT_TRUE(shown("Lrekisiexp"));

    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,2/311/1,a/2/1"});
    UserInput::chooseItem(names, 0);
    EXPECT_EQ(services->messages().messages().last(), QStringLiteral("2"));
    EXPECT_TRUE(ticked("CBtiriCH")) << "a formula row with a kind stops the choice";
}

TEST_F(SaimokuDialogTest, TheAnalysisSurvivesClosingAndReopening)
{
    analyse(QStringLiteral("311.1"), {u"/311.1,政治学,社会科学,政治,12/311/1/7,a/2/53"});
    ASSERT_TRUE(child<QLineEdit>("Esaimoku")->isUndoAvailable());
    click("Bclose");
    EXPECT_FALSE(window->isVisible());
    // what the closed window leaves behind is given back while its widgets keep their fonts
    QTest::qWait(700);
    UserInput::openStudyWindow(window.get());
    EXPECT_EQ(child<QLineEdit>("Esaimoku")->text(), QStringLiteral("311.1"));
    EXPECT_FALSE(child<QLineEdit>("Esaimoku")->isUndoAvailable()); // the keys typed before are let go
    EXPECT_EQ(child<QListWidget>("LBhitdata")->count(), 1);
    EXPECT_EQ(text("STtaxel"), QStringLiteral("311.1"));
    EXPECT_EQ(listText("CBtiri1"), QStringLiteral("53,アメリカ合衆国"));
    EXPECT_TRUE(shown("Pzizyou"));
    EXPECT_EQ(window->state().division, 31);
    EXPECT_EQ(rowKinds(), (std::array<int, 3> {2, 0, 0}));
    // closing drops what the lists' completers kept of typed texts; completing goes on as before
    QLineEdit *place = child<QComboBox>("CBtiri1")->lineEdit();
    UserInput::typeOver(place, QStringLiteral("5"));
    EXPECT_EQ(place->text(), QStringLiteral("53,アメリカ合衆国"));
    EXPECT_FALSE(window->grab().isNull());
}
