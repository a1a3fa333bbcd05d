#include "StudyWindowState.h"

#include "StudyTopics.h"
#include "datafiles/LineList.h"

#include <QFileInfo>

QStringList StudyWindowState::chooseSet(const DataTree &tree, int index)
{
    const TopicSet set = StudyTopicSet(index);
    topics.clear();
    topicIndex = -1;
    topicText.clear();
    title = set.title;
    document = tree.path(set.document);
    const QString listPath = tree.path(set.topicList);
    if (!DataRoot::fileExists(listPath))
        return {QStringLiteral("項目一覧ファイル %1 が見つかりません！").arg(QFileInfo(listPath).fileName())};
    LineList list;
    list.loadFromFile(listPath);
    topics = list.lines();
    topicsEnabled = true;
    topicText = QStringLiteral("選択して下さい。");
    return {};
}

QStringList StudyWindowState::chooseTopic(int index, const QString &line)
{
    if (index == topics.size())
        topics.append(line);
    topicIndex = index;
    topicText = line;
    const std::optional<int> page = TopicPage(line);
    view = {view.serial + 1, true, document, page.value_or(-1)};
    if (!page)
        return {QStringLiteral("正しい文書を指定できませんでした！")};
    return {};
}

void StudyWindowState::close()
{
    view = {view.serial + 1, false, QString(), -1};
}
