#pragma once

// The layouts of the records the index and example files are made of, defined once for the
// builders, the searches, the lookups and the data check.

#include <QString>
#include <QStringList>

/// A line of the item master (Koumoku_All.csv), read by the comma-text rule; a line that begins
/// with "*" is a comment.
namespace ItemRecord {

enum Field {
    Id,
    ClassNumber, ///< "/210.1"
    Name, ///< the item's name, whose keywords make the index
    Reading,
    MainClassName,
    DivisionName,
    Examples, ///< "/1/12/35": the example numbers of the item
    SortNumber,
    FieldCount
};

/// The characters of the reading kept in an index line.
constexpr int ReadingWidth = 30;
/// The characters of the class number kept after its slash.
constexpr int ClassNumberWidth = 8;
/// The characters of the example numbers kept after their slash.
constexpr int ExamplesWidth = 25;

/// A field written with a leading slash ("/210.123456"), without it and cut to \a width characters
/// ("210.1234"); a field without the slash stays whole.
inline QString afterSlash(const QString &field, int width)
{
    return field.startsWith(QLatin1Char('/')) ? field.mid(1, width) : field;
}
inline QString classNumber(const QStringList &f)
{
    return afterSlash(f.at(ClassNumber), ClassNumberWidth);
}
inline QString examples(const QStringList &f)
{
    return afterSlash(f.at(Examples), ExamplesWidth);
}

} // namespace ItemRecord

/// A line of a keyword index file: one keyword of an item and the item's fields, joined with commas
/// and no quoting (a reading such as "ジンブン カガク" keeps its blank), so it is cut at the commas
/// only. A hit line of a search is the sort key of the line's sort number, a comma and the line:
/// its fields are one place further on.
namespace IndexLine {

enum Field { Key, Reading, MainClassName, DivisionName, ClassNumber, Examples, SortNumber, FieldCount };

/// The index line of \a keyword (its index key) for the item master fields \a f.
inline QString make(const QString &key, const QStringList &f)
{
    const QLatin1Char comma(',');
    return key + comma + f.at(ItemRecord::Reading).left(ItemRecord::ReadingWidth) + comma
        + f.at(ItemRecord::MainClassName) + comma + f.at(ItemRecord::DivisionName) + comma + ItemRecord::classNumber(f)
        + comma + ItemRecord::examples(f) + comma + f.at(ItemRecord::SortNumber);
}

} // namespace IndexLine

/// A line of the example master and of the example files: the number, the title, the hint and the
/// answer's parts; a lettered exercise in fixed order has its aim before the hint and its
/// explanation after it.
namespace ExampleLine {

enum Field { Number, Title, Hint, Answer };
/// A record needs its number, title and hint; the answer may be missing.
constexpr int LeastFields = Hint + 1;
enum FixedOrderField { FixedAim = Hint, FixedHint, FixedExplanation, FixedAnswer };

} // namespace ExampleLine
