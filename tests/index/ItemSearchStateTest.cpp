// What the item search window shows, computed without a widget from a small tree built as the
// maintainer builds it.

#include "TestSupport.h"

#include "index/ExampleBuilder.h"
#include "index/ItemIndexBuilder.h"
#include "index/ItemSearchState.h"

#include <gtest/gtest.h>

namespace {

class ItemSearchModel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root.makeFolder(QStringLiteral("StudyTaxel/KoumokuIndex"));
        root.makeFolder(QStringLiteral("StudyTaxel/ReidaiData"));
        root.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"),
            L({u"20,/010,図書館,トショカン,総記,図書館．図書館学,/a12/a13,5",
                u"21,/010,図書館学,トショカンガク,総記,図書館．図書館学,a12//a13,6"}));
        root.writeLines(QStringLiteral("StudyTaxel/Reidai_All.csv"),
            L({u"a12,学校図書館の本,図書館は010。,010,,017", u"a13,図書館の歴史,形式区分-02を付ける。,010.2"}));
        ASSERT_GT(MakeKoumokuIndex(root.tree(), [](const QString &) {}), 0);
        ASSERT_GT(MakeReidaiData(root.tree(), [](const QString &) {}), 0);
    }

    int rowOf(const QString &key) const
    {
        for (int i = 0; i < state.hits.size(); ++i)
            if (state.hits.at(i).section(QLatin1Char(','), 1, 1) == key)
                return i;
        return -1;
    }

    void search(const QString &query)
    {
        state.query = query;
        messages = state.search(root.tree());
    }

    TempRoot root;
    ItemSearchState state;
    QStringList messages;
};

} // namespace

TEST_F(ItemSearchModel, AHitShowsItsItemAndTheExamplesOfItsSlots)
{
    search(QStringLiteral("図書館"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(state.hitCount, QStringLiteral("2 件のデータ"));

    state.pickHit(root.tree(), rowOf(QStringLiteral("図書館")));
    EXPECT_EQ(state.key + state.reading + state.classNumber, QStringLiteral("図書館トショカン010"));
    EXPECT_EQ(state.examples[0].number + state.examples[0].title, QStringLiteral("a12学校図書館の本"));
    EXPECT_FALSE(state.examples[0].masked || state.examples[1].masked);
    EXPECT_TRUE(state.examples[2].masked && state.examples[3].masked);
    EXPECT_TRUE(state.noExamplesNote);

    state.showHint(0);
    EXPECT_EQ(state.examples[0].answerArea, QStringLiteral("図書館は010。"));
    state.showAnswer(0);
    EXPECT_EQ(state.examples[0].answerArea, state.examples[0].answer);

    // an empty slot in the field skips its slot; the answer area is cleared, the hint kept
    state.pickHit(root.tree(), rowOf(QStringLiteral("図書館学")));
    EXPECT_TRUE(state.examples[1].masked);
    EXPECT_EQ(state.examples[2].number, QStringLiteral("a13"));
    EXPECT_TRUE(state.examples[0].answerArea.isEmpty());

    state.pickHit(root.tree(), 99); // a row that is not there changes nothing but the item
    EXPECT_TRUE(state.key.isEmpty());
}

TEST_F(ItemSearchModel, NoMatchSaysSoAndTheEntryStartsAfresh)
{
    search(QStringLiteral("図書館"));
    state.pickHit(root.tree(), 0);
    search(QStringLiteral("存在しない"));
    EXPECT_EQ(messages, QStringList {QStringLiteral("一致する分類項目はありません！")});
    EXPECT_EQ(state.hitCount, QStringLiteral("0 件のデータ"));
    EXPECT_FALSE(state.noExamplesNote);

    state.toggleMode();
    EXPECT_EQ(state.modeText(), QStringLiteral("OR検索"));
    EXPECT_TRUE(state.focusEntry);
    search(QStringLiteral("図書館 存在しない"));
    EXPECT_EQ(state.hitCount, QStringLiteral("-1 件のデータ")) << "a keyword without an index file";

    state.startAgain();
    EXPECT_TRUE(state.query.isEmpty() && state.hits.isEmpty() && state.key.isEmpty());
}
