#include "IndexTestData.h"
#include "ReferenceBuilders.h"
#include "TestSupport.h"

#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "index/ExampleBuilder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString kFolder = QStringLiteral("StudyTaxel/ReidaiData/");

class ExampleBuild : public ::testing::Test
{
protected:
    TempRoot root;
    QStringList messages;

    void SetUp() override { root.makeFolder(kFolder); }
    void master(const QStringList &lines) { root.writeLines(QStringLiteral("StudyTaxel/Reidai_All.csv"), lines); }
    int build()
    {
        return MakeReidaiData([&](const QString &m) { messages.append(m); });
    }
    QStringList lines(const QString &name) { return root.readLines(kFolder + name); }
    bool exists(const QString &name) { return QFileInfo::exists(root.path(kFolder + name)); }
};

QString ex(const QString &number) { return number + QStringLiteral(",題 ") + number + QStringLiteral(",ヒント,210.1"); }

} // namespace

TEST_F(ExampleBuild, MissingOrEmptyMasterGivesItsMessagesAndMinusOne)
{
    EXPECT_EQ(build(), -1);
    EXPECT_EQ(messages, QStringList({QStringLiteral("\\StudtTaxel\\ に例題データが見つかりません！"),
                                     QStringLiteral("例題データを読み込むことができませんでした！")}));
    messages.clear();
    root.writeBytes(QStringLiteral("StudyTaxel/Reidai_All.csv"), QByteArray());
    EXPECT_EQ(build(), -1);
    EXPECT_EQ(messages, QStringList({QStringLiteral("例題データを読み込むことができませんでした！")}));
    EXPECT_TRUE(SnapshotTree(root.path(kFolder)).isEmpty());
}

TEST_F(ExampleBuild, PlainNumbersFillTheirSlotsOfThousandLineBlocks)
{
    master({ex(QStringLiteral("1")), ex(QStringLiteral("2")), ex(QStringLiteral("1500")), ex(QStringLiteral("1000")),
            ex(QStringLiteral("1001"))});
    EXPECT_EQ(build(), 5);
    EXPECT_TRUE(messages.isEmpty());
    const QStringList block0 = lines(QStringLiteral("REI_0.txt"));
    ASSERT_EQ(block0.size(), 1000);
    EXPECT_EQ(block0.at(0), ex(QStringLiteral("1")));
    EXPECT_EQ(block0.at(1), ex(QStringLiteral("2")));
    EXPECT_EQ(block0.at(2), QStringLiteral("3::空き番号"));
    EXPECT_EQ(block0.at(998), QStringLiteral("999::空き番号"));
    EXPECT_EQ(block0.at(999), ex(QStringLiteral("1000")));
    const QStringList block1 = lines(QStringLiteral("REI_1.txt"));
    ASSERT_EQ(block1.size(), 1000);
    EXPECT_EQ(block1.at(0), ex(QStringLiteral("1001")));
    EXPECT_EQ(block1.at(499), ex(QStringLiteral("1500")));
    EXPECT_EQ(block1.at(999), QStringLiteral("2000::空き番号"));
    EXPECT_FALSE(exists(QStringLiteral("REI_2.txt")));
    // code page 932, CR LF
    EXPECT_TRUE(root.readBytes(kFolder + QStringLiteral("REI_1.txt")).endsWith("2000::\x8B\xF3\x82\xAB\x94\xD4\x8D\x86\r\n"));
}

TEST_F(ExampleBuild, BlocksLeftAndMetAgainKeepEveryExample)
{
    master({ex(QStringLiteral("1500")), ex(QStringLiteral("3")), ex(QStringLiteral("1501")), ex(QStringLiteral("3"))});
    EXPECT_EQ(build(), 4); // the repeated number is counted twice, the later line stays
    EXPECT_EQ(lines(QStringLiteral("REI_1.txt")).at(499), ex(QStringLiteral("1500")));
    EXPECT_EQ(lines(QStringLiteral("REI_1.txt")).at(500), ex(QStringLiteral("1501")));
    EXPECT_EQ(lines(QStringLiteral("REI_0.txt")).at(2), ex(QStringLiteral("3")));
}

