#include "IndexTestData.h"
#include "ReferenceBuilders.h"
#include "TestSupport.h"

#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "index/IndexKey.h"
#include "index/ItemIndexBuilder.h"

#include <gtest/gtest.h>

namespace {

QStringList recordMessages(const std::function<void(const MessageSink &)> &run)
{
    QStringList messages;
    run([&](const QString &text) { messages.append(text); });
    return messages;
}

const char16_t kLibraryRecord[] = u"1,/010,図書館・学校,としょかん,総記,図書館情報学,/a12/a13,5";

} // namespace

TEST(IndexKey, PadsShortKeywordsAndTakesTheFirstThreeUnitsModulo128)
{
    EXPECT_EQ(IndexKeyOf(QStringLiteral("X")), QStringLiteral("X**"));
    EXPECT_EQ(IndexKeyOf(QStringLiteral("学校")), QStringLiteral("学校*"));
    EXPECT_EQ(IndexKeyOf(QStringLiteral("図書館学")), QStringLiteral("図書館学"));
    EXPECT_EQ(IndexFileOf(QStringLiteral("図書館")), QStringLiteral("StudyTaxel/KoumokuIndex/115/120/40"));
    EXPECT_EQ(IndexFileOf(QStringLiteral("学校*")), QStringLiteral("StudyTaxel/KoumokuIndex/102/33/42"));
    EXPECT_EQ(IndexFileOf(QStringLiteral("X**")), QStringLiteral("StudyTaxel/KoumokuIndex/88/42/42"));
    EXPECT_EQ(IndexFileOf(QStringLiteral("map")), QStringLiteral("StudyTaxel/KoumokuIndex/109/97/112"));
    EXPECT_EQ(IndexFileOf(QStringLiteral("\x80\xFF\x7F")), QStringLiteral("StudyTaxel/KoumokuIndex/0/127/127"));
}

TEST(IndexEntries, OneLinePerKeywordWithTheSlashRulesApplied)
{
    const QList<IndexEntry> entries = IndexEntriesOf(QString::fromUtf16(kLibraryRecord));
    ASSERT_EQ(entries.size(), 2);
    // keyword order is the collation order; check by content rather than position
    QStringList lines;
    for (const IndexEntry &e : entries)
        lines.append(e.line);
    EXPECT_TRUE(lines.contains(QStringLiteral("図書館,としょかん,総記,図書館情報学,010,a12/a13,5")));
    EXPECT_TRUE(lines.contains(QStringLiteral("学校*,としょかん,総記,図書館情報学,010,a12/a13,5")));

    const auto only = [](const QString &record) {
        const QList<IndexEntry> e = IndexEntriesOf(record);
        return e.size() == 1 ? e.first().line : QStringLiteral("<%1 entries>").arg(e.size());
    };
    EXPECT_EQ(only(QStringLiteral("0,/210.123456,X,,,,,7")), QStringLiteral("X**,,,,210.1234,,7"));
    EXPECT_EQ(only(QStringLiteral("0,210.123456,X,,,,,7")), QStringLiteral("X**,,,,210.123456,,7"));
    EXPECT_EQ(only(QStringLiteral("0,1,X,,,,/a1/a2/a3/a4/a5/a6/a7/a8/a9,7")),
              QStringLiteral("X**,,,,1,a1/a2/a3/a4/a5/a6/a7/a8/a,7"));
    EXPECT_EQ(only(QStringLiteral("0,1,X,,,,a1/a2/a3/a4/a5/a6/a7/a8/a9,7")),
              QStringLiteral("X**,,,,1,a1/a2/a3/a4/a5/a6/a7/a8/a9,7"));
    const QString longReading(40, QChar(u'ア'));
    EXPECT_EQ(only(QStringLiteral("0,1,X,%1,d1,d2,,7,extra,fields").arg(longReading)),
              QStringLiteral("X**,%1,d1,d2,1,,7").arg(QString(30, QChar(u'ア'))));
    // quoted master fields are written without their quotes
    EXPECT_EQ(only(QStringLiteral("0,1,\"a b\",\"ジンブン カガク\",x,y,,3")).count(QLatin1Char('"')), 0);
}

