#include "index/KeyList.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {
QStringList keys(const char16_t *text, int mode)
{
    return MakeKeyList(QString::fromUtf16(text), mode);
}
} // namespace

TEST(MakeKeyList, QueryModeSplitsAtSlashesAndBlanksAndDropsRepeats)
{
    EXPECT_EQ(keys(u"cat/dog cat", QueryMode), L({u"cat", u"dog"}));
    EXPECT_EQ(keys(u"dog\u3000cat", QueryMode), L({u"cat", u"dog"}));
    EXPECT_EQ(keys(u"(a)", QueryMode), L({u"(a)"})); // brackets stay in a query
    EXPECT_EQ(keys(u"\u65E5\u672C\uFF0F\u6B74\u53F2\u30FBx\uFF65y", QueryMode).size(), 4);
    EXPECT_TRUE(keys(u"  ", QueryMode).isEmpty());
}

TEST(MakeKeyList, ItemModeSplitsAtBracketsButKeepsTheFullWidthBlank)
{
    EXPECT_EQ(keys(u"film(foreign)", ItemMode), L({u"film", u"foreign"}));
    EXPECT_EQ(keys(u"a\u3000b", ItemMode), L({u"a\u3000b"}));
    EXPECT_EQ(keys(u"x[y]\uFF3Bz\uFF3D\uFF08w\uFF09", ItemMode), L({u"w", u"x", u"y", u"z"}));
    EXPECT_EQ(keys(u"a b", ItemMode), L({u"a", u"b"})); // the half-width blank still splits
    EXPECT_EQ(keys(u"(a)", 7), L({u"a"})); // any mode but 0 is item mode
}

TEST(MakeKeyList, FewerThanTwoFieldsGiveTheWholeTextNotTheField)
{
    EXPECT_EQ(keys(u"", QueryMode), L({u""}));
    EXPECT_EQ(keys(u"", ItemMode), L({u""}));
    EXPECT_EQ(keys(u" abc", ItemMode), L({u" abc"}));
    EXPECT_EQ(keys(u"\"x y\"", ItemMode), L({u"\"x y\""}));
    EXPECT_EQ(keys(u"(a)", ItemMode), L({u"a"})); // ",a," splits into three fields
    EXPECT_EQ(keys(u"x(", ItemMode), L({u"x"})); // "x," is two fields: x and an empty one
}

TEST(MakeKeyList, EmptyFieldsAndSeparatorsAloneGiveNoKeywords)
{
    EXPECT_EQ(keys(u"a,,b", QueryMode), L({u"a", u"b"}));
    EXPECT_EQ(keys(u"a,,b", ItemMode), L({u"a", u"b"}));
    EXPECT_TRUE(keys(u"/", QueryMode).isEmpty());
    EXPECT_TRUE(keys(u"/", ItemMode).isEmpty());
}

TEST(MakeKeyList, SortIgnoresCaseButRepeatsMustMatchExactly)
{
    const QStringList out = keys(u"B/a/b", QueryMode);
    ASSERT_EQ(out.size(), 3);
    EXPECT_EQ(out.at(0), QStringLiteral("a"));
    EXPECT_TRUE((out.at(1) == u"B" && out.at(2) == u"b") || (out.at(1) == u"b" && out.at(2) == u"B"));

    // Equal keywords sort next to each other whatever case variants lie around them; each keeps one.
    const QStringList run = keys(u"b/B/b/a/b", QueryMode);
    EXPECT_EQ(run.count(QStringLiteral("b")), 1);
    EXPECT_EQ(run.count(QStringLiteral("B")), 1);
    EXPECT_EQ(keys(u"x/x/x", QueryMode), L({u"x"}));
}
