#include "IndexKey.h"

#include "datafiles/DataPaths.h"

QString IndexKeyOf(const QString &keyword)
{
    switch (keyword.size()) {
    case 1: return keyword + QStringLiteral("**");
    case 2: return keyword + QLatin1Char('*');
    default: return keyword;
    }
}

IndexNumbers IndexNumbersOf(const QString &key)
{
    return {key.at(0).unicode() % 128, key.at(1).unicode() % 128, key.at(2).unicode() % 128};
}

QString IndexFileOf(const QString &key)
{
    const IndexNumbers n = IndexNumbersOf(key);
    return DataPaths::keywordIndexFolder() + QStringLiteral("/%1/%2/%3").arg(n.x).arg(n.y).arg(n.z);
}
