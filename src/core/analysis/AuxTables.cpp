#include "AuxTables.h"

#include "datafiles/DataPaths.h"
#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "datafiles/LineList.h"

QString AuxTableFileName(AuxTable table)
{
    switch (table) {
    case AuxTable::Keisiki: return QStringLiteral("hojo_keisiki.txt");
    case AuxTable::Tiri: return QStringLiteral("hojo_tiri.txt");
    case AuxTable::Tihou: return QStringLiteral("hojo_tihou.txt");
    case AuxTable::Kaiyou: return QStringLiteral("hojo_kaiyou.txt");
    case AuxTable::Gengo: return QStringLiteral("hojo_gengo.txt");
    case AuxTable::GengoCom: return QStringLiteral("hojo_gengoCOM.txt");
    case AuxTable::BungakuCom: return QStringLiteral("hojo_bungakuCOM.txt");
    case AuxTable::ZidaiRekisi: return QStringLiteral("hojo_rekisiZIDAI.txt");
    case AuxTable::ZidaiBun: return QStringLiteral("hojo_bungakuZIDAI.txt");
    case AuxTable::Koumokuhyou: return QStringLiteral("koumokuhyou.txt");
    case AuxTable::None: break;
    }
    return QString();
}

AuxTables LoadAuxTables(const DataTree &tree, QStringList *errors)
{
    AuxTables tables;
    for (int i = 0; i < AuxTableCount; ++i) {
        const auto table = static_cast<AuxTable>(i);
        const QString file = tree.path(DataPaths::tableFolder() + QLatin1Char('/') + AuxTableFileName(table));
        if (!DataRoot::fileExists(file))
            continue;
        LineList list;
        try {
            list.loadFromFile(file);
        } catch (const FileError &error) {
            if (!errors)
                throw;
            errors->append(error.text());
            continue;
        }
        tables[table] = list.lines();
    }
    return tables;
}

QString AuxTableCaption(AuxTable table)
{
    switch (table) {
    case AuxTable::Keisiki: return QStringLiteral("形式区分");
    case AuxTable::Tiri: return QStringLiteral("地理区分");
    case AuxTable::Tihou: return QStringLiteral("日本地方区分");
    case AuxTable::Kaiyou: return QStringLiteral("海洋区分");
    case AuxTable::Gengo: return QStringLiteral("言語区分");
    case AuxTable::GengoCom: return QStringLiteral("言語共通区分");
    case AuxTable::BungakuCom: return QStringLiteral("文学共通区分");
    case AuxTable::ZidaiRekisi: return QStringLiteral("時代区分");
    case AuxTable::ZidaiBun: return QStringLiteral("文学時代区分");
    case AuxTable::Koumokuhyou: return QStringLiteral("綱目表");
    case AuxTable::None: break;
    }
    return QString();
}

QString AuxKindCaption(int kind)
{
    switch (kind) {
    case 1: return QStringLiteral("形式区分");
    case 2: return QStringLiteral("地理区分");
    case 3: return QStringLiteral("海洋区分");
    case 4: return QStringLiteral("言語区分");
    case 5: return QStringLiteral("言語共通区分");
    case 6: return QStringLiteral("文学共通区分");
    case 7: return QStringLiteral("歴史時代区分");
    case 8: return QStringLiteral("文学時代区分");
    case 9: return QStringLiteral("綱目分類");
    case 10: return QStringLiteral("日本地方区分");
    default: return QString();
    }
}

const QStringList &AuxKindNames()
{
    static const QStringList names = {
        QStringLiteral("不明"),
        QStringLiteral("形式区分"),
        QStringLiteral("地理区分"),
        QStringLiteral("海洋区分"),
        QStringLiteral("言語区分"),
        QStringLiteral("言語共通区分"),
        QStringLiteral("文学共通区分"),
        QStringLiteral("歴史時代区分"),
        QStringLiteral("文学時代区分"),
    };
    return names;
}

AuxTable AuxTableOfKind(int kind, int division)
{
    switch (kind) {
    case 1: return AuxTable::Keisiki;
    case 2: return AuxTable::Tiri;
    case 3: return AuxTable::Kaiyou;
    case 4: return AuxTable::Gengo;
    case 5: return AuxTable::GengoCom;
    case 6: return AuxTable::BungakuCom;
    case 7: return division == LiteratureDivision ? AuxTable::ZidaiBun : AuxTable::ZidaiRekisi;
    case 8: return AuxTable::Tihou;
    case 9: return AuxTable::Koumokuhyou;
    default: return AuxTable::None;
    }
}

AuxEntry LookupAuxItem(const AuxTables &tables, int division, int kind, const QString &code)
{
    AuxEntry found;
    const AuxTable table = AuxTableOfKind(kind, division);
    if (code.isEmpty() || table == AuxTable::None)
        return found;
    const QStringList &entries = tables[table];
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).startsWith(code)) {
            found.table = table;
            found.index = i;
            found.text = entries.at(i);
            break;
        }
    }
    return found;
}

bool AuxTableMatchesSecondCharacter(AuxTable table)
{
    return table == AuxTable::Keisiki || table == AuxTable::ZidaiRekisi || table == AuxTable::ZidaiBun;
}

int MatchAuxCode(const QStringList &entries, const QString &code, bool alsoSecondCharacter)
{
    const QString key = code + QLatin1Char(',');
    for (int i = 0; i < entries.size(); ++i) {
        const QString &entry = entries.at(i);
        if (entry.startsWith(key))
            return i;
        if (alsoSecondCharacter && entry.size() > 1 && QStringView(entry).mid(1).startsWith(key))
            return i;
    }
    return -1;
}
