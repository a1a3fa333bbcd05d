// The user's copy of the installed default tree: made once, never half, and only when neither
// --root nor the walk up from the working folder finds a tree.

#include "datafiles/DataRoot.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

/// An installed layout: <top>/bin (the programs) and <top>/share/taxel/StudyTaxel (read-only files).
struct Installed
{
    QTemporaryDir top;
    QString root() const { return top.path() + QStringLiteral("/share/taxel"); }
    Installed()
    {
        writeFile(root() + QStringLiteral("/StudyTaxel/Koumoku_All.csv"), "1,/010,library\r\n");
        writeFile(root() + QStringLiteral("/StudyTaxel/KoumokuIndex/1/2/3"), "index");
        writeFile(root() + QStringLiteral("/StudyTaxel/ReidaiData/study_kihon.txt"), "1\r\n");
        QFile::setPermissions(root() + QStringLiteral("/StudyTaxel/ReidaiData/study_kihon.txt"),
            QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QDir().mkpath(root() + QStringLiteral("/StudyTaxel/Bin"));
        QDir().mkpath(top.path() + QStringLiteral("/bin"));
    }
};

} // namespace

TEST(UserCopy, FirstStartCopiesTheInstalledTreeOnceAndKeepsTheUsersFiles)
{
    Installed installed;
    QTemporaryDir home, elsewhere;
    const QString user = home.path() + QStringLiteral("/share/Taxel");

    const DataRoot::StartRoot first = DataRoot::startRoot(QString(), elsewhere.path(), installed.root(), user);
    EXPECT_EQ(first.root, user);
    EXPECT_TRUE(first.problem.isEmpty());
    EXPECT_EQ(readFile(user + QStringLiteral("/StudyTaxel/Koumoku_All.csv")), "1,/010,library\r\n");
    EXPECT_EQ(readFile(user + QStringLiteral("/StudyTaxel/KoumokuIndex/1/2/3")), "index");
    EXPECT_TRUE(QFileInfo(user + QStringLiteral("/StudyTaxel/Bin")).isDir()) << "the desktop entry's working folder";
    const QString progress = user + QStringLiteral("/StudyTaxel/ReidaiData/study_kihon.txt");
    EXPECT_TRUE(QFileInfo(progress).isWritable()) << "progress is saved into the copy";
    EXPECT_EQ(QDir(user).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList {QStringLiteral("StudyTaxel")});

    writeFile(progress, "7\r\n");
    EXPECT_EQ(DataRoot::provideUserCopy(installed.root(), user), DataRoot::UserCopy::Present);
    EXPECT_EQ(DataRoot::startRoot(QString(), elsewhere.path(), installed.root(), user).root, user);
    EXPECT_EQ(readFile(progress), "7\r\n") << "a later start copies nothing over the learner's progress";
}

TEST(UserCopy, AFailedOrInterruptedCopyLeavesNothingThatLooksCompleteAndTheNextStartRetries)
{
    Installed installed;
    QTemporaryDir home, elsewhere;
    const QString user = home.path() + QStringLiteral("/Taxel");
    const QString broken = installed.root() + QStringLiteral("/StudyTaxel/TaxelData/gone.txt");
    QDir().mkpath(QFileInfo(broken).path());
    ASSERT_TRUE(QFile::link(installed.root() + QStringLiteral("/nowhere"), broken)); // unreadable, even for root

    QString error;
    EXPECT_EQ(DataRoot::provideUserCopy(installed.root(), user, &error), DataRoot::UserCopy::Failed);
    EXPECT_TRUE(error.contains(QStringLiteral("gone.txt"))) << error.toStdString();
    EXPECT_EQ(QDir(user).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    // the program still finds the data, read-only, and says why
    const DataRoot::StartRoot start = DataRoot::startRoot(QString(), elsewhere.path(), installed.root(), user);
    EXPECT_EQ(start.root, installed.root());
    EXPECT_TRUE(start.problem.contains(user)) << start.problem.toStdString();

    // a copy cut off half-way (the program was killed) is thrown away, not completed
    QFile::remove(broken);
    writeFile(user + QStringLiteral("/.StudyTaxel.partial/Koumoku_All.csv"), "half");
    writeFile(user + QStringLiteral("/.StudyTaxel.partial/stale.txt"), "old");
    EXPECT_EQ(DataRoot::provideUserCopy(installed.root(), user), DataRoot::UserCopy::Copied);
    EXPECT_EQ(readFile(user + QStringLiteral("/StudyTaxel/Koumoku_All.csv")), "1,/010,library\r\n");
    EXPECT_FALSE(QFileInfo::exists(user + QStringLiteral("/StudyTaxel/stale.txt")));
    EXPECT_FALSE(QFileInfo::exists(user + QStringLiteral("/.StudyTaxel.partial")));

    QTemporaryDir blocked;
    writeFile(blocked.path() + QStringLiteral("/file"), "not a folder");
    EXPECT_EQ(DataRoot::provideUserCopy(installed.root(), blocked.path() + QStringLiteral("/file/Taxel")),
        DataRoot::UserCopy::Failed);
}

TEST(UserCopy, FoundBesideTheProgramWhereverTheInstallIsAndOnlyAfterRootAndWalkUp)
{
    Installed installed;
    const QString relative = QStringLiteral("../share/taxel");
    EXPECT_EQ(DataRoot::installedRoot(installed.top.path() + QStringLiteral("/bin"), relative), installed.root());
    QTemporaryDir moved;
    const QString unpacked = moved.path() + QStringLiteral("/unpacked/usr");
    QDir().mkpath(moved.path() + QStringLiteral("/unpacked"));
    ASSERT_TRUE(QDir().rename(installed.top.path(), unpacked));
    EXPECT_EQ(DataRoot::installedRoot(unpacked + QStringLiteral("/bin"), relative),
        unpacked + QStringLiteral("/share/taxel"));
    EXPECT_EQ(DataRoot::installedRoot(moved.path(), relative), QString());
    const QString installedRoot = unpacked + QStringLiteral("/share/taxel");

    QTemporaryDir home, author, elsewhere;
    const QString user = home.path() + QStringLiteral("/Taxel");
    QDir().mkpath(author.path() + QStringLiteral("/StudyTaxel/Bin"));
    EXPECT_EQ(DataRoot::startRoot(author.path(), elsewhere.path(), installedRoot, user).root, author.path());
    EXPECT_EQ(
        DataRoot::startRoot(QString(), author.path() + QStringLiteral("/StudyTaxel/Bin"), installedRoot, user).root,
        author.path());
    EXPECT_FALSE(QFileInfo::exists(user)) << "no copy while --root or the walk up finds a tree";

    // without an installed tree the user's folder plays no part, even when it holds a tree
    QDir().mkpath(user + QStringLiteral("/StudyTaxel"));
    EXPECT_EQ(DataRoot::startRoot(QString(), elsewhere.path(), QString(), user).root,
        DataRoot::findRoot(QString(), elsewhere.path()));
}
