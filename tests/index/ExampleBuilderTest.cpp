#include "../../bench/ReferenceBuilders.h"
#include "IndexTestData.h"
#include "TestSupport.h"

#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "index/ExampleBuilder.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <random>

namespace {

const QString kFolder = QStringLiteral("StudyTaxel/ReidaiData/");

QString ex(const QString &number)
{
    return number + QStringLiteral(",題 ") + number + QStringLiteral(",ヒント,210.1");
}

class ExampleBuild : public ::testing::Test
{
protected:
    TempRoot root;
    QStringList messages;

    void SetUp() override { root.makeFolder(kFolder); }
    void master(const QStringList &numbers)
    {
        QStringList lines;
        for (const QString &n : numbers)
            lines.append(n.contains(QLatin1Char(',')) || n.isEmpty() ? n : ex(n));
        root.writeLines(QStringLiteral("StudyTaxel/Reidai_All.csv"), lines);
    }
    int build()
    {
        return MakeReidaiData(root.tree(), [&](const QString &m) { messages.append(m); });
    }
    QStringList lines(const char *name) { return root.readLines(kFolder + QString::fromLatin1(name)); }
    bool exists(const char *name) { return QFileInfo::exists(root.path(kFolder + QString::fromLatin1(name))); }
};

} // namespace

TEST_F(ExampleBuild, MissingOrEmptyMasterGivesItsMessagesAndMinusOne)
{
    EXPECT_EQ(build(), -1);
    root.writeBytes(QStringLiteral("StudyTaxel/Reidai_All.csv"), QByteArray());
    EXPECT_EQ(build(), -1);
    EXPECT_EQ(messages,
        QStringList({QStringLiteral("\\StudtTaxel\\ に例題データが見つかりません！"),
            QStringLiteral("例題データを読み込むことができませんでした！"),
            QStringLiteral("例題データを読み込むことができませんでした！")}));
    EXPECT_TRUE(SnapshotTree(root.path(kFolder)).isEmpty());
}

TEST_F(ExampleBuild, PlainNumbersFillTheirSlotsAcrossBlocksLeftAndMetAgain)
{
    master({QStringLiteral("1500"), QStringLiteral("3"), QStringLiteral("1501"), QStringLiteral("1000"),
        QStringLiteral("1001"), QStringLiteral("3")});
    EXPECT_EQ(build(), 6); // the repeated number counts twice
    EXPECT_TRUE(messages.isEmpty());
    const QStringList block0 = lines("REI_0.txt");
    ASSERT_EQ(block0.size(), 1000);
    EXPECT_EQ(block0.at(0), QStringLiteral("1::空き番号"));
    EXPECT_EQ(block0.at(2), ex(QStringLiteral("3")));
    EXPECT_EQ(block0.at(999), ex(QStringLiteral("1000")));
    const QStringList block1 = lines("REI_1.txt");
    ASSERT_EQ(block1.size(), 1000);
    EXPECT_EQ(block1.at(0), ex(QStringLiteral("1001")));
    EXPECT_EQ(block1.at(499), ex(QStringLiteral("1500")));
    EXPECT_EQ(block1.at(500), ex(QStringLiteral("1501")));
    EXPECT_TRUE(
        root.readBytes(kFolder + QStringLiteral("REI_1.txt")).endsWith(ToCp932(QStringLiteral("2000::空き番号\r\n"))));
    EXPECT_FALSE(exists("REI_2.txt"));
}

TEST_F(ExampleBuild, LetteredNumbersGoToTheFileOfTheFirstLetterTestedAndAreAppended)
{
    master({QStringLiteral("a12"), QStringLiteral("ba3"), QStringLiteral("f1"), QStringLiteral("B12"),
        QStringLiteral("k5"), QStringLiteral("0"), QStringLiteral("7,two-fields"), QString(),
        QStringLiteral(",empty,number")});
    EXPECT_EQ(build(), 3);
    EXPECT_EQ(lines("REI_A.txt"), QStringList({ex(QStringLiteral("a12")), ex(QStringLiteral("ba3"))}));
    EXPECT_EQ(lines("REI_F.txt"), QStringList({ex(QStringLiteral("f1"))}));
    EXPECT_FALSE(exists("REI_B.txt"));
    EXPECT_FALSE(exists("REI_0.txt"));

    const QByteArray f = root.readBytes(kFolder + QStringLiteral("REI_F.txt"));
    EXPECT_EQ(build(), 3);
    EXPECT_EQ(root.readBytes(kFolder + QStringLiteral("REI_F.txt")), f + f);
}

