#include "TestSupport.h"

#include "datafiles/FileError.h"
#include "datafiles/LineList.h"
#include "datafiles/TextFileCache.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
QStringList linesOf(const QByteArray &bytes)
{
    LineList list;
    list.loadFromBytes(bytes);
    return list.lines();
}

} // namespace

TEST(LineListLoad, LineBreaksOfEveryKindEndLinesAndTrailingBreakAddsNothing)
{
    EXPECT_EQ(linesOf("a\r\nb"), L({u"a", u"b"}));
    EXPECT_EQ(linesOf("a\r\nb\r\n"), L({u"a", u"b"}));
    EXPECT_EQ(linesOf("x\ny\rz"), L({u"x", u"y", u"z"}));
    EXPECT_EQ(linesOf("\r\n\r\n"), L({u"", u""}));
    EXPECT_EQ(linesOf("\n\r"), L({u"", u""})); // LF then a lone CR: two breaks
    EXPECT_TRUE(linesOf("").isEmpty());
    EXPECT_EQ(linesOf("  keep  \t\r\n"), L({u"  keep  \t"}));
}

TEST(LineListLoad, NulEndsTheText)
{
    EXPECT_EQ(linesOf(QByteArray("ab\r\ncd\0ef\r\ngh", 14)), L({u"ab", u"cd"}));
    EXPECT_TRUE(linesOf(QByteArray("\0abc", 4)).isEmpty());
    // NUL in UTF-16 text too
    EXPECT_EQ(linesOf(QByteArray("\xFF\xFE"
                                 "a\0\0\0b\0",
                  8)),
        L({u"a"}));
}

TEST(LineListLoad, Cp932UsesMicrosoftsTable)
{
    LineList list;
    list.loadFromBytes(QByteArray("\x81\x61\x81\x60\x87\x40\x5C\x7E\x82\xA0\xB1", 11));
    EXPECT_EQ(list.encoding(), LineList::Encoding::Cp932);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list[0], QString::fromUtf16(u"\u2225\uFF5E\u2460\\~\u3042\uFF71"));
    EXPECT_FALSE(list.hadDecodeErrors());

    list.loadFromBytes(QByteArray("\x82", 1)); // a lead byte with nothing after it
    EXPECT_TRUE(list.hadDecodeErrors());
}

TEST(LineListLoad, ByteOrderMarksSelectTheEncodingAndAreNotText)
{
    LineList list;
    list.loadFromBytes("\xEF\xBB\xBF\xE3\x81\x82\r\nb");
    EXPECT_EQ(list.encoding(), LineList::Encoding::Utf8);
    EXPECT_EQ(list.lines(), L({u"\u3042", u"b"}));

    // a mark saved twice: the second is text, and stays through a save
    list.loadFromBytes("\xEF\xBB\xBF\xEF\xBB\xBFkeis");
    EXPECT_EQ(list.lines(), QStringList {QChar(0xFEFF) + QStringLiteral("keis")});
    LineList again;
    again.loadFromBytes(list.toBytes());
    EXPECT_EQ(again.lines(), list.lines());

    list.loadFromBytes(QByteArray("\xFF\xFE\x42\x30\r\0\n\0z\0", 10));
    EXPECT_EQ(list.encoding(), LineList::Encoding::Utf16LE);
    EXPECT_EQ(list.lines(), L({u"\u3042", u"z"}));

    list.loadFromBytes(QByteArray("\xFE\xFF\x30\x42\0\n\0z", 8));
    EXPECT_EQ(list.encoding(), LineList::Encoding::Utf16BE);
    EXPECT_EQ(list.lines(), L({u"\u3042", u"z"}));

    list.loadFromBytes(QByteArray("\xFF\xFE\x41\x00\x42", 5)); // odd byte count
    EXPECT_EQ(list.lines(), L({u"A"}));
    EXPECT_TRUE(list.hadDecodeErrors());
}

