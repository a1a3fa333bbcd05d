#pragma once

#include <QString>
#include <QStringList>

class DataTree;
class TextFileCache;

/// Which window asks FindReidai: the practice window, or one of the item search window's four
/// example slots.
enum class ExampleCaller { Practice, Slot1, Slot2, Slot3, Slot4 };

/// The example slot \a k (1 … 4) of the item search window.
ExampleCaller ExampleSlot(int k);

/// What FindReidai reports. The values are the numbers the lookup answers with, which the console
/// prints.
enum class LookupResult : int {
    Found = 0,
    // practice window
    LetteredFileMissing = -1,
    LetteredEmptySlot = -2, ///< the number's line is marked as an empty slot
    NoFileForSet = -3, ///< the set has no file for plain numbers (the advanced set)
    EmptySlot = -4, ///< no line for the number, or one marked as an empty slot
    SetFileMissing = -5,
    // item search window
    SlotLetteredFileMissing = -7,
    SlotBlockMissing = -8,
    SlotNoTitle = -9, ///< no line for the number, or one without a title
};

/// "lettered example file missing", "empty example slot", …; "found" for Found.
QString DescribeLookupResult(LookupResult result);

/// What FindReidai found, for the caller to copy into its own fields.
struct ExampleTexts
{
    LookupResult result = LookupResult::Found; ///< nothing is written unless Found
    bool written = false; ///< title, hint and answer are to be written (found)
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

/// Looks up one worked example by its number, for an example slot of the item search window or for
/// the practice window, for which \a setCode picks the file of a plain number and \a fixedOrderMode
/// the field layout of a lettered one.
///
/// A number holding a, b, c, d, e or f (and k for the practice window) is read from the lettered
/// file of the last of these letters it holds ("ab3" → "REI_B.txt"); any other is plain, read as an
/// integer n and found in line (n-1) mod 1000 of its block "REI_<(n-1) div 1000>.txt" (or of the
/// practice set's own file).
/// \a files, when given, keeps the example files read, so that a caller that looks up many numbers
/// reads each file once (and again when it changes).
ExampleTexts FindReidai(const DataTree &tree, const QString &number, ExampleCaller caller, int setCode = 0,
    bool fixedOrderMode = false, TextFileCache *files = nullptr);
