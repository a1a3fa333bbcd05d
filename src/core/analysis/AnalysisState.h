#pragma once

#include "AuxTables.h"

#include <QString>
#include <QStringList>

#include <array>

class AnalysisData;

/// The lists of the analysis window that hold a table, in the order the tables are loaded.
enum class AuxList {
    Keisiki1,
    Keisiki2,
    Tiri1,
    Tiri2,
    Tihou,
    Kaiyou,
    Gengo,
    GengoCom,
    BungakuCom,
    ZidaiRekisi,
    ZidaiBun, ///< never shown
    Koumokuhyou,
};
constexpr int AuxListCount = 12;

/// The table a list holds: AuxList::Tiri2 → AuxTable::Tiri.
AuxTable TableOfList(AuxList list);

/// What one table list shows: hidden or not, the selected entry (-1 for none) and the text.
struct AuxListView
{
    bool hidden = true;
    int index = -1;
    QString text;
};

/// One formula row: formula text, kind name and the table entry found for its code.
struct FormulaRow
{
    QString formula;
    QString kindName;
    int kind = 0; ///< the kind code recorded with the row (0 when none)
    AuxEntry entry; ///< what the entry field shows (its text; the table and index where found)
};

/// Everything the class-number analysis window shows and keeps, as a plain value. Each user action
/// is one call that changes it and returns the messages to show; the window renders the result.
/// Entry "210.1" with its schedule and section lines → STtaxel "210", basic "210", extension "1",
/// kind caption "形式区分", CBkeisikiCH ticked and CBkeisiki1 shown.
struct AnalysisState
{
    // ---- what the user typed and the search ----
    QString entry; ///< Esaimoku
    bool focusEntry = false; ///< the reset link gives the entry box the keyboard focus
    int division = 0; ///< the entered number's leading integer div 10
    QStringList sectionLines; ///< LByoumokuList: those of the last search whose main class had a section file
    QStringList hits; ///< LBhitdata

    // ---- the upper panel ----
    QString classNumber; ///< STtaxel
    QString caption; ///< STsaimoku
    QString mainClassName; ///< STitizi
    QString divisionName; ///< STnizi
    QStringList sectionNames; ///< CBsanzi
    int sectionIndex = -1;
    QString kindCaption; ///< SThojoKoumoku
    std::array<FormulaRow, 3> rows;

    // ---- the lower panel ----
    QString basicPart; ///< STkihonBUN
    QString extensionPart; ///< STkakutyouBUN
    QString structure; ///< STkaiseki
    std::array<bool, 3> structureNotes {}; ///< Lkaisekiexp2, Lkaisekiexp3, Lkaisekiexp4 shown
    bool zeroNoteShown = true; ///< Lkeisikiexp
    bool periodNoteShown = false; ///< Lrekisiexp
    /// the nine check boxes, in the order of their kind codes 1 to 9
    std::array<bool, 9> ticked {};
    std::array<AuxListView, AuxListCount> lists;
    int formCount = 0; ///< whether a second form division component was met: 0, 1 or 2
    int geoCount = 0; ///< the same for the geographic division

    // ---- the notes panel ----
    bool notesShown = false; ///< Pzizyou
    bool notesTall = false; ///< 340 high at top 325 (both notes), else 186 high at top 470
    QString firstNote; ///< STzizyou
    QString secondNote; ///< STzizyou2

    QStringList kindValues; ///< LBhojocode: the section's kind value of the analysis, one at most

    const AuxListView &list(AuxList which) const { return lists[static_cast<std::size_t>(which)]; }
    AuxListView &list(AuxList which) { return lists[static_cast<std::size_t>(which)]; }
    bool isTicked(int kind) const { return kind >= 1 && kind <= 9 && ticked[static_cast<std::size_t>(kind - 1)]; }

    // ---- the user's actions; each returns the messages to show, in order ----

    /// Enter in the entry box with the text it holds.
    QStringList enter(const AnalysisData &data);
    /// A click on line \a row of the hit list (nothing when there is no such line).
    QStringList pickHit(const AnalysisData &data, int row);
    /// The reset link: everything cleared, the hit list and the entry box too.
    void resetAll();
    /// The link that closes the notes panel.
    void closeNotes() { notesShown = false; }
    /// The user ticks (\a on) or unticks the box of kind \a kind (1 … 9).
    void setBox(int kind, bool on);
    /// 再解析: the extension part looked up in every table.
    QStringList reanalyze(const AnalysisData &data);
    /// The user picks entry \a index of the section names.
    QStringList pickSection(int index);

    /// Analyses \a scheduleLine for the current entry (a single hit, or a picked line).
    QStringList analyze(const AnalysisData &data, const QString &scheduleLine);

private:
    void reset(bool spareHitList);
    /// Every box unticked, every table list emptied and hidden, the structure texts cleared.
    void clearTables();
    /// The class number, its names and the parts of its formula rows cleared.
    void clearClassNumber();
    /// A number longer than the schedule number chosen for it, which the section data does not
    /// explain, is read by the rules of synthesis (520.36: 52 + 036): the formula rows show what they
    /// find and the boxes of their tables are ticked.
    void readBeyondSchedule(const AnalysisData &data, const struct ClassAnalysis &a);
    void showKindCaption(int first, int second);
    void tickKinds(int kind1, int kind2, int kind3);
    void tickBox(int kind);
    void runBoxBehaviour(int kind);
    int applySynthesisField(const AnalysisData &data, const QString &field, int slot);
    AuxEntry showLookup(const AuxEntry &entry);
    void showNote(int number, int slot);
    void fillAuxLists();
};
