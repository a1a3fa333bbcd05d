#pragma once

#include "datafiles/LineList.h"
#include "datafiles/MessageSink.h"

#include <QString>
#include <QStringList>

class DataTree;

/// Clears \a kari and loads the example master file "StudyTaxel/Reidai_All.csv" into it.
/// Returns the number of lines, or -1 after its message when the file does not exist.
int LoadReidaiAll(const DataTree &tree, LineList &kari, const MessageSink &show);

/// The 1000 lines of example block \a block with every slot empty: "1001::空き番号" … "2000::空き番号" for block 1.
QStringList EmptyExampleBlock(int block);

/// The letter (0 for "a" … 5 for "f") whose lettered file an example number is filed in: the first
/// of a, b, c, d, e, f (in this order) that occurs in it; -1 when none does. "ba3" → 0 (a), "B12" → -1.
int ExampleFileLetter(const QString &number);

/// Builds the example files from the example master file: a plain number n goes to line
/// (n-1) mod 1000 of the block file "REI_<(n-1) div 1000>.txt" (1000 lines, empty slots marked),
/// a lettered one is appended to "REI_A.txt" … "REI_F.txt". Returns the number of examples placed,
/// or -1 after its messages when the master file is missing or empty. Throws FileError when a file
/// cannot be written (the files written before it stay).
int MakeReidaiData(const DataTree &tree, const MessageSink &show);
