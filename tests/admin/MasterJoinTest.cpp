// The join that makes the full tree's item master: the sample's items keep their examples, no item
// is listed twice, added items sort among their class.

#include "../../sample/MasterJoin.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(MasterJoin, SameItemsTakeTheExamplesAndOtherItemsSortAmongTheirClass)
{
    const QStringList full = L({u"*id,class,item,reading,main class,division,examples,sort",
        u"1,/010,図書館,\"\",総記,図書館,,5", u"2,/010,図書館,トショカン,総記,図書館,,5",
        u"3,/013,図書館経営,\"トショカン ケイエイ\",総記,図書館,,8", u"4,/291,日本,\"\",歴史,地理,,20"});
    const QStringList sample = L({u"*番号,分類記号,分類項目,よみ,類目,綱目,例題番号,並び順",
        u"1,/010,図書館,トショカン,総記,図書館,/a1/2,1", u"2,/013,図書館経営,x,総記,図書館,,2",
        u"3,/010,図書館・学校,\"トショカン ガッコウ\",総記,図書館,7,3", u"4,/291.09,紀行（日本）,キコウ,歴史,地理,,4",
        u"5,/999,架空,カクウ,文学,文学,9,6", u"6,/010,図書館,トショカン,総記,図書館,/b9,7"});
    EXPECT_EQ(MasterJoin::JoinItemMasters(full, sample),
        L({u"*id,class,item,reading,main class,division,examples,sort",
            // both records of the item take its examples; a later copy of the item adds nothing
            u"1,/010,図書館,,総記,図書館,/a1/2,5", u"2,/010,図書館,トショカン,総記,図書館,/a1/2,5",
            // an item of the class's own, placed after the class's records with its sort number
            u"5,/010,図書館・学校,\"トショカン ガッコウ\",総記,図書館,7,5",
            u"3,/013,図書館経営,\"トショカン ケイエイ\",総記,図書館,,8", u"4,/291,日本,\"\",歴史,地理,,20",
            // 291.09 has no records: it takes the sort number of 291
            u"6,/291.09,紀行（日本）,キコウ,歴史,地理,,20",
            // no part of its class in the full master: its own sort number, at the end
            u"7,/999,架空,カクウ,文学,文学,9,6"}));
}

TEST(MasterJoin, AShortSampleRecordStopsTheJoin)
{
    EXPECT_THROW(MasterJoin::JoinItemMasters(L({u"1,/010,図書館,,総記,図書館,,5"}), L({u"1,/010,図書館,トショカン"})),
        FileError);
}
