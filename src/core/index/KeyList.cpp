#include "KeyList.h"

#include "datafiles/CommaText.h"
#include "datafiles/SortOrder.h"

#include <algorithm>

namespace {

void replaceEach(QString &text, std::u16string_view separators)
{
    for (char16_t separator : separators)
        text.replace(QChar(separator), QLatin1Char(','));
}

} // namespace

QStringList MakeKeyList(const QString &text, int mode)
{
    QString work = text;
    replaceEach(work, u"/\uFF0F\u30FB\uFF65");
    if (mode == QueryMode)
        replaceEach(work, u"\u3000 ");
    else
        replaceEach(work, u"\uFF08\uFF09()[]\uFF3B\uFF3D");

    QStringList pieces = SplitCommaText(work);
    if (pieces.size() < 2)
        return QStringList {work};

    std::stable_sort(
        pieces.begin(), pieces.end(), [](const QString &a, const QString &b) { return CompareSorted(a, b) < 0; });
    // From the end down: an entry equal to the one before it goes, so a run keeps only its first.
    for (qsizetype i = pieces.size() - 1; i >= 1; --i)
        if (pieces.at(i) == pieces.at(i - 1))
            pieces[i].clear();
    pieces.removeAll(QString());
    return pieces;
}
