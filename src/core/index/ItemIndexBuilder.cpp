#include "ItemIndexBuilder.h"

#include "MasterFile.h"

#include "DeferredSaves.h"
#include "IndexKey.h"
#include "KeyList.h"
#include "RecordLayout.h"
#include "datafiles/CommaText.h"
#include "datafiles/DataPaths.h"
#include "datafiles/DataRoot.h"

#include <QDir>
#include <QSet>

int LoadKoumokuAll(const DataTree &tree, LineList &kari, const MessageSink &show)
{
    return LoadMasterFile(
        tree, kari, DataPaths::itemMaster(), QStringLiteral("\\StudtTaxel\\ に項目データが見つかりません！"), show);
}

QList<IndexEntry> IndexEntriesOf(const QString &masterLine)
{
    QList<IndexEntry> entries;
    if (masterLine.startsWith(QLatin1Char('*')))
        return entries;
    const QStringList f = SplitCommaText(masterLine);
    if (f.size() < ItemRecord::FieldCount || f.at(ItemRecord::ClassNumber).isEmpty()
        || f.at(ItemRecord::Name).isEmpty())
        return entries;
    const QStringList keywords = MakeKeyList(f.at(ItemRecord::Name), ItemMode);
    for (const QString &keyword : keywords) {
        if (keyword.isEmpty())
            continue;
        const QString key = IndexKeyOf(keyword);
        entries.append({key, IndexLine::make(key, f)});
    }
    return entries;
}

int MakeKoumokuIndex(const DataTree &tree, const MessageSink &show, const std::function<void()> &working)
{
    LineList kari;
    if (LoadKoumokuAll(tree, kari, show) < 1) {
        show(QStringLiteral("分類項目データを読み込むことができませんでした！"));
        return -1;
    }
    if (working)
        working();

    // The index files are worked out in memory, in the order the lines come, and each is written
    // once at the end with the bytes that loading, extending and saving it line by line would give.
    const QString indexFolder = DataPaths::keywordIndexFolder();
    DeferredSaves files;
    QHash<int, DeferredSaves::File *> byNumbers;
    int written = 0;
    for (const QString &masterLine : kari.lines()) {
        for (const IndexEntry &entry : IndexEntriesOf(masterLine)) {
            const IndexNumbers n = IndexNumbersOf(entry.key);
            DeferredSaves::File *&slot = byNumbers[(n.x << 14) | (n.y << 7) | n.z];
            if (!slot) {
                const QString relative = indexFolder + QStringLiteral("/%1/%2/%3").arg(n.x).arg(n.y).arg(n.z);
                slot = &files.file(tree.writePath(relative), tree.path(relative));
            }
            if (!files.load(*slot))
                files.reset(*slot, {});
            files.add(*slot, entry.line);
            files.save(*slot);
            ++written;
        }
    }

    QSet<QString> folders;
    files.writeAll(
        [&](const DeferredSaves::File &f) {
            // Creates "x", then "x/y"; a failure shows only through the failing write that follows.
            const QString yFolder = f.path().section(QLatin1Char('/'), 0, -2);
            if (folders.contains(yFolder))
                return;
            folders.insert(yFolder);
            const QString xFolder = yFolder.section(QLatin1Char('/'), 0, -2);
            QDir().mkdir(xFolder);
            QDir().mkdir(yFolder);
        },
        QStringLiteral("項目インデックス（StudyTaxel\\KoumokuIndex）"));
    return written;
}