TEST(LineListSave, WritesCrLfAfterEveryLineInTheRememberedEncoding)
{
    LineList fresh;
    EXPECT_EQ(fresh.toBytes(), QByteArray());
    fresh.add(QStringLiteral("a"));
    fresh.add(QString::fromUtf16(u"\u2225"));
    EXPECT_EQ(fresh.toBytes(), QByteArray("a\r\n\x81\x61\r\n")); // never loaded: code page 932

    LineList utf8;
    utf8.loadFromBytes("\xEF\xBB\xBFx");
    utf8.clear();
    utf8.add(QStringLiteral("y"));
    EXPECT_EQ(utf8.toBytes(), QByteArray("\xEF\xBB\xBFy\r\n")); // clear and add keep the encoding

    LineList utf16;
    utf16.loadFromBytes(QByteArray("\xFE\xFF\0q", 4));
    EXPECT_EQ(utf16.toBytes(), QByteArray("\xFE\xFF\0q\0\r\0\n", 8));
}

TEST(LineListSave, MicrosoftSpecialsRoundTripAndTheEncodingFollowsTheLatestLoad)
{
    // ∥ ～ － ￢ and the NEC row: the characters that plain JIS tables map elsewhere
    const QByteArray specials("\x81\x61\x81\x60\x81\x7C\x81\xCA\x87\x82\r\n", 12);
    LineList list;
    list.loadFromBytes(specials);
    EXPECT_EQ(list[0], QString::fromUtf16(u"\u2225\uFF5E\uFF0D\uFFE2\u2116"));
    EXPECT_EQ(list.toBytes(), specials);

    list.loadFromBytes("\xEF\xBB\xBF"
                       "a\r\n");
    list.loadFromBytes("b\r\n"); // the latest load was code page 932
    EXPECT_EQ(list.encoding(), LineList::Encoding::Cp932);
    EXPECT_EQ(list.toBytes(), QByteArray("b\r\n"));
    list.loadFromBytes(QByteArray("\xFF\xFEx\0", 4));
    list.put(0, QStringLiteral("y"));
    EXPECT_EQ(list.toBytes(), QByteArray("\xFF\xFEy\0\r\0\n\0", 8));
}

TEST(LineListSave, TextCodePage932CannotHoldIsSavedAsUtf8InsteadOfQuestionMarks)
{
    LineList list;
    list.add(QString::fromUtf16(u"caf\u00e9 \u00a5"));
    const QByteArray bytes = list.toBytes();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(linesOf(bytes), list.lines());
}

TEST(LineListFiles, SaveAndLoadRoundTripThroughTheDisk)
{
    TempRoot root;
    LineList list;
    list.add(QString::fromUtf16(u"図書館,としょかん"));
    list.add(QString());
    const QString file = root.path(QStringLiteral("StudyTaxel/a.txt"));
    list.saveToFile(file);
    list.saveToFile(file, LineList::Durability::Synced);
    LineList again;
    again.loadFromFile(file);
    EXPECT_EQ(again.lines(), list.lines());
    EXPECT_EQ(again.encoding(), LineList::Encoding::Cp932);
    EXPECT_EQ(
        QDir(root.path(QStringLiteral("StudyTaxel"))).entryList(QDir::Files), QStringList {QStringLiteral("a.txt")})
        << "no temporary file is left behind";
}

TEST(LineListFiles, FailedWritesThrowAndKeepThePreviousFile)
{
    TempRoot root;
    const QString file = root.path(QStringLiteral("StudyTaxel/keep.txt"));
    root.writeBytes(QStringLiteral("StudyTaxel/keep.txt"), "old\r\n");
    LineList list;
    list.add(QStringLiteral("new"));

    // a folder standing where the file should be
    root.makeFolder(QStringLiteral("StudyTaxel/dir.txt"));
    for (auto durability : {LineList::Durability::Unsynced, LineList::Durability::Synced}) {
        EXPECT_THROW(list.saveToFile(root.path(QStringLiteral("StudyTaxel/dir.txt")), durability), FileError);
        EXPECT_THROW(list.saveToFile(root.path(QStringLiteral("StudyTaxel/missing/x.txt")), durability), FileError);
        EXPECT_THROW(list.saveToFile(file + QStringLiteral("/through-a-file"), durability), FileError);
    }
    EXPECT_EQ(root.readBytes(QStringLiteral("StudyTaxel/keep.txt")), QByteArray("old\r\n"));
    EXPECT_EQ(
        QDir(root.path(QStringLiteral("StudyTaxel"))).entryList(QDir::Files), QStringList {QStringLiteral("keep.txt")});

    LineList reader;
    EXPECT_THROW(reader.loadFromFile(root.path(QStringLiteral("StudyTaxel/none.txt"))), FileError);
    EXPECT_THROW(reader.loadFromFile(root.path(QStringLiteral("StudyTaxel/dir.txt"))), FileError);
}

