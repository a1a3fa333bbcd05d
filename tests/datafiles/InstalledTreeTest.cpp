// An installed program reads the installed tree where it lies and writes into the user's folder
// alone; a full copy an older version made there is tidied away at the next start.

#include "TestSupport.h"

#include "datafiles/DataRoot.h"
#include "datafiles/LineList.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

/// An installed layout: <top>/bin (the programs) and <top>/share/taxel/StudyTaxel, read-only.
struct Installed
{
    QTemporaryDir top;
    QString root() const { return top.path() + QStringLiteral("/share/taxel"); }
    QString file(const char *relative) const
    {
        return root() + QStringLiteral("/StudyTaxel/") + QString::fromLatin1(relative);
    }
    Installed()
    {
        writeFile(file("Koumoku_All.csv"), "1,/010,library\r\n");
        writeFile(file("KoumokuIndex/1/2/3"), "index");
        writeFile(file("TaxelData/Saimoku_0.txt"), "/000,総記,a,b,c\r\n");
        writeFile(file("ReidaiData/ren_num_kihon.txt"), "1\r\n2\r\n");
        QDir().mkpath(root() + QStringLiteral("/StudyTaxel/Bin"));
        QDir().mkpath(top.path() + QStringLiteral("/bin"));
    }
    /// The tree as a package leaves it: nobody writes into it.
    void makeReadOnly() const
    {
        QDirIterator it(root(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile::setPermissions(it.next(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ReadOther);
    }
};

} // namespace

TEST(InstalledTree, FoundBesideTheProgramAndOnlyAfterRootAndWalkUp)
{
    Installed installed;
    const QString relative = QStringLiteral("../share/taxel");
    EXPECT_EQ(DataRoot::installedRoot(installed.top.path() + QStringLiteral("/bin"), relative), installed.root());
    EXPECT_EQ(DataRoot::installedRoot(installed.top.path(), relative), QString());

    QTemporaryDir home, author, elsewhere;
    const QString user = home.path() + QStringLiteral("/Taxel");
    QDir().mkpath(author.path() + QStringLiteral("/StudyTaxel/Bin"));
    DataRoot::StartRoot start = DataRoot::startRoot(author.path(), elsewhere.path(), installed.root(), user);
    EXPECT_EQ(start.root, author.path());
    EXPECT_TRUE(start.installed.isEmpty()) << "a data author's tree is read alone";
    EXPECT_EQ(
        DataRoot::startRoot(QString(), author.path() + QStringLiteral("/StudyTaxel/Bin"), installed.root(), user).root,
        author.path());

    // from anywhere else, and from the installed tree's own Bin folder (the desktop shortcut's)
    for (const QString &from : {elsewhere.path(), installed.root() + QStringLiteral("/StudyTaxel/Bin")}) {
        start = DataRoot::startRoot(QString(), from, installed.root(), user);
        EXPECT_EQ(start.root, user);
        EXPECT_EQ(start.installed, installed.root());
        EXPECT_TRUE(start.problem.isEmpty());
    }
    EXPECT_TRUE(filesUnder(user).isEmpty()) << "nothing is copied";

    // without an installed tree the user's folder plays no part
    EXPECT_EQ(DataRoot::startRoot(QString(), elsewhere.path(), QString(), user).root,
        DataRoot::findRoot(QString(), elsewhere.path()));
}

TEST(InstalledTree, ReadsTheUsersFileFirstWritesOnlyIntoTheUsersFolderAndSeesAnUpgrade)
{
    Installed installed;
    installed.makeReadOnly();
    QTemporaryDir home;
    const QString user = home.path() + QStringLiteral("/Taxel");
    const DataRoot::StartRoot start = DataRoot::startRoot(QString(), home.path(), installed.root(), user);
    const DataTree tree(start);
    const QStringList before = filesUnder(installed.root());

    EXPECT_EQ(tree.path(u"StudyTaxel/Koumoku_All.csv"), installed.file("Koumoku_All.csv"));
    const QString progress = tree.writePath(u"StudyTaxel/ReidaiData/study_kihon.txt");
    EXPECT_EQ(progress, user + QStringLiteral("/StudyTaxel/ReidaiData/study_kihon.txt"));
    LineList saved;
    saved.add(QStringLiteral("2"));
    saved.saveToFile(progress, LineList::Durability::Synced);
    EXPECT_EQ(tree.path(u"StudyTaxel/ReidaiData/study_kihon.txt"), progress) << "the user's file first";
    EXPECT_EQ(tree.path(u"StudyTaxel/ReidaiData/ren_num_kihon.txt"), installed.file("ReidaiData/ren_num_kihon.txt"));
    EXPECT_EQ(filesUnder(user), QStringList {QStringLiteral("StudyTaxel/ReidaiData/study_kihon.txt")});
    EXPECT_LT(readFile(progress).size() + 4096 * 3, 100 * 1024) << "a few kilobytes per user";
    EXPECT_EQ(filesUnder(installed.root()), before) << "the installed tree is never written";

    // a newer package changes a file: the next read finds it, the progress stays
    QFile::setPermissions(installed.file("ReidaiData/ren_num_kihon.txt"), QFile::ReadOwner | QFile::WriteOwner);
    writeFile(installed.file("ReidaiData/ren_num_kihon.txt"), "1\r\n");
    EXPECT_EQ(readFile(tree.path(u"StudyTaxel/ReidaiData/ren_num_kihon.txt")), QByteArray("1\r\n"));
    EXPECT_EQ(readFile(progress), QByteArray("2\r\n"));
}

namespace {

/// What 0.1.0 left in the user's folder \a user: the whole tree copied, the learner's progress and
/// review, and a file of the user's own.
void writeOldCopy(const QString &user)
{
    for (const char *relative :
        {"Koumoku_All.csv", "KoumokuIndex/1/2/3", "TaxelData/Saimoku_0.txt", "ReidaiData/ren_num_kihon.txt"})
        writeFile(user + QStringLiteral("/StudyTaxel/") + QString::fromLatin1(relative), "old copy");
    writeFile(user + QStringLiteral("/StudyTaxel/ReidaiData/study_kihon.txt"), "5\r\n");
    writeFile(user + QStringLiteral("/StudyTaxel/ReidaiData/study_fukusyu.txt"), "10,1,\r\n");
    writeFile(user + QStringLiteral("/StudyTaxel/memo.txt"), "mine");
}

/// The files a tidied copy keeps, relative to its StudyTaxel folder.
QStringList keptAfterTidying()
{
    return {QStringLiteral("ReidaiData/study_fukusyu.txt"), QStringLiteral("ReidaiData/study_kihon.txt"),
        QStringLiteral("memo.txt")};
}

} // namespace

TEST(InstalledTree, AnOldFullCopyIsTidiedOnceKeepingTheLearnersFilesAndNamingOthers)
{
    Installed installed;
    QTemporaryDir home;
    const QString user = home.path() + QStringLiteral("/Taxel");
    writeOldCopy(user);
    const DataRoot::StartRoot start = DataRoot::startRoot(QString(), home.path(), installed.root(), user);
    EXPECT_EQ(start.root, user);
    EXPECT_EQ(start.installed, installed.root());
    EXPECT_TRUE(start.problem.contains(QStringLiteral("StudyTaxel/memo.txt"))) << start.problem.toStdString();
    EXPECT_EQ(filesUnder(user + QStringLiteral("/StudyTaxel")), keptAfterTidying());
    EXPECT_EQ(readFile(user + QStringLiteral("/StudyTaxel/ReidaiData/study_kihon.txt")), QByteArray("5\r\n"));
    EXPECT_FALSE(QFileInfo::exists(user + QStringLiteral("/StudyTaxel/KoumokuIndex"))) << "emptied folders go";
    EXPECT_TRUE(DataRoot::startRoot(QString(), home.path(), installed.root(), user).problem.isEmpty())
        << "the next start has nothing to say";
    EXPECT_FALSE(DataRoot::tidyOldCopy(installed.root(), user).found);
}

#ifdef Q_OS_UNIX
TEST(InstalledTree, TwoProgramsStartingAtOnceTidyTheOldCopyOnce)
{
    Installed installed;
    QTemporaryDir home;
    const QString user = home.path() + QStringLiteral("/Taxel");
    writeOldCopy(user);
    for (int i = 0; i < 1500; ++i) // enough for the second to arrive while the first is at work
        writeFile(user + QStringLiteral("/StudyTaxel/KoumokuIndex/9/9/%1").arg(i), "old");
    QList<pid_t> starts;
    for (int i = 0; i < 2; ++i) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            ::_exit(DataRoot::tidyOldCopy(installed.root(), user).found ? 1 : 0);
        starts.append(pid);
    }
    int tidiers = 0;
    for (pid_t pid : starts) {
        int status = -1;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        tidiers += WEXITSTATUS(status);
    }
    EXPECT_EQ(tidiers, 1) << "one tidies, the other waits for it and finds nothing to do";
    QStringList kept = keptAfterTidying();
    for (int i = 0; i < 1500; ++i)
        kept.append(QStringLiteral("KoumokuIndex/9/9/%1").arg(i)); // not the package's: kept
    kept.sort();
    EXPECT_EQ(filesUnder(user + QStringLiteral("/StudyTaxel")), kept);
}
#endif
