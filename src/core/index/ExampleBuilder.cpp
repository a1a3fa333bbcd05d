#include "ExampleBuilder.h"

#include "MasterFile.h"

#include "DeferredSaves.h"
#include "datafiles/CommaText.h"
#include "datafiles/DataPaths.h"
#include "datafiles/DataRoot.h"
#include "datafiles/NumberText.h"

#include <array>

namespace {

const QString &emptySlotMarker()
{
    static const QString marker = QStringLiteral("::空き番号");
    return marker;
}

QString emptySlotLine(qint64 number)
{
    return QString::number(number) + emptySlotMarker();
}

QString letteredFileName(int letter)
{
    return QStringLiteral("REI_%1.txt").arg(QChar(u'A' + letter));
}

} // namespace

int LoadReidaiAll(LineList &kari, const MessageSink &show)
{
    return LoadMasterFile(
        kari, DataPaths::exampleMaster(), QStringLiteral("\\StudtTaxel\\ に例題データが見つかりません！"), show);
}

QStringList EmptyExampleBlock(int block)
{
    QStringList lines;
    lines.reserve(1000);
    for (int i = 1; i <= 1000; ++i)
        lines.append(emptySlotLine(1000LL * block + i));
    return lines;
}

int ExampleFileLetter(const QString &number)
{
    for (int letter = 0; letter < 6; ++letter)
        if (number.contains(QChar(u'a' + letter)))
            return letter;
    return -1;
}

int MakeReidaiData(const MessageSink &show)
{
    LineList kari;
    if (LoadReidaiAll(kari, show) < 1) {
        show(QStringLiteral("例題データを読み込むことができませんでした！"));
        return -1;
    }
    // read where the data is, written into the root (beneath a user's folder, the user's own)
    const QString folder = DataPaths::exampleFolder() + QLatin1Char('/');

    std::array<LineList, 6> lettered;
    std::array<int, 6> added {};
    for (int letter = 0; letter < 6; ++letter) {
        const QString path = DataRoot::path(folder + letteredFileName(letter));
        if (DataRoot::fileExists(path))
            lettered[letter].loadFromFile(path);
    }

    // The blocks go through one reused list that is saved when the examples move on to another
    // block and loaded again when they come back; that is replayed in memory and every block is
    // written once at the end with the bytes the step-by-step work would leave.
    DeferredSaves blocks;
    auto enter = [&](int block) {
        const QString relative = folder + QStringLiteral("REI_%1.txt").arg(block);
        DeferredSaves::File &f = blocks.file(DataRoot::writePath(relative), DataRoot::path(relative));
        if (!blocks.load(f))
            blocks.reset(f, EmptyExampleBlock(block));
        return &f;
    };
    int currentBlock = 0;
    DeferredSaves::File *current = enter(0);
    int changes = 0;
    int placed = 0;

    for (const QString &line : kari.lines()) {
        if (line.isEmpty())
            continue;
        const QStringList fields = SplitCommaText(line);
        if (fields.size() < 3 || fields.at(0).isEmpty())
            continue;
        const int letter = ExampleFileLetter(fields.at(0));
        if (letter >= 0) {
            lettered[letter].add(line);
            ++added[letter];
            ++placed;
            continue;
        }
        const int n = ReadInt(fields.at(0));
        if (n < 1)
            continue;
        const int block = (n - 1) / 1000;
        const int slot = (n - 1) % 1000;
        if (block != currentBlock) {
            if (changes > 0)
                blocks.save(*current);
            currentBlock = block;
            current = enter(block);
            changes = 0;
        }
        // A block file shorter than its 1000 lines gets empty slots up to the one being filled.
        for (int i = static_cast<int>(current->lines().size()); i < slot; ++i)
            blocks.add(*current, emptySlotLine(1000LL * block + i + 1));
        if (slot < current->lines().size())
            blocks.set(*current, slot, line);
        else
            blocks.add(*current, line);
        ++changes;
        ++placed;
    }
    if (changes > 0)
        blocks.save(*current);

    blocks.writeAll({}, QStringLiteral("例題ファイル（StudyTaxel\\ReidaiData）"));
    for (int letter = 0; letter < 6; ++letter)
        if (added[letter] > 0)
            lettered[letter].saveToFile(DataRoot::writePath(folder + letteredFileName(letter)));
    return placed;
}
