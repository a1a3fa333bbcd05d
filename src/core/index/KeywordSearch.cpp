#include "KeywordSearch.h"

#include "IndexKey.h"
#include "KeyList.h"
#include "RecordLayout.h"
#include "datafiles/DataRoot.h"
#include "datafiles/LineList.h"
#include "datafiles/NumberText.h"
#include "datafiles/SortOrder.h"

#include <algorithm>

namespace {

/// The fields of an index line or a hit line, cut at the commas only (the comma-text rule would cut
/// at the blank of a reading too and shift every later field).
QStringList splitFields(const QString &line)
{
    return line.split(QLatin1Char(','));
}

bool matches(const QString &line, const QStringList &f, const QString &searchKey, bool exact)
{
    if (f.size() < IndexLine::FieldCount)
        return false;
    if (!exact)
        return line.contains(searchKey);
    return f.at(IndexLine::Key) == searchKey || f.at(IndexLine::MainClassName) == searchKey
        || f.at(IndexLine::DivisionName) == searchKey;
}

/// Adds the hit lines of one keyword's index file to \a hits; false when the file does not exist
/// (or the keyword is empty and has none).
bool collect(const DataTree &tree, const QString &keyword, bool exact, QStringList &hits)
{
    if (keyword.isEmpty())
        return false;
    const QString searchKey = IndexKeyOf(keyword);
    const QString path = tree.path(IndexFileOf(searchKey));
    if (!DataRoot::fileExists(path))
        return false;
    LineList index;
    index.loadFromFile(path);
    for (const QString &line : index.lines()) {
        const QStringList fields = splitFields(line);
        if (matches(line, fields, searchKey, exact))
            hits.append(SortKeyOf(fields.at(IndexLine::SortNumber)) + QLatin1Char(',') + line);
    }
    return true;
}

/// Sorts like the window's sorted list and keeps one of each run of identical lines.
void sortAndDropRepeats(QStringList &hits)
{
    std::stable_sort(
        hits.begin(), hits.end(), [](const QString &a, const QString &b) { return CompareSorted(a, b) < 0; });
    hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
}

} // namespace

HitFields SplitHitLine(const QString &hitLine)
{
    HitFields hit;
    const QStringList f = splitFields(hitLine);
    constexpr int after = 1; // the sort key before the index line
    if (f.size() < after + IndexLine::Examples + 1)
        return hit;
    hit.valid = true;
    hit.key = f.at(after + IndexLine::Key);
    hit.reading = f.at(after + IndexLine::Reading);
    hit.division1 = f.at(after + IndexLine::MainClassName);
    hit.division2 = f.at(after + IndexLine::DivisionName);
    hit.classNumber = f.at(after + IndexLine::ClassNumber);
    hit.examples = f.at(after + IndexLine::Examples);
    return hit;
}

QString SortKeyOf(const QString &sortNumber)
{
    const qint64 n = ReadInt(sortNumber);
    return QString::number(n + 100000).mid(1, 5);
}

bool MatchesSearchKey(const QString &indexLine, const QString &searchKey, bool exact)
{
    return matches(indexLine, splitFields(indexLine), searchKey, exact);
}

SearchResult SearchKoumokuAnd(const DataTree &tree, const QString &query, bool exact)
{
    SearchResult out;
    const QStringList keywords = MakeKeyList(query, QueryMode);
    if (keywords.isEmpty())
        return out;
    collect(tree, keywords.first(), exact, out.hits);
    sortAndDropRepeats(out.hits);
    for (qsizetype k = 1; k < keywords.size(); ++k) {
        const QString &keyword = keywords.at(k);
        out.hits.removeIf([&](const QString &hit) { return !hit.contains(keyword); });
    }
    out.result = static_cast<int>(out.hits.size());
    return out;
}

SearchResult SearchKoumokuOr(const DataTree &tree, const QString &query, bool exact)
{
    SearchResult out;
    const QStringList keywords = MakeKeyList(query, QueryMode);
    for (const QString &keyword : keywords) {
        if (keyword.isEmpty())
            continue; // the empty query: no search key, no hits
        if (!collect(tree, keyword, exact, out.hits)) {
            out.hits.clear();
            out.result = -1;
            return out;
        }
    }
    sortAndDropRepeats(out.hits);
    out.result = static_cast<int>(out.hits.size());
    return out;
}
