#include "SortOrder.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace {
const QCollator &collator()
{
    thread_local const QCollator instance = [] {
        QCollator c {QLocale()};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return instance;
}
} // namespace

int CompareSorted(QStringView a, QStringView b)
{
    const int byLocale = collator().compare(a, b);
    if (byLocale != 0)
        return byLocale;
    return a.compare(b);
}

void InsertSorted(QStringList &list, const QString &text)
{
    const auto at = std::upper_bound(
        list.begin(), list.end(), text, [](const QString &x, const QString &y) { return CompareSorted(x, y) < 0; });
    list.insert(at, text);
}
