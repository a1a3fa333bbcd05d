#include "ClassEntry.h"

#include "datafiles/DataPaths.h"
#include "datafiles/NumberText.h"

EntryCheck CheckClassEntry(QStringView entry)
{
    const qsizetype length = entry.size();
    if (length == 0)
        return EntryCheck::Empty;
    if (length == 4 || length < 3)
        return EntryCheck::Invalid;
    if (length > 3 && entry.at(3) != u'.')
        return EntryCheck::PeriodMissing;
    return EntryCheck::Accepted;
}

QString EntryCheckMessage(EntryCheck check)
{
    switch (check) {
    case EntryCheck::Invalid: return QStringLiteral("入力した分類記号が不正です！");
    case EntryCheck::PeriodMissing: return QStringLiteral("3桁目と4桁目の間には、ピリオドが必要です！");
    case EntryCheck::Empty:
    case EntryCheck::Accepted: break;
    }
    return QString();
}

int DivisionOfEntry(QStringView entry)
{
    return ReadInt(entry) / 10;
}

int MainClassOfEntry(QStringView entry)
{
    return ReadInt(entry) / 100;
}

QString ScheduleFilePath(int mainClass)
{
    return DataPaths::tableFolder() + QStringLiteral("/Saimoku_%1.txt").arg(mainClass);
}

QString SectionFilePath(int mainClass)
{
    return DataPaths::tableFolder() + QStringLiteral("/Youmoku_%1.txt").arg(mainClass);
}

namespace {
bool hasScheduleLine(const QStringList &schedule, QStringView number)
{
    const QString prefix = QLatin1Char('/') + number.toString() + QLatin1Char(',');
    for (const QString &line : schedule)
        if (line.startsWith(prefix))
            return true;
    return false;
}
} // namespace

QString FindSearchKey(const QString &entry, const QStringList &schedule)
{
    if (entry.size() == 3)
        return entry;
    for (qsizetype length = entry.size(); length >= 3; --length) {
        const QStringView part = QStringView(entry).left(length);
        if (hasScheduleLine(schedule, part))
            return part.toString();
    }
    return QString();
}

int ListScheduleHits(const QString &key, const QStringList &schedule, QStringList &hits)
{
    if (!key.isEmpty()) {
        for (const QString &line : schedule)
            if (line.size() > 1 && QStringView(line).mid(1).startsWith(key))
                hits.append(line);
    }
    return static_cast<int>(hits.size());
}

QStringList ScheduleHitsFor(const QString &entry, const QStringList &schedule)
{
    QStringList hits;
    ListScheduleHits(FindSearchKey(entry, schedule), schedule, hits);
    return hits;
}