TEST_F(ExampleBuild, UntouchedBlocksStayAsTheyAreAndShortBlocksArePadded)
{
    root.writeLines(kFolder + QStringLiteral("REI_0.txt"), {QStringLiteral("kept as it is")});
    root.writeLines(kFolder + QStringLiteral("REI_1.txt"), {QStringLiteral("1001,old,h")});
    master({QStringLiteral("1004")});
    const QByteArray before = root.readBytes(kFolder + QStringLiteral("REI_0.txt"));
    EXPECT_EQ(build(), 1);
    EXPECT_EQ(root.readBytes(kFolder + QStringLiteral("REI_0.txt")), before);
    EXPECT_EQ(lines("REI_1.txt"),
        QStringList({QStringLiteral("1001,old,h"), QStringLiteral("1002::空き番号"), QStringLiteral("1003::空き番号"),
            ex(QStringLiteral("1004"))}));
    const QByteArray block1 = root.readBytes(kFolder + QStringLiteral("REI_1.txt"));
    EXPECT_EQ(build(), 1);
    EXPECT_EQ(root.readBytes(kFolder + QStringLiteral("REI_1.txt")), block1);

    QDir(root.path(kFolder)).removeRecursively();
    EXPECT_THROW(build(), FileError);
}

// The builder against the step-by-step reference: examples in random order over existing blocks
// in several encodings, so that blocks are left and met again and new blocks take on the
// encoding of the block loaded last.
TEST(ExampleIdentity, RandomOrderOverExistingFilesAndDoubled)
{
    using E = LineList::Encoding;
    TempRoot fast;
    TempRoot slow;
    for (unsigned seed = 1; seed <= 3; ++seed) {
        std::mt19937 rng(seed);
        QStringList master;
        for (int i = 0; i < 300; ++i) {
            const int n = std::uniform_int_distribution<int>(-2, 40000)(rng);
            const int kind = std::uniform_int_distribution<int>(0, 9)(rng);
            const QString number = kind == 0 ? QStringLiteral("b%1").arg(n)
                : kind == 1                  ? QStringLiteral("ea%1").arg(n)
                                             : QString::number(n);
            const QString title = kind == 2 ? QStringLiteral("한국の本") : QStringLiteral("題 %1").arg(i);
            master.append(QStringLiteral("%1,%2,ヒント,210.1,,3").arg(number, title));
        }
        for (TempRoot *r : {&fast, &slow}) {
            QDir(r->path(kFolder)).removeRecursively();
            r->makeFolder(kFolder);
            r->writeLines(QStringLiteral("StudyTaxel/Reidai_All.csv"), master, seed == 2);
            r->writeBytes(kFolder + QStringLiteral("REI_2.txt"), EncodeLines(EmptyExampleBlock(2), E::Utf8));
            r->writeBytes(kFolder + QStringLiteral("REI_4.txt"), EncodeLines({QStringLiteral("4001,x,y")}, E::Utf16LE));
            r->writeBytes(kFolder + QStringLiteral("REI_B.txt"), EncodeLines({QStringLiteral("b0,x,y")}, E::Utf8));
            if (seed == 3)
                r->writeBytes(kFolder + QStringLiteral("REI_0.txt"), EncodeLines(EmptyExampleBlock(0), E::Utf16BE));
        }
        for (int round = 0; round < 2; ++round) {
            const int placed = MakeReidaiData(fast.tree(), [](const QString &) {});
            EXPECT_EQ(placed, reference::MakeReidaiData(slow.tree()));
            const auto x = SnapshotTree(fast.path(kFolder));
            const auto y = SnapshotTree(slow.path(kFolder));
            ASSERT_EQ(x.keys(), y.keys()) << "seed " << seed;
            for (auto it = x.begin(); it != x.end(); ++it)
                ASSERT_EQ(it.value(), y.value(it.key()))
                    << "seed " << seed << " round " << round << " " << it.key().toStdString();
        }
    }
}