TEST(LineListFiles, AFullOrReadOnlyDiskKeepsTheOldFileAndSaysWhy)
{
    FullDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    const QString file = disk.path() + QStringLiteral("/study_kihon.txt");
    LineList old;
    old.add(QStringLiteral("3"));
    old.saveToFile(file, LineList::Durability::Synced);
    disk.fill();

    LineList next;
    next.add(QStringLiteral("4"));
    auto failure = [&](LineList::Durability durability) {
        try {
            next.saveToFile(file, durability);
        } catch (const FileError &error) {
            return error.text();
        }
        return QString();
    };
    for (auto durability : {LineList::Durability::Synced, LineList::Durability::Unsynced}) {
        const QString text = failure(durability);
        EXPECT_TRUE(text.contains(QStringLiteral("ディスクの空き容量が足りません"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("元のファイルはそのまま残っています")));
    }
    ASSERT_TRUE(disk.setReadOnly(true));
    EXPECT_TRUE(failure(LineList::Durability::Synced).contains(QStringLiteral("読み取り専用")));
    ASSERT_TRUE(disk.setReadOnly(false));

    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("3\r\n"));
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files), QStringList {QStringLiteral("study_kihon.txt")});
}

TEST(LineListLoad, GarbageAndHugeLinesLoadWithoutCrashing)
{
    QByteArray garbage;
    for (int i = 0; i < 70000; ++i)
        garbage.append(static_cast<char>((i * 7919) & 0xFF));
    EXPECT_NO_THROW(linesOf(garbage));
    EXPECT_EQ(linesOf(QByteArray(3'000'000, 'x')).constFirst().size(), 3'000'000);
    // lone surrogates in UTF-16 survive as they are
    const QStringList lone = linesOf(QByteArray("\xFF\xFE\x00\xD8\x41\x00", 6));
    ASSERT_EQ(lone.size(), 1);
    EXPECT_EQ(lone[0].size(), 2);
}

TEST(TextFileCache, AKeptNumberOfFilesForgetsTheOneUsedLongestAgo)
{
    TempRoot root;
    for (const char *name : {"a", "b", "c"})
        root.writeLines(QStringLiteral("StudyTaxel/") + QLatin1String(name), {QLatin1String(name)});
    TextFileCache cache(2);
    cache.lines(root.path(QStringLiteral("StudyTaxel/a")));
    cache.lines(root.path(QStringLiteral("StudyTaxel/b")));
    cache.lines(root.path(QStringLiteral("StudyTaxel/a"))); // a is now the newer of the two
    const LineList *c = cache.lines(root.path(QStringLiteral("StudyTaxel/c")));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->lines(), QStringList {QStringLiteral("c")});
    EXPECT_EQ(cache.count(), 2);
    // b went: read again, it is there as it is on the disk
    root.writeLines(QStringLiteral("StudyTaxel/b"), {QStringLiteral("b2")});
    EXPECT_EQ(cache.lines(root.path(QStringLiteral("StudyTaxel/b")))->lines(), QStringList {QStringLiteral("b2")});
    EXPECT_EQ(cache.lines(root.path(QStringLiteral("StudyTaxel/missing"))), nullptr);
    EXPECT_EQ(cache.count(), 2);
}
