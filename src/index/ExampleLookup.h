#pragma once

#include <QString>
#include <QStringList>

/// Which window asks FindReidai: the practice window, or a slot 1 … 4 of the item search window.
enum ExampleCaller : int { PracticeCaller = 0 };

/// What FindReidai found, for the caller to copy into its own fields.
struct ExampleTexts
{
    int code = 0; ///< 0 found; a negative code otherwise (nothing is then written)
    bool written = false; ///< title, hint and answer are to be written (code 0)
    bool aimWritten = false; ///< aim and explanation too (practice window, fixed-order set, lettered number)
    QString title;
    QString hint;
    QString answer; ///< answer parts, each followed by "∥"
    QString aim;
    QString explanation;
};

/// The example numbers of an item for the four example slots: the field is cut at every "/", the
/// piece after the last "/" keeps only its first six characters, and pieces after the fourth are
/// left out. "a12/a13" → a12, a13;  "a12//a13" → a12, (empty), a13;  "1234567" → 123456.
QStringList ExampleNumbersForSlots(const QString &field);

/// "a b" → "a　b": every half-width blank becomes a full-width one, so it neither splits a field
/// nor disappears from the shown text.
QString WidenBlanks(const QString &text);

/// Looks up one worked example by its number. \a caller 1 … 4 is the item search window's example
/// slot; 0 is the practice window, for which \a setCode picks the file of a plain number and
/// \a fixedOrderMode the field layout of a lettered one.
///
/// A number holding a, b, c, d, e or f (and k for the practice window) is read from the lettered
/// file of the last of these letters it holds ("ab3" → "REI_B.txt"); any other is plain, read as an
/// integer n and found in line (n-1) mod 1000 of its block "REI_<(n-1) div 1000>.txt" (or of the
/// practice set's own file). Codes: -7 lettered file missing, -8 block missing, -9 no title (item
/// search window); -1 lettered file missing, -2 empty slot, -3 no file for the set, -4 empty slot,
/// -5 file missing (practice window).
ExampleTexts FindReidai(const QString &number, int caller, int setCode = 0, bool fixedOrderMode = false);
