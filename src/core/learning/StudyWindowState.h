#pragma once

#include "datafiles/DataRoot.h"

#include <QString>
#include <QStringList>

/// Everything the rules study window shows, as a value: the chosen topic set, its topics, and the
/// document the view is to show. Each user action is one call that returns the messages to show;
/// the window renders the result. Set 3 (class 0) chosen → title "0類：総記", its topics in the box,
/// the box's field "選択して下さい。"; a topic "目録：0012" then asks for page 12 of its document.
struct StudyWindowState
{
    QString title = QStringLiteral("項目を選んで下さい。"); ///< Lkoumoku
    QString document; ///< the chosen set's document, where it is read (LbunFnm mirrors it)
    QStringList topics; ///< CBkubun's items
    bool topicsEnabled = false;
    int topicIndex = -1; ///< CBkubun's chosen item
    QString topicText; ///< CBkubun's field

    /// What the document view is to do; each request has its own serial number.
    struct DocumentRequest
    {
        int serial = 0;
        bool open = false; ///< false: no view
        QString path;
        int page = -1; ///< -1: an empty view
    };
    DocumentRequest view;

    /// Topic set \a index (0 … 12) chosen; its topic list is read from \a tree.
    QStringList chooseSet(const DataTree &tree, int index);
    /// The learner typed into the topic box's field.
    void setTopicText(const QString &text) { topicText = text; }
    /// Item \a index of the topic box chosen, whose line is \a line (a line typed into the field
    /// joins the box's items at the end): a new view, at the page the line names.
    QStringList chooseTopic(int index, const QString &line);
    /// The window closed: the view goes.
    void close();
};
