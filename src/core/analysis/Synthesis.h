#pragma once

#include "AuxTables.h"

#include <QString>
#include <QStringList>

#include <array>

/// Items of a descriptor or formula field: every slash counts as a comma, then the comma-text
/// rule applies. "12/319/1053/7" → 12 / 319 / 1053 / 7.
QStringList SplitSynthesisItems(const QString &field);

/// The kind digits of a descriptor's kind value: 1–9 give one code, 10–99 two (10 → 1 and 0),
/// 100–999 three (123 → 1, 2, 3); anything else none. Unused positions are 0.
std::array<int, 3> KindDigits(int value);

/// What one descriptor (slot 0) or formula (slots 1 to 3) field says. Each member is meaningful
/// only when the field had enough items (see itemCount); the window shows them in that order.
struct SynthesisField
{
    int slot = 0;
    int itemCount = 0;
    int result = 0; ///< the descriptor's kind value; 0 for a formula

    // descriptor (slot 0)
    std::array<int, 3> kinds {}; ///< the boxes to tick, positions 1 to 3
    QString basicPart; ///< item 2
    QString extensionPart; ///< item 3
    int firstNote = 0; ///< item 4 when it names a note (1 to 19), else 0
    int secondNote = 0; ///< item 5 likewise

    // formula (slots 1 to 3)
    QString formula; ///< item 1
    int kind = 0; ///< item 2
    QString kindName; ///< the name shown for item 2

    /// item 3 looked up in the table of kind k1 (descriptor) or of the formula's kind
    AuxEntry entry;
};

/// Reads a descriptor (slot 0) or formula (slots 1 to 3) field and looks its code up.
/// "1/210/01/2" as slot 0 → kinds 1,0,0; basic 210; extension 01; first note 2; entry of 01.
/// "210+01/1/01" as slot 1 → formula "210+01", kind 1 ("形式区分"), entry of 01.
SynthesisField ReadSynthesisField(const QString &field, int slot, const AuxTables &tables, int division);

/// The name a formula row shows for its kind code: the nine kind names for 0 to 8, the summary
/// table's caption "綱目分類" for 9 (it has a table and a list), and "不明" for any other code.
QString FormulaKindName(int kind);

/// Whether a special note number is one of the nineteen (1 to 19).
bool IsSpecialNote(int number);

/// The text of special note 1 to 19 ("1." …; 9 is only "9."; 19 is empty); "" for other numbers.
QString SpecialNoteText(int number);
