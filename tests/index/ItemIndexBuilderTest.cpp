#include "../../bench/GeneratedMaster.h"
#include "../../bench/ReferenceBuilders.h"
#include "IndexTestData.h"
#include "TestSupport.h"

#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "index/IndexKey.h"
#include "index/ItemIndexBuilder.h"

#include <gtest/gtest.h>

namespace {
const QString kIndex = QStringLiteral("StudyTaxel/KoumokuIndex");

QString onlyLine(const QString &record)
{
    const QList<IndexEntry> e = IndexEntriesOf(record);
    return e.size() == 1 ? e.first().line : QStringLiteral("<%1 entries>").arg(e.size());
}
} // namespace

TEST(IndexKey, PadsShortKeywordsAndTakesTheFirstThreeUnitsModulo128)
{
    EXPECT_EQ(IndexFileOf(IndexKeyOf(QStringLiteral("図書館"))), kIndex + QStringLiteral("/115/120/40"));
    EXPECT_EQ(IndexKeyOf(QStringLiteral("学校")), QStringLiteral("学校*"));
    EXPECT_EQ(IndexFileOf(QStringLiteral("学校*")), kIndex + QStringLiteral("/102/33/42"));
    EXPECT_EQ(IndexKeyOf(QStringLiteral("X")), QStringLiteral("X**"));
    EXPECT_EQ(IndexFileOf(QStringLiteral("X**")), kIndex + QStringLiteral("/88/42/42"));
    EXPECT_EQ(IndexFileOf(QStringLiteral("map")), kIndex + QStringLiteral("/109/97/112"));
}

TEST(IndexEntries, OneLinePerKeywordWithTheSlashRulesAndSkips)
{
    QStringList lines;
    for (const IndexEntry &e :
        IndexEntriesOf(QStringLiteral("1,/010,図書館・学校,としょかん,総記,図書館情報学,/a12/a13,5")))
        lines.append(e.line);
    lines.sort();
    EXPECT_EQ(lines,
        QStringList({QStringLiteral("図書館,としょかん,総記,図書館情報学,010,a12/a13,5"),
            QStringLiteral("学校*,としょかん,総記,図書館情報学,010,a12/a13,5")}));

    EXPECT_EQ(onlyLine(QStringLiteral("0,/210.123456,X,,,,,7")), QStringLiteral("X**,,,,210.1234,,7"));
    EXPECT_EQ(onlyLine(QStringLiteral("0,210.123456,X,,,,,7")), QStringLiteral("X**,,,,210.123456,,7"));
    EXPECT_EQ(onlyLine(QStringLiteral("0,1,X,,,,/a1/a2/a3/a4/a5/a6/a7/a8/a9,7")),
        QStringLiteral("X**,,,,1,a1/a2/a3/a4/a5/a6/a7/a8/a,7"));
    EXPECT_EQ(onlyLine(QStringLiteral("0,1,X,,,,a1/a2/a3/a4/a5/a6/a7/a8/a9,7")),
        QStringLiteral("X**,,,,1,a1/a2/a3/a4/a5/a6/a7/a8/a9,7"));
    EXPECT_EQ(onlyLine(QStringLiteral("0,1,X,%1,d1,\"d 2\",,7,more").arg(QString(40, QChar(u'ア')))),
        QStringLiteral("X**,%1,d1,d 2,1,,7").arg(QString(30, QChar(u'ア'))));

    for (const char16_t *skipped : {u"*1,/010,図書館,と,総記,図書館情報学,,5", u"1,/010,図書館,と,総記,図書館情報学,5",
             u"1,,図書館,と,総記,図書館情報学,,5", u"1,/010,,と,総記,図書館情報学,,5", u""})
        EXPECT_TRUE(IndexEntriesOf(QString::fromUtf16(skipped)).isEmpty()) << QString::fromUtf16(skipped).toStdString();
}

TEST(MakeKoumokuIndex, MissingOrEmptyMasterGivesItsMessagesAndMinusOne)
{
    TempRoot root;
    root.makeFolder(kIndex);
    QStringList messages;
    const MessageSink record = [&](const QString &m) { messages.append(m); };
    const auto working = [] { ADD_FAILURE() << "no long part without a master file"; };
    EXPECT_EQ(MakeKoumokuIndex(root.tree(), record, working), -1);
    root.writeBytes(QStringLiteral("StudyTaxel/Koumoku_All.csv"), QByteArray());
    EXPECT_EQ(MakeKoumokuIndex(root.tree(), record, working), -1);
    EXPECT_EQ(messages,
        QStringList({QStringLiteral("\\StudtTaxel\\ に項目データが見つかりません！"),
            QStringLiteral("分類項目データを読み込むことができませんでした！"),
            QStringLiteral("分類項目データを読み込むことができませんでした！")}));
    EXPECT_TRUE(SnapshotTree(root.path(kIndex)).isEmpty());
}

