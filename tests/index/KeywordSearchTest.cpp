#include "TestSupport.h"

#include "index/IndexKey.h"
#include "index/KeywordSearch.h"

#include <gtest/gtest.h>

namespace {

/// A data root with index files written directly, one list of lines per index key. Latin
/// letters, digits and punctuation keep the same relative order under every collation used here,
/// which fixes the keyword an AND search looks up (the first in sorted order).
class SearchTree : public ::testing::Test
{
protected:
    TempRoot root;

    void file(const char16_t *key, std::initializer_list<const char16_t *> lines)
    {
        QStringList list;
        for (const char16_t *line : lines)
            list.append(QString::fromUtf16(line));
        root.writeLines(IndexFileOf(QString::fromUtf16(key)), list);
    }

    void SetUp() override
    {
        file(u"図書館",
            {u"図書館,としょかん,総記,図書館情報学,010,a12/a13,10",
                u"図書館学,としょかんがく,総記,図書館情報学,010.1,,5",
                u"図書館,としょかん,総記,図書館情報学,010,a12/a13,10", // twice
                u"公共図書館,こうきょう,総記,図書館,016.2,,20", u"short,line,図書館"});
        file(u"ab*", {u"ab*,,x,y,1,,3"});
        file(u"abc", {u"abc,,x,y,1,,3"});
        file(u"X**", {u"X**,,x,y,9,,100"});
        file(u"歴史*", {u"歴史*,れきし,歴史,歴史,200,,7", u"日本史,,歴史*,x,210,,8"});
        file(u"lib", {u"lib,,x,pub,1,,20", u"library,,x,y,2,,30", u"lib,,x,y,3,,40"});
        file(u"!!!", {u"!!!,,x,y,1,,20", u"!!!,,x,y,1,,30"});
    }

    int andCount(const char16_t *query, bool exact = false)
    {
        return SearchKoumokuAnd(root.tree(), QString::fromUtf16(query), exact).result;
    }
};

QStringList keysOf(const QStringList &hits)
{
    QStringList keys;
    for (const QString &hit : hits)
        keys.append(hit.section(QLatin1Char(','), 1, 1));
    return keys;
}

} // namespace

TEST(SortKey, FiveCharactersOfTheNumberPlus100000)
{
    EXPECT_EQ(SortKeyOf(QStringLiteral("7")), QStringLiteral("00007"));
    EXPECT_EQ(SortKeyOf(QStringLiteral("123456")), QStringLiteral("23456"));
    EXPECT_EQ(SortKeyOf(QStringLiteral("-5")), QStringLiteral("9995"));
    EXPECT_EQ(SortKeyOf(QStringLiteral(" 12abc")), QStringLiteral("00012"));
    EXPECT_EQ(SortKeyOf(QStringLiteral("-100005")), QStringLiteral("5"));
    EXPECT_EQ(SortKeyOf(QStringLiteral("99999999999")), QStringLiteral("14758")); // saturated, no overflow
}

TEST_F(SearchTree, PartialSearchFindsEveryLineOfTheFileThatHoldsTheKey)
{
    const SearchResult r = SearchKoumokuAnd(root.tree(), QStringLiteral("図書館"), false);
    EXPECT_EQ(r.result, 3); // the repeated line once, the short line never
    EXPECT_EQ(r.hits,
        QStringList({QStringLiteral("00005,図書館学,としょかんがく,総記,図書館情報学,010.1,,5"),
            QStringLiteral("00010,図書館,としょかん,総記,図書館情報学,010,a12/a13,10"),
            QStringLiteral("00020,公共図書館,こうきょう,総記,図書館,016.2,,20")}));
    // short queries are padded and read only their own file
    EXPECT_EQ(
        keysOf(SearchKoumokuAnd(root.tree(), QStringLiteral("ab"), false).hits), QStringList({QStringLiteral("ab*")}));
    EXPECT_EQ(
        keysOf(SearchKoumokuAnd(root.tree(), QStringLiteral("X"), false).hits), QStringList({QStringLiteral("X**")}));
    EXPECT_EQ(andCount(u"x"), 0);
}

