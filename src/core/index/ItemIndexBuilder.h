#pragma once

#include "datafiles/LineList.h"
#include "datafiles/MessageSink.h"

#include <QList>

class DataTree;
#include <QString>

/// One line of the keyword index and the key it is filed under.
struct IndexEntry
{
    QString key; ///< the keyword padded to three characters ("学校" → "学校*")
    QString line; ///< key,reading,division 1,division 2,class number,example numbers,sort number
};

/// Clears \a kari and loads the item master file "StudyTaxel/Koumoku_All.csv" into it.
/// Returns the number of lines, or -1 after its message when the file does not exist.
int LoadKoumokuAll(const DataTree &tree, LineList &kari, const MessageSink &show);

/// The index lines of one master line, one per keyword of its item name, in keyword order; none
/// for a comment ("*…"), a record of fewer than 8 fields, or an empty class number or item name.
/// "1,/010,図書館・学校,としょかん,総記,図書館情報学,/a12/a13,5" →
///   図書館,としょかん,総記,図書館情報学,010,a12/a13,5  and  学校*,としょかん,総記,図書館情報学,010,a12/a13,5
QList<IndexEntry> IndexEntriesOf(const QString &masterLine);

/// Builds the keyword index tree from the item master file. Returns the number of index lines
/// written, or -1 after its messages when the master file is missing or empty. Lines are appended
/// to index files that already exist. Throws FileError when an index file cannot be written (the
/// files written before it stay); "StudyTaxel/KoumokuIndex" must exist. \a working is called once
/// the master file is loaded, before the long part begins (the window shows its wait cursor then).
int MakeKoumokuIndex(const DataTree &tree, const MessageSink &show, const std::function<void()> &working = {});
