#include "TestSupport.h"

#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "learning/PracticeState.h"
#include "learning/ReviewList.h"

#include <QDir>
#include <QFile>

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
    review.save();

    ReviewList read;
    root.writeBytes(QStringLiteral("StudyTaxel/ReidaiData/study_fukusyu.txt"),
        root.readBytes(QStringLiteral("StudyTaxel/ReidaiData/study_fukusyu.txt")) + "garbage\r\n,x\r\n");
    read.load();
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
    TempRoot placeholder; // gives the root back afterwards
    DataRoot::setRoot(disk.path());
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
    PracticeState state;
    ASSERT_EQ(state.chooseBasicOrClass(-1), PracticeState::Choice::Chosen);
    state.chooseStart(1);
    ReviewList review;
    review.load();
    review.answeredWrong(10, QStringLiteral("22000"));

    for (bool readOnly : {false, true}) {
        disk.fill();
        ASSERT_TRUE(disk.setReadOnly(readOnly));
        EXPECT_THROW(state.saveProgress(), FileError);
        EXPECT_THROW(review.save(), FileError);
        EXPECT_EQ(bytesOf("study_kihon.txt"), QByteArray("3\r\n"));
        EXPECT_EQ(bytesOf("study_fukusyu.txt"), QByteArray("10,21005,\r\n"));
        ASSERT_TRUE(disk.setReadOnly(false));
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 3) << "no temporary file is left";
}
