// Writes that fail during the two builds: the error is reported, files already in place keep their
// content whole, and no temporary file is left behind.

#include "IndexTestData.h"
#include "TestSupport.h"

#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "datafiles/LineList.h"
#include "index/ExampleBuilder.h"
#include "index/ItemIndexBuilder.h"

#include <QDir>
#include <QDirIterator>
#include <gtest/gtest.h>

namespace {

const QString kIndex = QStringLiteral("StudyTaxel/KoumokuIndex");
const QString kExamples = QStringLiteral("StudyTaxel/ReidaiData");

/// Every file under \a folder whose name shows it was left half-way (a temporary of a save).
QStringList leftovers(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (file.contains(QStringLiteral(".tmp")))
            found.append(file);
    }
    return found;
}

/// Runs \a build and returns the text of the error it ends with (empty when it did not fail).
QString failureOf(int (*build)(const DataTree &), const DataTree &tree)
{
    try {
        build(tree);
    } catch (const FileError &error) {
        return error.text();
    }
    return QString();
}

int buildIndex(const DataTree &tree)
{
    return MakeKoumokuIndex(tree, [](const QString &) {});
}

int buildExamples(const DataTree &tree)
{
    return MakeReidaiData(tree, [](const QString &) {});
}

} // namespace

TEST(BuildFaults, IndexBuildReportsTheFailingFileAndKeepsTheOthersWhole)
{
    TempRoot root;
    // 図書館 goes to 115/120/40, which exists with an earlier line; map goes to 109/97/112
    root.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"),
        {QStringLiteral("1,/1,map,,a,b,,1"), QStringLiteral("2,/2,図書館,,a,b,,2")});
    root.writeLines(kIndex + QStringLiteral("/115/120/40"), {QStringLiteral("old,line")});
    const QByteArray before = root.readBytes(kIndex + QStringLiteral("/115/120/40"));

    // a folder where the index file should be
    root.makeFolder(kIndex + QStringLiteral("/109/97/112"));
    EXPECT_TRUE(failureOf(buildIndex, root.tree()).contains(QStringLiteral("109/97/112")));
    EXPECT_EQ(root.readBytes(kIndex + QStringLiteral("/115/120/40")), before);
    EXPECT_TRUE(leftovers(root.path(kIndex)).isEmpty()) << leftovers(root.path(kIndex)).join(u' ').toStdString();

    // a path through a regular file
    QDir(root.path(kIndex + QStringLiteral("/109"))).removeRecursively();
    root.writeBytes(kIndex + QStringLiteral("/109"), "not a folder");
    EXPECT_FALSE(failureOf(buildIndex, root.tree()).isEmpty());
    EXPECT_EQ(root.readBytes(kIndex + QStringLiteral("/115/120/40")), before);
    EXPECT_EQ(root.readBytes(kIndex + QStringLiteral("/109")), QByteArray("not a folder"));
    EXPECT_TRUE(leftovers(root.path(kIndex)).isEmpty());

    // the index folder itself is missing: nothing is made
    QDir(root.path(kIndex)).removeRecursively();
    EXPECT_FALSE(failureOf(buildIndex, root.tree()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(root.path(kIndex)));
}

