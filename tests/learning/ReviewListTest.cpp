#include "TestSupport.h"

#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "learning/PracticeState.h"
#include "learning/ReviewList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

TEST(ReviewList, AMistakeStaysUntilItIsRightInTwoRunsAndSurvivesTheFile)
{
    TempRoot root;
    root.makeFolder(QStringLiteral("StudyTaxel/ReidaiData"));
    ReviewList review;
    EXPECT_TRUE(review.answeredWrong(10, QStringLiteral("21005")));
    EXPECT_FALSE(review.answeredWrong(10, QStringLiteral("21005")));
    EXPECT_TRUE(review.answeredWrong(12, QStringLiteral("21005"))) << "the same number in another set";
    EXPECT_FALSE(review.answeredRight(10, QStringLiteral("999"), QStringLiteral("run1"))) << "never missed";

    EXPECT_TRUE(review.answeredRight(10, QStringLiteral("21005"), QStringLiteral("run1")));
    EXPECT_FALSE(review.answeredRight(10, QStringLiteral("21005"), QStringLiteral("run1")));
    EXPECT_TRUE(review.answeredWrong(10, QStringLiteral("21005"))) << "a new mistake starts it again";
    EXPECT_TRUE(review.answeredRight(10, QStringLiteral("21005"), QStringLiteral("run2")));
    review.save(root.tree());

    ReviewList read;
    root.writeBytes(QStringLiteral("StudyTaxel/ReidaiData/study_fukusyu.txt"),
        root.readBytes(QStringLiteral("StudyTaxel/ReidaiData/study_fukusyu.txt")) + "garbage\r\n,x\r\n");
    read.load(root.tree());
    ASSERT_EQ(read.count(), 2);
    EXPECT_EQ(read.entries().at(0).rightRun, QStringLiteral("run2"));
    EXPECT_TRUE(read.answeredRight(10, QStringLiteral("21005"), QStringLiteral("run3")));
    EXPECT_EQ(read.count(), 1);
    EXPECT_EQ(read.entries().at(0).setCode, 12);
}

TEST(LearnersFiles, AFullOrReadOnlyDiskKeepsTheProgressAndTheReviewSetAsTheyWere)
{
    FullDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    const DataTree tree(disk.path());
    const QString folder = disk.path() + QStringLiteral("/StudyTaxel/ReidaiData/");
    QDir().mkpath(folder);
    auto put = [&](const char *name, const QByteArray &bytes) {
        QFile file(folder + QString::fromLatin1(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    };
    auto bytesOf = [&](const char *name) {
        QFile file(folder + QString::fromLatin1(name));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    };
    put("ren_num_kihon.txt", "1\r\n2\r\n3\r\n4\r\n");
    put("study_kihon.txt", "3\r\n");
    put("study_fukusyu.txt", "10,21005,\r\n");
    PracticeState state(tree);
    ASSERT_EQ(state.chooseBasicOrClass(-1), PracticeState::Choice::Chosen);
    state.chooseStart(1);
    ReviewList review;
    review.load(tree);
    review.answeredWrong(10, QStringLiteral("22000"));

    for (bool readOnly : {false, true}) {
        disk.fill();
        ASSERT_TRUE(disk.setReadOnly(readOnly));
        EXPECT_THROW(state.saveProgress(), FileError);
        EXPECT_THROW(review.save(tree), FileError);
        EXPECT_EQ(bytesOf("study_kihon.txt"), QByteArray("3\r\n"));
        EXPECT_EQ(bytesOf("study_fukusyu.txt"), QByteArray("10,21005,\r\n"));
        ASSERT_TRUE(disk.setReadOnly(false));
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 3) << "no temporary file is left";
}

#ifdef Q_OS_UNIX
namespace {

/// A program of its own that saves a thousand progress values into \a tree: writer 0 saves even
/// numbers, writer 1 odd ones.
pid_t startSaver(const DataTree &tree, int writer)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        PracticeState state(tree);
        for (int i = 0; i < 1000; ++i) {
            state.chooseStart(2 * i + writer);
            state.saveProgress();
        }
        ::_exit(0);
    }
    return pid;
}

/// One whole progress file: digits and a line break.
bool wholeProgress(const QByteArray &bytes)
{
    bool whole = bytes.endsWith("\r\n") && bytes.size() > 2;
    for (qsizetype i = 0; whole && i + 2 < bytes.size(); ++i)
        whole = bytes.at(i) >= '0' && bytes.at(i) <= '9';
    return whole;
}

} // namespace

TEST(LearnersFiles, TwoProgramsSavingAtOnceNeverLeaveAMixedEmptyOrMissingFile)
{
    // on memory where there is some: a thousand synced saves each
    QTemporaryDir where((QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath())
        + QStringLiteral("/taxel-savers-XXXXXX"));
    const DataTree tree(where.path());
    QDir().mkpath(where.path() + QStringLiteral("/StudyTaxel/ReidaiData"));
    const QString file = where.path() + QStringLiteral("/StudyTaxel/ReidaiData/study_kihon.txt");
    {
        PracticeState first(tree);
        first.saveProgress();
    }
    QList<pid_t> savers;
    for (int writer = 0; writer < 2; ++writer) {
        savers.append(startSaver(tree, writer));
        ASSERT_GE(savers.last(), 0);
    }
    int reads = 0;
    QStringList bad;
    auto running = [&] {
        for (pid_t pid : savers)
            if (::waitpid(pid, nullptr, WNOHANG) == 0)
                return true;
        return false;
    };
    do {
        QFile in(file);
        const bool opened = in.open(QIODevice::ReadOnly);
        const QByteArray bytes = opened ? in.readAll() : QByteArray("(missing)");
        ++reads;
        if (!wholeProgress(bytes) && bad.size() < 5)
            bad.append(QString::fromLatin1(bytes.toPercentEncoding()));
    } while (running());
    for (pid_t pid : savers)
        ::waitpid(pid, nullptr, 0);
    EXPECT_TRUE(bad.isEmpty()) << bad.join(u' ').toStdString();
    EXPECT_GT(reads, 10);
    EXPECT_EQ(QDir(where.path() + QStringLiteral("/StudyTaxel/ReidaiData")).entryList(QDir::Files).size(), 1)
        << "no temporary file is left";
}
#endif