TEST_F(ExampleBuild, LetteredNumbersAreAppendedToTheFileOfTheFirstLetterTested)
{
    master({ex(QStringLiteral("a12")), ex(QStringLiteral("ba3")), ex(QStringLiteral("f1")), ex(QStringLiteral("B12")),
            ex(QStringLiteral("k5")), ex(QStringLiteral("0")), QStringLiteral("7,two-fields"), QString(),
            QStringLiteral(",empty number,hint"), ex(QStringLiteral("-4"))});
    EXPECT_EQ(build(), 3);
    EXPECT_EQ(lines(QStringLiteral("REI_A.txt")), QStringList({ex(QStringLiteral("a12")), ex(QStringLiteral("ba3"))}));
    EXPECT_EQ(lines(QStringLiteral("REI_F.txt")), QStringList({ex(QStringLiteral("f1"))}));
    for (const char *name : {"REI_B.txt", "REI_C.txt", "REI_0.txt"})
        EXPECT_FALSE(exists(QString::fromLatin1(name))) << name;
}

TEST_F(ExampleBuild, SecondBuildKeepsBlocksAndAppendsLetteredExamplesAgain)
{
    master({ex(QStringLiteral("5")), ex(QStringLiteral("c1")), ex(QStringLiteral("2005"))});
    EXPECT_EQ(build(), 3);
    const auto first = SnapshotTree(root.path(kFolder));
    EXPECT_EQ(build(), 3);
    const auto second = SnapshotTree(root.path(kFolder));
    EXPECT_EQ(second.value(QStringLiteral("REI_0.txt")), first.value(QStringLiteral("REI_0.txt")));
    EXPECT_EQ(second.value(QStringLiteral("REI_2.txt")), first.value(QStringLiteral("REI_2.txt")));
    EXPECT_EQ(second.value(QStringLiteral("REI_C.txt")), first.value(QStringLiteral("REI_C.txt")).repeated(2));
}

TEST_F(ExampleBuild, UntouchedBlocksAreNotRewrittenAndShortBlocksArePadded)
{
    root.writeLines(kFolder + QStringLiteral("REI_0.txt"), {QStringLiteral("kept as it is")});
    root.writeLines(kFolder + QStringLiteral("REI_1.txt"), {QStringLiteral("1001,old,h")});
    master({ex(QStringLiteral("1004"))});
    const QByteArray before = root.readBytes(kFolder + QStringLiteral("REI_0.txt"));
    EXPECT_EQ(build(), 1);
    EXPECT_EQ(root.readBytes(kFolder + QStringLiteral("REI_0.txt")), before);
    EXPECT_EQ(lines(QStringLiteral("REI_1.txt")),
              QStringList({QStringLiteral("1001,old,h"), QStringLiteral("1002::空き番号"),
                           QStringLiteral("1003::空き番号"), ex(QStringLiteral("1004"))}));
}

TEST_F(ExampleBuild, MissingFolderEndsTheBuildWithTheWriteError)
{
    QDir(root.path(kFolder)).removeRecursively();
    master({ex(QStringLiteral("1"))});
    EXPECT_THROW(build(), FileError);
    master({ex(QStringLiteral("a1"))});
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
            QString number = QString::number(n);
            if (kind == 0)
                number = QStringLiteral("b%1").arg(n);
            else if (kind == 1)
                number = QStringLiteral("ea%1").arg(n);
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
            DataRoot::setRoot(fast.root());
            const int a = MakeReidaiData([](const QString &) {});
            DataRoot::setRoot(slow.root());
            const int b = reference::MakeReidaiData();
            EXPECT_EQ(a, b);
            const auto x = SnapshotTree(fast.path(kFolder));
            const auto y = SnapshotTree(slow.path(kFolder));
            ASSERT_EQ(x.keys(), y.keys()) << "seed " << seed;
            for (auto it = x.begin(); it != x.end(); ++it)
                EXPECT_EQ(it.value(), y.value(it.key())) << "seed " << seed << " round " << round << " "
                                                         << it.key().toStdString();
        }
    }
}
