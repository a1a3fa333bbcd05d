#pragma once

#include <QString>
#include <QStringView>
#include <optional>

/// One of the thirteen topic sets of the rules study window.
struct TopicSet
{
    QString title; ///< shown above the topic box: "3類：社会科学･教育･軍事"
    QString topicList; ///< relative to the data root: "StudyTaxel/SaimokuData/kubun_rui3.txt"
    QString document; ///< relative to the data root: "StudyTaxel/SaimokuData/taxel_rui3.pdf"
};

/// The topic sets in the order of their buttons: 0 basics, 1 advanced, 2 auxiliary tables,
/// 3 … 12 the classes 0 … 9.
constexpr int kTopicSetCount = 13;
TopicSet StudyTopicSet(int index);

/// The page a topic line names: the up to four characters after its first "：", read as a number
/// ("目録：0012" → 12, "x：12345" → 1234, "x：abc" → 0); no value when the line holds no "：".
std::optional<int> TopicPage(QStringView line);

/// The document URL the view is told: the path as given, "#page=" and the page ("/d/a.pdf#page=7").
QString DocumentUrl(const QString &path, int page);