TEST_F(SearchTree, ExactSearchComparesKeyAndDivisionNamesWithThePaddedKey)
{
    EXPECT_EQ(andCount(u"歴史", true), 2); // field 0 in one line, field 2 in the other
    EXPECT_EQ(keysOf(SearchKoumokuAnd(root.tree(), QStringLiteral("図書館"), true).hits),
        QStringList({QStringLiteral("図書館"), QStringLiteral("公共図書館")}));
    EXPECT_EQ(andCount(u"図書", true), 0);
    EXPECT_FALSE(
        MatchesSearchKey(QStringLiteral("日本史,にほんし,歴史,日本,210,a1,8"), QStringLiteral("にほんし"), true));
    EXPECT_FALSE(MatchesSearchKey(QStringLiteral("A,b,c,d,e,f,g"), QStringLiteral("a"), false)); // case counts
}

TEST_F(SearchTree, LaterAndKeywordsFilterTheWholeHitLineSortKeyIncluded)
{
    EXPECT_EQ(andCount(u"lib"), 3);
    EXPECT_EQ(andCount(u"lib pu"), 1);
    EXPECT_EQ(andCount(u"lib", true), 2);
    EXPECT_EQ(andCount(u"lib/pu", true), 1); // the filter stays partial in an exact search
    EXPECT_EQ(andCount(u"lib pub"), 1); // a filter needs no index file of its own
    EXPECT_EQ(andCount(u"lib rary zzz"), 0);
    const SearchResult r = SearchKoumokuAnd(root.tree(), QStringLiteral("!!! 0002"), false);
    ASSERT_EQ(r.result, 1); // "0002" occurs only in the sort key 00020
    EXPECT_TRUE(r.hits.first().startsWith(QStringLiteral("00020,")));
    EXPECT_EQ(andCount(u"zzz 0002"), 0); // here "0002" sorts first and has no index file
}

TEST_F(SearchTree, OrMergesAllKeywordsAndFailsWhenOneHasNoFile)
{
    const SearchResult r = SearchKoumokuOr(root.tree(), QStringLiteral("ab/X abc"), false);
    EXPECT_EQ(r.result, 3);
    EXPECT_EQ(keysOf(r.hits), QStringList({QStringLiteral("ab*"), QStringLiteral("abc"), QStringLiteral("X**")}));
    const SearchResult missing = SearchKoumokuOr(root.tree(), QStringLiteral("図書館 nothing"), false);
    EXPECT_EQ(missing.result, -1);
    EXPECT_TRUE(missing.hits.isEmpty());
    EXPECT_EQ(
        SearchKoumokuOr(root.tree(), QStringLiteral("図書館 図書館学"), false).result, 3); // found twice, listed once
}

TEST_F(SearchTree, QueriesWithoutKeywordsFindNothing)
{
    for (const QString &q : {QString(), QStringLiteral("/"), QStringLiteral("  "), QStringLiteral("・　")}) {
        EXPECT_EQ(SearchKoumokuAnd(root.tree(), q, false).result, 0);
        EXPECT_EQ(SearchKoumokuOr(root.tree(), q, true).result, 0);
    }
}

// Index lines are written without quotes, so a blank in a reading stays in the line; the fields
// after it must keep their places (sort number, class number, example numbers).
TEST_F(SearchTree, BlanksInsideFieldsKeepEveryFieldInItsPlace)
{
    file(u"江戸時",
        {u"江戸時代,エド ジダイ,歴史,日本史,210.5,2007/b4,83", u"江戸時代史,エドジダイシ,歴史,日本史,210.5,,84",
            u"江戸時代,エド,歴史,日本史,210.5,,4"});
    const SearchResult r = SearchKoumokuAnd(root.tree(), QStringLiteral("江戸時"), false);
    ASSERT_EQ(r.result, 3);
    EXPECT_EQ(keysOf(r.hits),
        QStringList({QStringLiteral("江戸時代"), QStringLiteral("江戸時代"), QStringLiteral("江戸時代史")}));
    const HitFields hit = SplitHitLine(r.hits.at(1));
    ASSERT_TRUE(hit.valid);
    EXPECT_EQ(hit.reading, QStringLiteral("エド ジダイ"));
    EXPECT_EQ(hit.division1, QStringLiteral("歴史"));
    EXPECT_EQ(hit.division2, QStringLiteral("日本史"));
    EXPECT_EQ(hit.classNumber, QStringLiteral("210.5"));
    EXPECT_EQ(hit.examples, QStringLiteral("2007/b4"));
    EXPECT_FALSE(SplitHitLine(QStringLiteral("1,2,3,4,5,6")).valid);
}