TEST(MakeKoumokuIndex, WritesTheTreeAndASecondBuildDoublesEveryFile)
{
    TempRoot root;
    root.makeFolder(kIndex);
    root.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"),
        {QStringLiteral("*id,class,item,reading,main class,division,examples,sort"),
            QStringLiteral("1,/010,図書館・学校,としょかん,総記,図書館情報学,/a12/a13,5"),
            QStringLiteral("2,/010,図書館,としょかん,総記,図書館情報学,,6"), QStringLiteral("3,/290,X,,地理,地誌,,7"),
            QString(), QStringLiteral("4,/290,Y,,地理,地誌,7")});
    int working = 0; // once, after loading and before the first index line
    EXPECT_EQ(MakeKoumokuIndex(
                  root.tree(), [](const QString &) {},
                  [&] { working += 1 + static_cast<int>(SnapshotTree(root.path(kIndex)).size()); }),
        4);
    EXPECT_EQ(working, 1);
    const QString library = kIndex + QStringLiteral("/115/120/40");
    const QByteArray once = ToCp932(QStringLiteral("図書館,としょかん,総記,図書館情報学,010,a12/a13,5\r\n"
                                                   "図書館,としょかん,総記,図書館情報学,010,,6\r\n"));
    EXPECT_EQ(root.readBytes(library), once);
    EXPECT_EQ(
        root.readLines(kIndex + QStringLiteral("/88/42/42")), QStringList({QStringLiteral("X**,,地理,地誌,290,,7")}));
    EXPECT_EQ(SnapshotTree(root.path(kIndex)).size(), 3);

    EXPECT_EQ(MakeKoumokuIndex(root.tree(), [](const QString &) {}), 4);
    EXPECT_EQ(root.readBytes(library), once + once);
}

TEST(MakeKoumokuIndex, AWriteThatFailsEndsTheBuildAndKeepsEarlierFiles)
{
    TempRoot root;
    root.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"),
        {QStringLiteral("1,/1,map,,a,b,,1"), QStringLiteral("2,/2,図書館,,a,b,,2")});
    EXPECT_THROW(MakeKoumokuIndex(root.tree(), [](const QString &) {}), FileError); // the index folder is missing
    EXPECT_FALSE(QFileInfo::exists(root.path(kIndex)));

    root.makeFolder(kIndex);
    root.writeBytes(kIndex + QStringLiteral("/115"), "a file where the folder belongs");
    try {
        MakeKoumokuIndex(root.tree(), [](const QString &) {});
        ADD_FAILURE() << "the failing write was not reported";
    } catch (const FileError &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("115/120/40"))) << e.text().toStdString();
    }
    EXPECT_EQ(
        SnapshotTree(root.path(kIndex)).keys(), QStringList({QStringLiteral("109/97/112"), QStringLiteral("115")}));
}

// The fast builder against the line-by-line reference, on the same inputs in two data roots.
class IndexIdentity : public ::testing::Test
{
protected:
    TempRoot fast;
    TempRoot slow;

    void forBoth(const std::function<void(TempRoot &)> &prepare)
    {
        prepare(fast);
        prepare(slow);
    }

    void buildBothAndCompare(const char *what)
    {
        const int fastCount = MakeKoumokuIndex(fast.tree(), [](const QString &) {});
        EXPECT_EQ(fastCount, reference::MakeKoumokuIndex(slow.tree())) << what;
        const auto a = SnapshotTree(fast.path(kIndex));
        const auto b = SnapshotTree(slow.path(kIndex));
        ASSERT_EQ(a.keys(), b.keys()) << what;
        for (auto it = a.begin(); it != a.end(); ++it)
            ASSERT_EQ(it.value(), b.value(it.key())) << what << ": " << it.key().toStdString();
    }
};

TEST_F(IndexIdentity, GeneratedMastersIntoAnEmptyTreeAndDoubled)
{
    for (unsigned seed = 1; seed <= 3; ++seed) {
        const QStringList master = GenerateItemMaster(seed, 300);
        forBoth([&](TempRoot &r) {
            QDir(r.path(kIndex)).removeRecursively();
            r.makeFolder(kIndex);
            r.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"), master, seed % 2 == 0);
        });
        buildBothAndCompare("first build");
        buildBothAndCompare("second build");
    }
}

// Existing files met early pass the encoding they were loaded in on to the new files after them.
TEST_F(IndexIdentity, ExistingFilesInEveryEncodingCarryTheirEncodingOn)
{
    using E = LineList::Encoding;
    const QStringList master = GenerateItemMaster(11, 300);
    const QStringList old = {QStringLiteral("古い行,よみ,a,b,1,,9"), QStringLiteral("second,,,,2,,3")};
    forBoth([&](TempRoot &r) {
        r.makeFolder(kIndex);
        r.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"), master);
        auto put = [&](const char16_t *key, const QByteArray &bytes) {
            r.writeBytes(IndexFileOf(QString::fromUtf16(key)), bytes);
        };
        put(u"図書館", EncodeLines(old, E::Utf8));
        put(u"学校*", EncodeLines(old, E::Cp932, "\n", false)); // LF, no last break
        put(u"日本史", EncodeLines(old, E::Utf16LE));
        put(u"map", EncodeLines(old, E::Utf16BE, "\r"));
        put(u"日**", QByteArray("\xEF\xBB\xBF\xFF\xFE broken\r\n")); // undecodable UTF-8
        put(u"文学*", QByteArray("\x82\xA0\x82\r\n")); // a cut double byte
        put(u"歴史*", QByteArray());
    });
    buildBothAndCompare("over existing files");
    buildBothAndCompare("doubled over existing files");
}
