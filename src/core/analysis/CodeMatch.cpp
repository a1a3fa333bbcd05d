#include "CodeMatch.h"

namespace {
constexpr int MaxPartLength = 10;
}

QList<AuxTable> ExtensionSearchOrder(int division)
{
    return {AuxTable::Keisiki, AuxTable::Tiri, AuxTable::Kaiyou, AuxTable::Gengo, AuxTable::GengoCom,
        AuxTable::BungakuCom, division == LiteratureDivision ? AuxTable::ZidaiBun : AuxTable::ZidaiRekisi,
        AuxTable::Koumokuhyou, AuxTable::Tihou};
}

ExtensionMatch MatchExtensionCode(const QString &extension, const AuxTables &tables, int division)
{
    ExtensionMatch match;

    // The structure is worked out first; a later rule replaces the parts of an earlier one.
    bool zeroJoined = false;
    int leadingCode = ExtensionMatch::NoMatch;
    const qsizetype zero = extension.indexOf(QLatin1Char('0'));
    if (zero > 0) {
        zeroJoined = true;
        match.left = extension.left(zero);
        match.right = extension.mid(zero + 1, MaxPartLength);
    }
    if (extension.startsWith(QStringLiteral("02"))) {
        leadingCode = ExtensionMatch::Leading02;
        match.left = QStringLiteral("02");
        match.right = extension.mid(2, MaxPartLength);
    } else if (extension.startsWith(QLatin1Char('2'))) {
        leadingCode = ExtensionMatch::Leading2;
        match.left = QStringLiteral("2");
        match.right = extension.mid(1, MaxPartLength);
    }

    for (AuxTable table : ExtensionSearchOrder(division)) {
        // An empty extension gives the key "," alone: only an entry that begins with a comma
        // matches it. Found one character in, it would match every one-character code.
        const bool secondCharacter = AuxTableMatchesSecondCharacter(table) && !extension.isEmpty();
        const int index = MatchAuxCode(tables[table], extension, secondCharacter);
        if (index >= 0)
            match.entries.append({table, index, tables[table].at(index)});
    }

    if (!match.entries.isEmpty())
        match.result = ExtensionMatch::TableMatch;
    else if (zeroJoined)
        match.result = ExtensionMatch::ZeroJoined;
    else
        match.result = leadingCode;
    if (match.result == ExtensionMatch::NoMatch || match.result == ExtensionMatch::TableMatch) {
        match.left.clear();
        match.right.clear();
    }
    return match;
}
