#pragma once

#include <QString>
#include <QStringList>

/// The outcome of a keyword search: the count the window shows and its hit list.
class DataTree;

struct SearchResult
{
    int result = 0; ///< number of hits; -1 when an OR keyword has no index file
    QStringList hits; ///< hit lines: sort key, then the index line ("00005,図書館,…,5")
};

/// The fields of a hit line the item search window shows.
struct HitFields
{
    bool valid = false; ///< the line has the 7 fields up to the example numbers
    QString key; ///< the index key ("X**" for the keyword X)
    QString reading;
    QString division1;
    QString division2;
    QString classNumber;
    QString examples; ///< "/"-separated example numbers, may be empty
};

/// "00005,図書館,としょかん,総記,図書館情報学,010,a12/a13,5" → key 図書館, …, examples a12/a13.
/// Cut at commas only, so blanks stay inside fields ("ジンブン カガク"). Not valid with fewer than 7 fields.
HitFields SplitHitLine(const QString &hitLine);

/// The five-character sort key of a sort number (field 6 of an index line, fields cut at commas): the decimal text of n
/// + 100000 without its first character, n read like the C library's integer conversion. "7" → "00007";  "123456" →
/// "23456";  "-5" → "9995".
QString SortKeyOf(const QString &sortNumber);

/// True when the index line matches the search key: partial search (\a exact false) when the key
/// occurs anywhere in the line; exact search when field 0, 2 or 3 equals it. Lines of fewer than
/// 7 fields never match.
bool MatchesSearchKey(const QString &indexLine, const QString &searchKey, bool exact);

/// AND search: looks up the first keyword of the query (in keyword order) in its index file, then
/// keeps the hit lines that contain every further keyword anywhere. Hits are sorted, duplicates dropped.
SearchResult SearchKoumokuAnd(const DataTree &tree, const QString &query, bool exact);

/// OR search: the hits of every keyword merged in one sorted list, duplicates dropped; -1 and no
/// hits when the index file of any keyword does not exist.
SearchResult SearchKoumokuOr(const DataTree &tree, const QString &query, bool exact);