TEST(IndexEntries, SkipsCommentsShortRecordsAndEmptyClassOrName)
{
    EXPECT_TRUE(IndexEntriesOf(QStringLiteral("*1,/010,図書館,と,総記,図書館情報学,,5")).isEmpty());
    EXPECT_TRUE(IndexEntriesOf(QStringLiteral("1,/010,図書館,と,総記,図書館情報学,5")).isEmpty()); // 7 fields
    EXPECT_TRUE(IndexEntriesOf(QStringLiteral("1,,図書館,と,総記,図書館情報学,,5")).isEmpty());
    EXPECT_TRUE(IndexEntriesOf(QStringLiteral("1,/010,,と,総記,図書館情報学,,5")).isEmpty());
    EXPECT_TRUE(IndexEntriesOf(QString()).isEmpty());
    EXPECT_TRUE(IndexEntriesOf(QStringLiteral("1,/010,/,と,総記,図書館情報学,,5")).isEmpty()); // no keyword
    EXPECT_EQ(IndexEntriesOf(QStringLiteral("1,/010,a・b・c,と,総記,図書館情報学,,5")).size(), 3);
}

TEST(MakeKoumokuIndex, MissingOrEmptyMasterGivesItsMessagesAndMinusOne)
{
    TempRoot root;
    root.makeFolder(QStringLiteral("StudyTaxel/KoumokuIndex"));
    int result = 0;
    EXPECT_EQ(recordMessages([&](const MessageSink &show) { result = MakeKoumokuIndex(show); }),
              QStringList({QStringLiteral("\\StudtTaxel\\ に項目データが見つかりません！"),
                           QStringLiteral("分類項目データを読み込むことができませんでした！")}));
    EXPECT_EQ(result, -1);

    root.writeBytes(QStringLiteral("StudyTaxel/Koumoku_All.csv"), QByteArray());
    EXPECT_EQ(recordMessages([&](const MessageSink &show) { result = MakeKoumokuIndex(show); }),
              QStringList({QStringLiteral("分類項目データを読み込むことができませんでした！")}));
    EXPECT_EQ(result, -1);
    EXPECT_TRUE(SnapshotTree(root.path(QStringLiteral("StudyTaxel/KoumokuIndex"))).isEmpty());
}

TEST(MakeKoumokuIndex, WritesTheTreeAndAppendsOnASecondBuild)
{
    TempRoot root;
    root.makeFolder(QStringLiteral("StudyTaxel/KoumokuIndex"));
    root.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"),
                    {QStringLiteral("*id,class,item,reading,main class,division,examples,sort"),
                     QString::fromUtf16(kLibraryRecord), QStringLiteral("2,/010,図書館,としょかん,総記,図書館情報学,,6"),
                     QStringLiteral("3,/290,X,,地理,地誌,,7"), QString(), QStringLiteral("4,/290,Y,,地理,地誌,7")});
    std::vector<QString> messages;
    EXPECT_EQ(MakeKoumokuIndex([&](const QString &m) { messages.push_back(m); }), 4);
    EXPECT_TRUE(messages.empty());

    const QString library = QStringLiteral("StudyTaxel/KoumokuIndex/115/120/40");
    const QByteArray once = ToCp932(QStringLiteral("図書館,としょかん,総記,図書館情報学,010,a12/a13,5\r\n"
                                                   "図書館,としょかん,総記,図書館情報学,010,,6\r\n"));
    EXPECT_EQ(root.readBytes(library), once);
    EXPECT_EQ(root.readLines(QStringLiteral("StudyTaxel/KoumokuIndex/88/42/42")),
              QStringList({QStringLiteral("X**,,地理,地誌,290,,7")}));
    EXPECT_EQ(root.readLines(QStringLiteral("StudyTaxel/KoumokuIndex/102/33/42")).size(), 1);
    EXPECT_EQ(SnapshotTree(root.path(QStringLiteral("StudyTaxel/KoumokuIndex"))).size(), 3);

    EXPECT_EQ(MakeKoumokuIndex([](const QString &) {}), 4);
    EXPECT_EQ(root.readBytes(library), once + once);
    EXPECT_EQ(root.readLines(QStringLiteral("StudyTaxel/KoumokuIndex/88/42/42")).size(), 2);
}

