#include "TestSupport.h"

#include "datafiles/CommaText.h"
#include "datafiles/DataRoot.h"
#include "datafiles/NumberText.h"
#include "datafiles/SortOrder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
QStringList split(const char16_t *record)
{
    return SplitCommaText(QString::fromUtf16(record));
}
} // namespace

TEST(CommaText, EveryCaseOfTheRecordTable)
{
    EXPECT_EQ(split(u"a,b,c"), L({u"a", u"b", u"c"}));
    EXPECT_EQ(split(u"a, b"), L({u"a", u"b"}));
    EXPECT_EQ(split(u"a b,c"), L({u"a", u"b", u"c"}));
    EXPECT_EQ(split(u"a,,b"), L({u"a", u"", u"b"}));
    EXPECT_EQ(split(u"a, ,b"), L({u"a", u"", u"b"}));
    EXPECT_EQ(split(u"a,"), L({u"a", u""}));
    EXPECT_EQ(split(u",a"), L({u"", u"a"}));
    EXPECT_EQ(split(u"\"x y\",z"), L({u"x y", u"z"}));
    EXPECT_EQ(split(u"\"a\"\"b\""), L({u"a\"b"}));
    EXPECT_TRUE(split(u"").isEmpty());
    EXPECT_TRUE(split(u"   \t ").isEmpty());
}

TEST(CommaText, BlanksControlsQuotesAndNul)
{
    EXPECT_EQ(split(u"a\t\x01 b"), L({u"a", u"b"})); // runs of blanks and controls are one separator
    EXPECT_EQ(split(u"a\u3000b,c"), L({u"a\u3000b", u"c"})); // the full-width blank belongs to the field
    EXPECT_EQ(split(u"\"open,field"), L({u"open,field"})); // no closing quote: to the end
    EXPECT_EQ(split(u"\"a\"b,c"), L({u"a", u"b", u"c"}));
    EXPECT_EQ(split(u"\"\",x"), L({u"", u"x"}));
    EXPECT_EQ(SplitCommaText(QStringView(u"a,b\0,c", 6)), L({u"a", u"b"}));
    EXPECT_EQ(SplitCommaText(QStringView(u"\0a", 2)), QStringList());
}

TEST(CommaText, JoinedFieldsSplitBackAsTheyWere)
{
    for (const QStringList &fields :
        {L({u"x y", u"z", u""}), L({u"", u"a,b", u"say \"hi\""}), L({u"『こころ』　夏目 漱石"})})
        EXPECT_EQ(SplitCommaText(JoinCommaText(fields)), fields);
    EXPECT_EQ(JoinCommaText(L({u"x y", u"z"})), QStringLiteral("\"x y\",z"));
}

TEST(NumberText, ReadsLikeTheCLibraryAndSaturates)
{
    EXPECT_EQ(ReadInt(u"123"), 123);
    EXPECT_EQ(ReadInt(u"  \t-12ab"), -12);
    EXPECT_EQ(ReadInt(u"+7.5"), 7);
    EXPECT_EQ(ReadInt(u"abc"), 0);
    EXPECT_EQ(ReadInt(u""), 0);
    EXPECT_EQ(ReadInt(u"- 5"), 0);
    EXPECT_EQ(ReadInt(u"\u3000"
                      u"5"),
        0); // the full-width blank is not white space here
    EXPECT_EQ(ReadInt(u"12  345"), 12);
    EXPECT_EQ(ReadInt(u"2147483647"), 2147483647);
    EXPECT_EQ(ReadInt(u"99999999999999999999999"), 2147483647);
    EXPECT_EQ(ReadInt(u"-99999999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(ReadInt(u"\uFF11"), 0); // full-width digits are not digits
}

TEST(SortOrder, IgnoresCaseButKeepsEqualTextsTogether)
{
    QStringList list;
    for (const char16_t *s : {u"b", u"B", u"a", u"b", u"C", u"B"})
        InsertSorted(list, QString::fromUtf16(s));
    ASSERT_EQ(list.size(), 6);
    EXPECT_EQ(list[0], QStringLiteral("a"));
    EXPECT_EQ(list[5], QStringLiteral("C"));
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(list[i].toLower(), QStringLiteral("b"));
    // equal texts sit next to each other
    EXPECT_EQ(list.indexOf(QStringLiteral("B")) + 1, list.lastIndexOf(QStringLiteral("B")));
    EXPECT_EQ(list.indexOf(QStringLiteral("b")) + 1, list.lastIndexOf(QStringLiteral("b")));
    EXPECT_LT(CompareSorted(u"00005,x", u"00010,a"), 0);
}

TEST(DataRootRule, GivenFolderThenNearestUpwardsThenTheMountPoint)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("StudyTaxel/Bin"));
    QDir(dir.path()).mkpath(QStringLiteral("elsewhere/deeper"));
    const QString top = QDir(dir.path()).absolutePath();
    EXPECT_EQ(DataRoot::findRoot(QString(), top + QStringLiteral("/StudyTaxel/Bin")), top);
    EXPECT_EQ(DataRoot::findRoot(QString(), top), top);
    EXPECT_EQ(DataRoot::findRoot(top + QStringLiteral("/elsewhere/../elsewhere"), QStringLiteral("/")),
        top + QStringLiteral("/elsewhere"));
    const QString fallback = DataRoot::findRoot(QString(), top + QStringLiteral("/elsewhere/deeper"));
    EXPECT_EQ(fallback, top) << "the tree above holds StudyTaxel";

    QStringList args {QStringLiteral("a"), QStringLiteral("--root"), QStringLiteral("/x y"), QStringLiteral("b")};
    EXPECT_EQ(DataRoot::takeRootOption(args), QStringLiteral("/x y"));
    EXPECT_EQ(args, (QStringList {QStringLiteral("a"), QStringLiteral("b")}));
    QStringList args2 {QStringLiteral("--root=/r")};
    EXPECT_EQ(DataRoot::takeRootOption(args2), QStringLiteral("/r"));
    EXPECT_TRUE(args2.isEmpty());

    TempRoot root;
    EXPECT_EQ(
        root.tree().path(u"StudyTaxel/Koumoku_All.csv"), root.root() + QStringLiteral("/StudyTaxel/Koumoku_All.csv"));
    EXPECT_FALSE(DataRoot::fileExists(root.path(QStringLiteral("StudyTaxel"))));
}
