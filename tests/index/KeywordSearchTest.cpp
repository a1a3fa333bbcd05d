#include "TestSupport.h"

#include "index/IndexKey.h"
#include "index/KeywordSearch.h"

#include <gtest/gtest.h>

namespace {

/// A data root with index files written directly, one list of lines per index key.
class SearchTree : public ::testing::Test
{
protected:
    TempRoot root;

    void file(const QString &key, const QStringList &lines) { root.writeLines(IndexFileOf(key), lines); }

    void SetUp() override
    {
        root.makeFolder(QStringLiteral("StudyTaxel/KoumokuIndex"));
        file(QStringLiteral("図書館"), {
                                        QStringLiteral("図書館,としょかん,総記,図書館情報学,010,a12/a13,10"),
                                        QStringLiteral("図書館学,としょかんがく,総記,図書館情報学,010.1,,5"),
                                        QStringLiteral("図書館,としょかん,総記,図書館情報学,010,a12/a13,10"), // twice
                                        QStringLiteral("公共図書館,こうきょう,総記,図書館,016.2,,20"),
                                        QStringLiteral("short,line,図書館"),
                                    });
        file(QStringLiteral("ab*"), {QStringLiteral("ab*,,x,y,1,,3")});
        file(QStringLiteral("abc"), {QStringLiteral("abc,,x,y,1,,3")});
        file(QStringLiteral("X**"), {QStringLiteral("X**,,x,y,9,,100")});
        file(QStringLiteral("歴史*"), {QStringLiteral("歴史*,れきし,歴史,歴史,200,,7"),
                                       QStringLiteral("日本史,,歴史*,x,210,,8")});
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
    EXPECT_EQ(SortKeyOf(QStringLiteral("99999")), QStringLiteral("99999"));
    EXPECT_EQ(SortKeyOf(QStringLiteral("123456")), QStringLiteral("23456"));
    EXPECT_EQ(SortKeyOf(QStringLiteral("-5")), QStringLiteral("9995"));
    EXPECT_EQ(SortKeyOf(QStringLiteral(" 12abc")), QStringLiteral("00012"));
    EXPECT_EQ(SortKeyOf(QString()), QStringLiteral("00000"));
    EXPECT_EQ(SortKeyOf(QStringLiteral("-100005")), QStringLiteral("5"));
    // The reading saturates at the int range; the sum must not overflow.
    EXPECT_EQ(SortKeyOf(QStringLiteral("99999999999")), QStringLiteral("14758"));
}

TEST(MatchRule, PartialAnywhereInTheLineExactOnKeyOrDivisionNames)
{
    const QString line = QStringLiteral("日本史,にほんし,歴史,日本,210,a1,8");
    EXPECT_TRUE(MatchesSearchKey(line, QStringLiteral("日本史"), false));
    EXPECT_TRUE(MatchesSearchKey(line, QStringLiteral("210"), false)); // any field, class number too
    EXPECT_TRUE(MatchesSearchKey(line, QStringLiteral("史,に"), false)); // across fields
    EXPECT_FALSE(MatchesSearchKey(line, QStringLiteral("日本史学"), false));
    EXPECT_TRUE(MatchesSearchKey(line, QStringLiteral("日本史"), true));
    EXPECT_TRUE(MatchesSearchKey(line, QStringLiteral("歴史"), true));
    EXPECT_TRUE(MatchesSearchKey(line, QStringLiteral("日本"), true));
    EXPECT_FALSE(MatchesSearchKey(line, QStringLiteral("にほんし"), true)); // the reading is not compared
    EXPECT_FALSE(MatchesSearchKey(line, QStringLiteral("日本史,"), true));
    EXPECT_FALSE(MatchesSearchKey(QStringLiteral("a,b,c,d,e,f"), QStringLiteral("a"), false)); // 6 fields
    EXPECT_FALSE(MatchesSearchKey(QStringLiteral("A,b,c,d,e,f,g"), QStringLiteral("a"), false)); // case counts
}

TEST_F(SearchTree, PartialSearchFindsKeysThatBeginWithTheKeywordAndOtherFields)
{
    const SearchResult r = SearchKoumokuAnd(QStringLiteral("図書館"), false);
    EXPECT_EQ(r.result, 3); // the repeated line once, the short line never
    EXPECT_EQ(r.hits, QStringList({QStringLiteral("00005,図書館学,としょかんがく,総記,図書館情報学,010.1,,5"),
                                   QStringLiteral("00010,図書館,としょかん,総記,図書館情報学,010,a12/a13,10"),
                                   QStringLiteral("00020,公共図書館,こうきょう,総記,図書館,016.2,,20")}));
}

TEST_F(SearchTree, ShortQueriesArePaddedAndReadOnlyTheirOwnFile)
{
    EXPECT_EQ(keysOf(SearchKoumokuAnd(QStringLiteral("ab"), false).hits), QStringList({QStringLiteral("ab*")}));
    EXPECT_EQ(keysOf(SearchKoumokuAnd(QStringLiteral("abc"), false).hits), QStringList({QStringLiteral("abc")}));
    EXPECT_EQ(keysOf(SearchKoumokuAnd(QStringLiteral("X"), false).hits), QStringList({QStringLiteral("X**")}));
    EXPECT_EQ(SearchKoumokuAnd(QStringLiteral("x"), false).result, 0); // no file for x**
}

TEST_F(SearchTree, ExactSearchComparesKeyAndDivisionNamesWithThePaddedKey)
{
    // field 0 equals 歴史* in one line, field 2 in the other
    EXPECT_EQ(SearchKoumokuAnd(QStringLiteral("歴史"), true).result, 2);
    // 図書館 equals the key of two lines and the second-level division of the third
    EXPECT_EQ(keysOf(SearchKoumokuAnd(QStringLiteral("図書館"), true).hits),
              QStringList({QStringLiteral("図書館"), QStringLiteral("公共図書館")}));
    EXPECT_EQ(SearchKoumokuAnd(QStringLiteral("図書"), true).result, 0);
}

// Latin letters, digits and punctuation keep the same relative order under any collation used
// here, which fixes the keyword that is looked up (the first in sorted order).
TEST_F(SearchTree, LaterAndKeywordsFilterTheWholeHitLineInBothModes)
{
    file(QStringLiteral("lib"), {QStringLiteral("lib,,x,pub,1,,20"), QStringLiteral("library,,x,y,2,,30"),
                                 QStringLiteral("lib,,x,y,3,,40")});
    EXPECT_EQ(SearchKoumokuAnd(QStringLiteral("lib"), false).result, 3);
    EXPECT_EQ(SearchKoumokuAnd(QStringLiteral("lib pu"), false).result, 1);
    EXPECT_EQ(SearchKoumokuAnd(QStringLiteral("lib"), true).result, 2);
    EXPECT_EQ(SearchKoumokuAnd(QStringLiteral("lib/pu"), true).result, 1); // the filter stays partial
    EXPECT_EQ(SearchKoumokuAnd(QStringLiteral("lib rary"), false).result, 1);
    EXPECT_EQ(SearchKoumokuAnd(QStringLiteral("lib rary zzz"), false).result, 0);
    EXPECT_EQ(SearchKoumokuAnd(QStringLiteral("lib pub"), false).result, 1); // pub has no index file: no matter
}

TEST_F(SearchTree, AndFilterSeesTheSortKey)
{
    file(QStringLiteral("!!!"), {QStringLiteral("!!!,,x,y,1,,20"), QStringLiteral("!!!,,x,y,1,,30")});
    const SearchResult r = SearchKoumokuAnd(QStringLiteral("!!! 0002"), false);
    ASSERT_EQ(r.result, 1); // "0002" occurs only in the sort key 00020
    EXPECT_TRUE(r.hits.first().startsWith(QStringLiteral("00020,")));
    // the first keyword decides the file: "0002" sorts first here and has no index file
    EXPECT_EQ(SearchKoumokuAnd(QStringLiteral("zzz 0002"), false).result, 0);
}

TEST_F(SearchTree, OrMergesAllKeywordsAndFailsWhenOneHasNoFile)
{
    const SearchResult r = SearchKoumokuOr(QStringLiteral("ab/X abc"), false);
    EXPECT_EQ(r.result, 3);
    EXPECT_EQ(keysOf(r.hits), QStringList({QStringLiteral("ab*"), QStringLiteral("abc"), QStringLiteral("X**")}));

    const SearchResult missing = SearchKoumokuOr(QStringLiteral("図書館 nothing"), false);
    EXPECT_EQ(missing.result, -1);
    EXPECT_TRUE(missing.hits.isEmpty());
    // the same line found through two keywords is listed once
    EXPECT_EQ(SearchKoumokuOr(QStringLiteral("図書館 図書館学"), false).result, 3);
}

TEST_F(SearchTree, QueriesWithoutKeywordsFindNothing)
{
    for (const QString &q : {QString(), QStringLiteral("/"), QStringLiteral("  "), QStringLiteral("・　")}) {
        EXPECT_EQ(SearchKoumokuAnd(q, false).result, 0);
        EXPECT_EQ(SearchKoumokuOr(q, false).result, 0);
        EXPECT_EQ(SearchKoumokuOr(q, true).result, 0);
    }
    EXPECT_EQ(SearchKoumokuAnd(QStringLiteral("nothing"), false).result, 0);
}

TEST_F(SearchTree, EqualSortKeysAreOrderedByTheIndexKey)
{
    file(QStringLiteral("mmm"), {QStringLiteral("mmmz,,x,y,1,,4"), QStringLiteral("mmma,,x,y,1,,4"),
                                 QStringLiteral("mmmq,,x,y,1,,-3")});
    EXPECT_EQ(keysOf(SearchKoumokuAnd(QStringLiteral("mmm"), false).hits),
              QStringList({QStringLiteral("mmma"), QStringLiteral("mmmz"), QStringLiteral("mmmq")}));
}

// Index lines are written without quotes, so a blank in a reading stays in the line; the fields
// after it must not shift (the sort number, class number and example numbers keep their places).
TEST_F(SearchTree, BlanksInsideFieldsKeepEveryFieldInItsPlace)
{
    file(QStringLiteral("江戸時"), {QStringLiteral("江戸時代,エド ジダイ,歴史,日本史,210.5,2007/b4,83"),
                                    QStringLiteral("江戸時代史,エドジダイシ,歴史,日本史,210.5,,84")});
    const SearchResult r = SearchKoumokuAnd(QStringLiteral("江戸時"), false);
    ASSERT_EQ(r.result, 2);
    EXPECT_TRUE(r.hits.at(0).startsWith(QStringLiteral("00083,江戸時代,エド ジダイ,"))) << r.hits.at(0).toStdString();
    const HitFields hit = SplitHitLine(r.hits.at(0));
    ASSERT_TRUE(hit.valid);
    EXPECT_EQ(hit.key, QStringLiteral("江戸時代"));
    EXPECT_EQ(hit.reading, QStringLiteral("エド ジダイ"));
    EXPECT_EQ(hit.division1, QStringLiteral("歴史"));
    EXPECT_EQ(hit.division2, QStringLiteral("日本史"));
    EXPECT_EQ(hit.classNumber, QStringLiteral("210.5"));
    EXPECT_EQ(hit.examples, QStringLiteral("2007/b4"));
    EXPECT_EQ(SearchKoumokuAnd(QStringLiteral("日本史"), true).result, 0); // another file
    EXPECT_TRUE(MatchesSearchKey(QStringLiteral("江戸時代,エド ジダイ,歴史,日本史,210.5,,83"), QStringLiteral("日本史"), true));
    EXPECT_FALSE(SplitHitLine(QStringLiteral("1,2,3,4,5,6")).valid);
}
