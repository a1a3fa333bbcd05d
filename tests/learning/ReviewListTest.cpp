#include "TestSupport.h"

#include "learning/ReviewList.h"

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
