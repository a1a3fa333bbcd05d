#pragma once

#include <QString>

/// Where a keyword lives in the keyword index "StudyTaxel/KoumokuIndex/x/y/z".
struct IndexNumbers
{
    int x = 0;
    int y = 0;
    int z = 0;
};

/// The keyword padded to at least three characters: "X" → "X**", "学校" → "学校*", "map" → "map".
/// An empty keyword stays empty (it has no index file).
QString IndexKeyOf(const QString &keyword);

/// The codes of the key's first three UTF-16 units, each modulo 128 ("図書館" → 115, 120, 40).
/// \a key must hold at least three units (an index key does).
IndexNumbers IndexNumbersOf(const QString &key);

/// "KoumokuIndex/115/120/40" relative to the data root, for the numbers of \a key.
QString IndexFileOf(const QString &key);
