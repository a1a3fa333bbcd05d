#include "ReviewList.h"

#include "datafiles/CommaText.h"
#include "datafiles/DataPaths.h"
#include "datafiles/DataRoot.h"
#include "datafiles/LineList.h"
#include "datafiles/NumberText.h"

#include <QCoreApplication>
#include <QDateTime>

QString ReviewList::filePath()
{
    return DataPaths::exampleFolder() + QStringLiteral("/study_fukusyu.txt");
}

void ReviewList::load(const DataTree &tree)
{
    m_entries.clear();
    const QString path = tree.path(filePath());
    if (!DataRoot::fileExists(path))
        return;
    LineList list;
    list.loadFromFile(path);
    for (const QString &line : list.lines()) {
        const QStringList fields = SplitCommaText(line);
        if (fields.size() < 2 || fields.at(1).isEmpty() || fields.at(0).isEmpty() || !fields.at(0).at(0).isDigit())
            continue;
        const ReviewEntry entry {ReadInt(fields.at(0)), fields.at(1), fields.value(2)};
        if (indexOf(entry.setCode, entry.number) < 0)
            m_entries.append(entry);
    }
}

void ReviewList::save(const DataTree &tree) const
{
    LineList list;
    for (const ReviewEntry &entry : m_entries)
        list.add(JoinCommaText({QString::number(entry.setCode), entry.number, entry.rightRun}));
    list.saveToFile(tree.writePath(filePath()), LineList::Durability::Synced);
}

int ReviewList::indexOf(int setCode, const QString &number) const
{
    for (int i = 0; i < m_entries.size(); ++i)
        if (m_entries.at(i).setCode == setCode && m_entries.at(i).number == number)
            return i;
    return -1;
}

bool ReviewList::answeredWrong(int setCode, const QString &number)
{
    const int i = indexOf(setCode, number);
    if (i < 0) {
        m_entries.append({setCode, number, QString()});
        return true;
    }
    if (m_entries.at(i).rightRun.isEmpty())
        return false;
    m_entries[i].rightRun.clear();
    return true;
}

bool ReviewList::answeredRight(int setCode, const QString &number, const QString &run)
{
    const int i = indexOf(setCode, number);
    if (i < 0 || m_entries.at(i).rightRun == run)
        return false;
    if (m_entries.at(i).rightRun.isEmpty())
        m_entries[i].rightRun = run;
    else
        m_entries.removeAt(i);
    return true;
}

QString ReviewList::newRunId()
{
    return QString::number(QDateTime::currentMSecsSinceEpoch()) + QLatin1Char('-')
        + QString::number(QCoreApplication::applicationPid());
}
