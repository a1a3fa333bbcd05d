#pragma once

#include <QString>
#include <QStringList>

#include <array>

class DataTree;

/// The reference tables that explain the codes appended to a section number: eight auxiliary
/// tables, the literary period table and the summary table of the hundred divisions. Each is an
/// ordered list of whole lines, "code,caption", kept exactly as read.
enum class AuxTable {
    Keisiki, ///< form division
    Tiri, ///< geographic division
    Tihou, ///< Japanese regional division
    Kaiyou, ///< sea division
    Gengo, ///< language division
    GengoCom, ///< language common division
    BungakuCom, ///< literature common division
    ZidaiRekisi, ///< historical period division (also the periods the schedules use elsewhere)
    ZidaiBun, ///< literary period division (Japanese literature)
    Koumokuhyou, ///< summary table: the hundred divisions
    None
};
constexpr int AuxTableCount = 10;

/// The division number whose period codes are looked up in the literary period table (913.6 → 91).
constexpr int LiteratureDivision = 91;

/// File of a table inside the table folder: AuxTable::Tiri → "hojo_tiri.txt".
QString AuxTableFileName(AuxTable table);

/// The name the analysis window labels a table with: AuxTable::Tiri → "地理区分".
QString AuxTableCaption(AuxTable table);

/// The entries of all ten tables.
struct AuxTables
{
    std::array<QStringList, AuxTableCount> entries;

    const QStringList &operator[](AuxTable table) const { return entries.at(static_cast<std::size_t>(table)); }
    QStringList &operator[](AuxTable table) { return entries.at(static_cast<std::size_t>(table)); }
};

/// Reads every table from "StudyTaxel/TaxelData/" under the data root. A missing file leaves its
/// table empty without a word. A file that exists but cannot be read throws FileError, or, when
/// \a errors is given, leaves its table empty, adds the error text there and the others still load.
AuxTables LoadAuxTables(const DataTree &tree, QStringList *errors = nullptr);

// ---- auxiliary kind codes ----------------------------------------------------------------------
// 1 form, 2 geographic, 3 sea, 4 language, 5 language common, 6 literature common, 7 period,
// 8 Japanese regional, 9 summary table; 0 none.

/// The kind caption shown for a section's kind code, codes 0 to 14; any other code has none.
/// 1 → "形式区分", 8 → "文学時代区分", 9 → "綱目分類", 10 → "日本地方区分", 11 → "".
QString AuxKindCaption(int kind);

/// The nine kind names of the codes 0 to 8, in order: "不明", "形式区分", ..., "文学時代区分".
const QStringList &AuxKindNames();

/// The table a kind code looks in: 7 is the literary period table in division 91 and the
/// historical one elsewhere; 0, negative codes and codes above 9 have none.
AuxTable AuxTableOfKind(int kind, int division);

/// One entry found in a table: which table, its index there and the whole entry line.
struct AuxEntry
{
    AuxTable table = AuxTable::None;
    int index = -1;
    QString text;

    bool found() const { return index >= 0; }
};

/// The prefix lookup of the synthesis analysis: the first entry of the kind's table that begins
/// with \a code. Only the beginning counts, so "1" finds "10,…" when that line comes first.
/// An empty code, or a kind without a table, finds nothing.
AuxEntry LookupAuxItem(const AuxTables &tables, int division, int kind, const QString &code);

/// True for the tables where a code written without its leading zero also finds its entry:
/// the form-division table and both period tables.
bool AuxTableMatchesSecondCharacter(AuxTable table);

/// The code match: index of the first entry that begins with \a code and a comma, or, when
/// \a alsoSecondCharacter, holds that key from its second character on ("1" finds "01,理論"), or -1.
int MatchAuxCode(const QStringList &entries, const QString &code, bool alsoSecondCharacter);
