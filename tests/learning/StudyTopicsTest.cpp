#include "learning/StudyTopics.h"

#include <gtest/gtest.h>

TEST(TopicPage, ReadsUpToFourCharactersAfterTheFirstColon)
{
    EXPECT_EQ(TopicPage(u"目録の作成：12"), 12);
    EXPECT_EQ(TopicPage(u"a：0012"), 12);
    EXPECT_EQ(TopicPage(u"a：12ページ"), 12);
    EXPECT_EQ(TopicPage(u"a： 12"), 12);
    EXPECT_EQ(TopicPage(u"a：12345"), 1234);
    EXPECT_EQ(TopicPage(u"a：abc"), 0);
    EXPECT_EQ(TopicPage(u"a：3：99"), 3);
    EXPECT_EQ(TopicPage(u"a："), 0);
    EXPECT_EQ(TopicPage(u"a:12"), std::nullopt) << "only the full-width colon separates";
    EXPECT_EQ(TopicPage(u""), std::nullopt);
}

TEST(TopicSets, TitlesFilesAndDocumentUrls)
{
    EXPECT_EQ(StudyTopicSet(0).title, QStringLiteral("分類作業の基礎"));
    EXPECT_EQ(StudyTopicSet(1).title, QStringLiteral("分類作業の発展･注意点"));
    EXPECT_EQ(StudyTopicSet(3).title, QStringLiteral("総記･情報･図書･百科事典"));
    EXPECT_EQ(StudyTopicSet(4).title, QStringLiteral("1類：哲学･心理学･宗教"));
    EXPECT_EQ(StudyTopicSet(7).title, QStringLiteral("4類：自然科学・医学"));
    EXPECT_EQ(StudyTopicSet(12).topicList, QStringLiteral("StudyTaxel/SaimokuData/kubun_rui9.txt"));
    EXPECT_EQ(StudyTopicSet(2).document, QStringLiteral("StudyTaxel/SaimokuData/taxel_hojo.pdf"));
    EXPECT_EQ(DocumentUrl(QStringLiteral("/d/a b.pdf"), 7), QStringLiteral("/d/a b.pdf#page=7"));
    EXPECT_EQ(DocumentUrl(QStringLiteral("/d/a.pdf"), 0), QStringLiteral("/d/a.pdf#page=0"));
}