TEST(MakeKoumokuIndex, AWriteThatFailsEndsTheBuildAndKeepsEarlierFiles)
{
    TempRoot root;
    root.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"),
                    {QStringLiteral("1,/1,map,,a,b,,1"), QStringLiteral("2,/2,図書館,,a,b,,2")});
    // Without the index folder nothing can be written, and the error says so.
    EXPECT_THROW(MakeKoumokuIndex([](const QString &) {}), FileError);
    EXPECT_FALSE(QFileInfo::exists(root.path(QStringLiteral("StudyTaxel/KoumokuIndex"))));

    // A plain file where the folder "115" belongs makes the second index file fail.
    root.makeFolder(QStringLiteral("StudyTaxel/KoumokuIndex"));
    root.writeBytes(QStringLiteral("StudyTaxel/KoumokuIndex/115"), "in the way");
    try {
        MakeKoumokuIndex([](const QString &) {});
        ADD_FAILURE() << "the failing write was not reported";
    } catch (const FileError &e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("115/120/40"))) << e.text().toStdString();
    }
    const auto tree = SnapshotTree(root.path(QStringLiteral("StudyTaxel/KoumokuIndex")));
    EXPECT_EQ(tree.keys(), QStringList({QStringLiteral("109/97/112"), QStringLiteral("115")}));
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
        DataRoot::setRoot(fast.root());
        const int fastCount = MakeKoumokuIndex([](const QString &) {});
        DataRoot::setRoot(slow.root());
        const int slowCount = reference::MakeKoumokuIndex();
        EXPECT_EQ(fastCount, slowCount) << what;
        const auto a = SnapshotTree(fast.path(QStringLiteral("StudyTaxel/KoumokuIndex")));
        const auto b = SnapshotTree(slow.path(QStringLiteral("StudyTaxel/KoumokuIndex")));
        ASSERT_EQ(a.keys(), b.keys()) << what;
        int differing = 0;
        for (auto it = a.begin(); it != a.end(); ++it)
            if (it.value() != b.value(it.key()) && ++differing <= 3)
                ADD_FAILURE() << what << ": " << it.key().toStdString() << " differs";
        EXPECT_EQ(differing, 0) << what;
    }
};

TEST_F(IndexIdentity, GeneratedMastersIntoAnEmptyTreeAndDoubled)
{
    for (unsigned seed = 1; seed <= 3; ++seed) {
        const QStringList master = GenerateItemMaster(seed, 300);
        forBoth([&](TempRoot &r) {
            QDir(r.path(QStringLiteral("StudyTaxel/KoumokuIndex"))).removeRecursively();
            r.makeFolder(QStringLiteral("StudyTaxel/KoumokuIndex"));
            r.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"), master, seed % 2 == 0);
        });
        buildBothAndCompare("first build");
        buildBothAndCompare("second build");
    }
}

TEST_F(IndexIdentity, ExistingFilesInEveryEncodingCarryTheirEncodingOn)
{
    using E = LineList::Encoding;
    // The master meets existing files early, so the encodings they were loaded in pass on to
    // the new files written after them.
    const QStringList master = GenerateItemMaster(11, 300);
    const QStringList old = {QStringLiteral("古い行,よみ,a,b,1,,9"), QStringLiteral("second,,,,2,,3")};
    forBoth([&](TempRoot &r) {
        r.makeFolder(QStringLiteral("StudyTaxel/KoumokuIndex"));
        r.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"), master);
        auto put = [&](const QString &key, const QByteArray &bytes) {
            r.writeBytes(IndexFileOf(key), bytes);
        };
        put(QStringLiteral("図書館"), EncodeLines(old, E::Utf8));                 // UTF-8 with a mark
        put(QStringLiteral("学校*"), EncodeLines(old, E::Cp932, "\n", false));    // LF, no last break
        put(QStringLiteral("日本史"), EncodeLines(old, E::Utf16LE));
        put(QStringLiteral("map"), EncodeLines(old, E::Utf16BE, "\r"));
        put(QStringLiteral("小説*"), EncodeLines({QStringLiteral("x\x01y")}, E::Cp932));
        put(QStringLiteral("日**"), QByteArray("\xEF\xBB\xBF\xFF\xFE broken\r\n"));  // undecodable UTF-8
        put(QStringLiteral("文学*"), QByteArray("\x82\xA0\x82\r\n"));              // a cut double byte
        put(QStringLiteral("歴史*"), QByteArray());                                // empty file
    });
    buildBothAndCompare("over existing files");
    buildBothAndCompare("doubled over existing files");
}