TEST(BuildFaults, ExampleBuildReportsTheFailingFileAndKeepsTheOthersWhole)
{
    TempRoot root;
    root.writeLines(QStringLiteral("StudyTaxel/Reidai_All.csv"),
        {QStringLiteral("5,題,ヒント,010"), QStringLiteral("a1,題,ヒント,010")});
    root.writeLines(kExamples + QStringLiteral("/REI_A.txt"), {QStringLiteral("a0,前からの例題,h")});
    const QByteArray lettered = root.readBytes(kExamples + QStringLiteral("/REI_A.txt"));

    root.makeFolder(kExamples + QStringLiteral("/REI_0.txt")); // a folder where the block should be
    EXPECT_TRUE(failureOf(buildExamples, root.tree()).contains(QStringLiteral("REI_0.txt")));
    EXPECT_EQ(root.readBytes(kExamples + QStringLiteral("/REI_A.txt")), lettered);
    EXPECT_TRUE(leftovers(root.path(kExamples)).isEmpty());

    QDir(root.path(kExamples)).removeRecursively();
    root.writeBytes(kExamples, "a file where the folder belongs"); // the path runs through a regular file
    EXPECT_FALSE(failureOf(buildExamples, root.tree()).isEmpty());
    EXPECT_EQ(root.readBytes(kExamples), QByteArray("a file where the folder belongs"));

    QFile::remove(root.path(kExamples)); // the folder is missing
    EXPECT_FALSE(failureOf(buildExamples, root.tree()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(root.path(kExamples)));
}

namespace {

/// Writes \a lines to \a path (code page 932 when it holds them all, UTF-8 otherwise, as Taxel writes).
void writeList(const QString &path, const QStringList &lines)
{
    LineList list;
    list.lines() = lines;
    list.saveToFile(path);
}

/// An item master of \a items items under \a root, every item a keyword file of its own.
void writeMaster(const QString &root, int items)
{
    QStringList lines;
    for (int i = 1; i <= items; ++i)
        lines.append(QStringLiteral("%1,/%2,%3項目,,a,b,,%1")
                         .arg(i)
                         .arg(100 + i % 800)
                         .arg(QChar(static_cast<char16_t>(0x4E00 + 37 * i))));
    writeList(root + QStringLiteral("/StudyTaxel/Koumoku_All.csv"), lines);
}

/// The index built where there is room: from 40 items, then again from 400.
QMap<QString, QByteArray> indexBuiltWithRoom()
{
    TempRoot roomy;
    roomy.makeFolder(kIndex);
    writeMaster(roomy.root(), 40);
    EXPECT_GT(buildIndex(roomy.tree()), 0);
    writeMaster(roomy.root(), 400);
    EXPECT_GT(buildIndex(roomy.tree()), 0);
    return SnapshotTree(roomy.path(kIndex));
}

} // namespace

TEST(BuildFaults, OnAFullDiskEachFileIsOldOrNewAndTheMessageSaysWhatToRebuild)
{
    FullDisk disk(512);
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    const QMap<QString, QByteArray> fresh = indexBuiltWithRoom();

    const DataTree onDisk(disk.path());
    QDir(disk.path()).mkpath(kIndex);
    QDir(disk.path()).mkpath(kExamples);
    auto write = [&](const QString &relative, const QStringList &lines) {
        writeList(disk.path() + QLatin1Char('/') + relative, lines);
    };
    writeMaster(disk.path(), 40);
    ASSERT_GT(buildIndex(onDisk), 0);
    const QMap<QString, QByteArray> old = SnapshotTree(disk.path() + QLatin1Char('/') + kIndex);
    writeMaster(disk.path(), 400);
    write(QStringLiteral("StudyTaxel/Reidai_All.csv"), {QStringLiteral("5,題,ヒント,010")});
    // a little room is left: some index files are written before the disk is full
    write(QStringLiteral("spare"), QStringList(300, QStringLiteral("x")));
    disk.fill();
    QFile::remove(disk.path() + QStringLiteral("/spare"));

    const QString failure = failureOf(buildIndex, onDisk);
    EXPECT_TRUE(failure.contains(QStringLiteral("ディスクの空き容量が足りません"))) << failure.toStdString();
    EXPECT_TRUE(failure.contains(QStringLiteral("項目インデックス（StudyTaxel\\KoumokuIndex）は書き換えの途中です")))
        << failure.toStdString();
    const QMap<QString, QByteArray> after = SnapshotTree(disk.path() + QLatin1Char('/') + kIndex);
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        EXPECT_TRUE(it.value() == old.value(it.key()) || it.value() == fresh.value(it.key())) << it.key().toStdString();
    for (auto it = old.cbegin(); it != old.cend(); ++it)
        EXPECT_TRUE(after.contains(it.key())) << "an old file is never lost: " << it.key().toStdString();
    EXPECT_TRUE(leftovers(disk.path()).isEmpty());

    disk.fill();
    EXPECT_TRUE(failureOf(buildExamples, onDisk)
                    .contains(QStringLiteral("例題ファイル（StudyTaxel\\ReidaiData）は元のままです")));
    EXPECT_TRUE(leftovers(disk.path()).isEmpty());
}
