#include "WindowTestSupport.h"

#include "index/ExampleBuilder.h"
#include "index/ItemIndexBuilder.h"
#include "ui/Messages.h"
#include "ui/U_koumoku.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

/// A data root with a small item master and example master, both built as the maintainer would.
class KoumokuDialogTest : public ::testing::Test
{
protected:
    TempRoot root;
    RecordedServices services {root.tree()};
    MessageRecorder &messages = services.messages();
    std::unique_ptr<TKoumokuDialog> window;

    void SetUp() override
    {
        QStringList items;
        for (int i = 1; i <= 12; ++i) // twelve items of the keyword 天文学
            items.append(QStringLiteral("%1,/440,天文学（その%1）,テンモンガク,自然科学,天文学．宇宙科学,,%2")
                             .arg(i)
                             .arg(100 + i));
        items << QStringLiteral("20,/010,図書館,トショカン,総記,図書館．図書館学,/a12/a13,5")
              << QStringLiteral("21,/010,図書館学,トショカンガク,総記,図書館．図書館学,a12//a13,6")
              << QStringLiteral("22,/010,図書館史,トショカンシ,総記,図書館．図書館学,a13a13x,7")
              << QStringLiteral("23,/010,図書館員,トショカンイン,総記,図書館．図書館学,,8")
              << QStringLiteral("24,/010,図書館建築,\"トショカン ケンチク\",総記,図書館．図書館学,/9/a12,9")
              << QStringLiteral("25,/290,X,エックス,歴史,地理．地誌．紀行,1001,10");
        root.makeFolder(QStringLiteral("StudyTaxel/KoumokuIndex"));
        root.makeFolder(QStringLiteral("StudyTaxel/ReidaiData"));
        root.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"), items);
        root.writeLines(QStringLiteral("StudyTaxel/Reidai_All.csv"),
            {QStringLiteral("a12,学校図書館の本,図書館は010。,010,,017"),
                QStringLiteral("a13,図書館の歴史,形式区分-02を付ける。,010.2"),
                QStringLiteral("1001,地図の本,地図は290.38。,290.38")});
        ASSERT_GT(MakeKoumokuIndex(root.tree(), [](const QString &) {}), 0);
        ASSERT_GT(MakeReidaiData(root.tree(), [](const QString &) {}), 0);

        window = std::make_unique<TKoumokuDialog>(services.services());
        UserInput::openStudyWindow(window.get());
    }

    QString text(const char *name) const { return shownText(window.get(), name); }
    bool covered(int slot) const { return shown(window.get(), ("Pmask" + QByteArray::number(slot)).constData()); }
    QLineEdit *entry() const { return child<QLineEdit>(window.get(), "Ekoumoku"); }
    QListWidget *hits() const { return child<QListWidget>(window.get(), "LBhitdata"); }
    void click(const char *name) const { UserInput::click(child(window.get(), name)); }
    void clickHit(int row) const { UserInput::clickLine(hits(), row); }

    /// Clicks into the entry field (when it lacks the focus), types \a query over its text and
    /// presses Enter.
    void search(const QString &query)
    {
        UserInput::typeOver(entry(), query);
        UserInput::pressKey(Qt::Key_Return);
    }

    /// The row of the hit whose index key is \a key.
    int rowOf(const QString &key) const
    {
        for (int i = 0; i < hits()->count(); ++i)
            if (hits()->item(i)->text().section(QLatin1Char(','), 1, 1) == key)
                return i;
        return -1;
    }
};

} // namespace

TEST_F(KoumokuDialogTest, EnterSearchesCountsAndReportsNoMatch)
{
    EXPECT_FALSE(window->state().orSearch);
    EXPECT_FALSE(window->state().exact);
    EXPECT_TRUE(entry()->hasFocus());
    search(QStringLiteral("天文学"));
    EXPECT_EQ(hits()->count(), 12);
    EXPECT_EQ(text("LhitDataNum"), QStringLiteral("12 件のデータ"));
    EXPECT_TRUE(hits()->item(0)->text().startsWith(QStringLiteral("00101,天文学,テンモンガク,")));
    EXPECT_TRUE(window->isVisible()) << "Enter must not reach the window's buttons";
    EXPECT_TRUE(messages.messages().isEmpty());

    search(QStringLiteral("図書館"));
    clickHit(rowOf(QStringLiteral("図書館")));
    ASSERT_TRUE(shown(window.get(), "Lmask"));
    search(QStringLiteral("存在しない"));
    EXPECT_EQ(messages.messages(), QStringList({QStringLiteral("一致する分類項目はありません！")}));
    EXPECT_EQ(text("LhitDataNum"), QStringLiteral("0 件のデータ"));
    EXPECT_FALSE(shown(window.get(), "Lmask"));

    click("Landor"); // OR search with a keyword that has no index file: -1
    search(QStringLiteral("図書館 存在しない"));
    EXPECT_EQ(text("LhitDataNum"), QStringLiteral("-1 件のデータ"));
    EXPECT_EQ(messages.messages().size(), 2);
}

