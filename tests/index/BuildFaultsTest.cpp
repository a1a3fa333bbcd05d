// Writes that fail during the two builds: the error is reported, files already in place keep their
// content whole, and no temporary file is left behind.

#include "IndexTestData.h"
#include "TestSupport.h"

#include "datafiles/FileError.h"
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
QString failureOf(const std::function<int()> &build)
{
    try {
        build();
    } catch (const FileError &error) {
        return error.text();
    }
    return QString();
}

int buildIndex()
{
    return MakeKoumokuIndex([](const QString &) {});
}

int buildExamples()
{
    return MakeReidaiData([](const QString &) {});
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
    EXPECT_TRUE(failureOf(buildIndex).contains(QStringLiteral("109/97/112")));
    EXPECT_EQ(root.readBytes(kIndex + QStringLiteral("/115/120/40")), before);
    EXPECT_TRUE(leftovers(root.path(kIndex)).isEmpty()) << leftovers(root.path(kIndex)).join(u' ').toStdString();

    // a path through a regular file
    QDir(root.path(kIndex + QStringLiteral("/109"))).removeRecursively();
    root.writeBytes(kIndex + QStringLiteral("/109"), "not a folder");
    EXPECT_FALSE(failureOf(buildIndex).isEmpty());
    EXPECT_EQ(root.readBytes(kIndex + QStringLiteral("/115/120/40")), before);
    EXPECT_EQ(root.readBytes(kIndex + QStringLiteral("/109")), QByteArray("not a folder"));
    EXPECT_TRUE(leftovers(root.path(kIndex)).isEmpty());

    // the index folder itself is missing: nothing is made
    QDir(root.path(kIndex)).removeRecursively();
    EXPECT_FALSE(failureOf(buildIndex).isEmpty());
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
    EXPECT_TRUE(failureOf(buildExamples).contains(QStringLiteral("REI_0.txt")));
    EXPECT_EQ(root.readBytes(kExamples + QStringLiteral("/REI_A.txt")), lettered);
    EXPECT_TRUE(leftovers(root.path(kExamples)).isEmpty());

    QDir(root.path(kExamples)).removeRecursively();
    root.writeBytes(kExamples, "a file where the folder belongs"); // the path runs through a regular file
    EXPECT_FALSE(failureOf(buildExamples).isEmpty());
    EXPECT_EQ(root.readBytes(kExamples), QByteArray("a file where the folder belongs"));

    QFile::remove(root.path(kExamples)); // the folder is missing
    EXPECT_FALSE(failureOf(buildExamples).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(root.path(kExamples)));
}
