#pragma once

#include "AuxTables.h"

#include <QList>
#include <QString>

/// The outcome of the re-analysis of an extension part.
struct ExtensionMatch
{
    enum Result {
        NoMatch = 0, ///< no table knows the code and no structure was recognised
        TableMatch = 1, ///< at least one table knows the code (see entries)
        ZeroJoined = 2, ///< two codes joined through a zero (two countries' relation)
        Leading02 = 3, ///< "02" followed by a geographic code
        Leading2 = 4, ///< "2" followed by a geographic code
    };
    int result = NoMatch;
    /// the matching entry of each table that knows the code, in search order
    QList<AuxEntry> entries;
    /// the structure shown for results 2 to 4: left part "+" right part
    QString left;
    QString right;

    QString structureText() const { return left + QLatin1Char('+') + right; }
};

/// The order in which the re-analysis searches the tables; the period table depends on the
/// division number (literary in 91, historical elsewhere).
QList<AuxTable> ExtensionSearchOrder(int division);

/// Looks the extension part \a extension up in every table (the code match of AuxTables.h) and,
/// when none knows it, explains its structure:
/// "53034" → 2 (53 + 34), "0253" → 3 (02 + 53), "253" → 4 (2 + 53), "2053" → 2 (2 + 053).
ExtensionMatch MatchExtensionCode(const QString &extension, const AuxTables &tables, int division);