TEST_F(KoumokuDialogTest, HitFillsTheItemAndTheExampleSlotsWithHintAndAnswer)
{
    search(QStringLiteral("図書館"));
    clickHit(rowOf(QStringLiteral("図書館")));
    EXPECT_EQ(text("STkoumoku") + text("STyomi") + text("STtaxel") + text("STitizi") + text("STnizi"),
        QStringLiteral("図書館トショカン010総記図書館．図書館学"));
    EXPECT_EQ(text("STreinum1") + text("STrei1"), QStringLiteral("a12学校図書館の本"));
    EXPECT_EQ(text("STreinum2"), QStringLiteral("a13"));
    EXPECT_FALSE(covered(1) || covered(2));
    EXPECT_TRUE(covered(3) && covered(4));

    click("Lhint1");
    EXPECT_EQ(text("STkai1"), QStringLiteral("図書館は010。"));
    click("Bkai1");
    EXPECT_EQ(text("STkai1"), QStringLiteral("図書館は010。∥010∥∥017∥")); // hint first, empty part kept
    click("Lhint1");
    EXPECT_EQ(text("STkai1"), QStringLiteral("図書館は010。"));

    clickHit(rowOf(QStringLiteral("図書館学"))); // a12//a13: slot 2 skipped, slot 3 shows a13
    EXPECT_TRUE(text("STreinum2").isEmpty() && covered(2));
    EXPECT_EQ(text("STreinum3"), QStringLiteral("a13"));
    EXPECT_FALSE(covered(3));
    EXPECT_TRUE(text("STkai1").isEmpty());

    clickHit(rowOf(QStringLiteral("図書館史"))); // no slash: the first six characters
    EXPECT_EQ(text("STreinum1"), QStringLiteral("a13a13"));
    EXPECT_TRUE(covered(1));

    search(QStringLiteral("X"));
    clickHit(0);
    EXPECT_EQ(text("STkoumoku"), QStringLiteral("X**"));
}

TEST_F(KoumokuDialogTest, FailedLookupsLeaveSlotsCoveredAndTheNoticeKeepsItsState)
{
    search(QStringLiteral("図書館"));
    clickHit(rowOf(QStringLiteral("図書館建築"))); // 9 has no example, a12 has
    EXPECT_EQ(text("STyomi"), QStringLiteral("トショカン ケンチク"));
    EXPECT_TRUE(covered(1));
    EXPECT_FALSE(covered(2));
    EXPECT_TRUE(shown(window.get(), "Lmask")) << "the notice shows in the cover of slot 1";

    clickHit(rowOf(QStringLiteral("図書館員"))); // no example numbers at all
    EXPECT_EQ(text("STtaxel"), QStringLiteral("010"));
    EXPECT_TRUE(covered(1) && covered(2) && covered(3) && covered(4));
    EXPECT_TRUE(shown(window.get(), "Lmask")) << "keeps the visibility it had";
}

TEST_F(KoumokuDialogTest, OptionsMoveTheFocusBackAndEnteringTheFieldEmptiesTheWindow)
{
    search(QStringLiteral("図書館"));
    const int found = hits()->count();
    click("Landor"); // the entry field still has the focus: nothing is emptied
    EXPECT_TRUE(window->state().orSearch);
    EXPECT_EQ(text("Landor"), QStringLiteral("OR検索"));
    EXPECT_EQ(entry()->text(), QStringLiteral("図書館"));
    EXPECT_EQ(hits()->count(), found);

    clickHit(0);
    click("Landor"); // the focus comes back from the hit list: query, hits and details go
    EXPECT_EQ(text("Landor"), QStringLiteral("AND検索"));
    EXPECT_TRUE(entry()->hasFocus());
    EXPECT_TRUE(entry()->text().isEmpty());
    EXPECT_EQ(hits()->count(), 0);
    EXPECT_TRUE(covered(1) && text("STkoumoku").isEmpty());
    EXPECT_EQ(text("LhitDataNum"), QStringLiteral("%1 件のデータ").arg(found)) << "the count stays";

    search(QStringLiteral("図書館"));
    click("RBkanzen"); // the radio button takes the focus and gives it to the field
    EXPECT_TRUE(window->state().exact);
    EXPECT_TRUE(entry()->hasFocus() && entry()->text().isEmpty() && hits()->count() == 0);
    search(QStringLiteral("図書館"));
    EXPECT_EQ(hits()->count(), 1) << "exact search: only the key 図書館 itself";

    // the window getting active again (after a message box) is not the field being entered
    activateAgain(window.get());
    EXPECT_TRUE(entry()->hasFocus());
    EXPECT_EQ(entry()->text(), QStringLiteral("図書館"));
}

TEST_F(KoumokuDialogTest, ResetEmptiesTheWindowAndReopeningKeepsIt)
{
    click("Landor");
    search(QStringLiteral("図書館"));
    const int found = hits()->count();
    clickHit(rowOf(QStringLiteral("図書館")));
    click("Bclose");
    EXPECT_FALSE(window->isVisible());
    UserInput::openStudyWindow(window.get());
    EXPECT_TRUE(window->state().orSearch);
    EXPECT_EQ(hits()->count(), found);
    EXPECT_FALSE(covered(1));

    click("Lsaiken");
    EXPECT_TRUE(entry()->hasFocus() && entry()->text().isEmpty() && hits()->count() == 0);
    EXPECT_TRUE(covered(1) && text("STrei1").isEmpty() && text("Lkai1").isEmpty());
    EXPECT_FALSE(text("LhintM1").isEmpty()) << "the reset leaves the hint fields";
    EXPECT_EQ(text("LhitDataNum"), QStringLiteral("%1 件のデータ").arg(found));
}
