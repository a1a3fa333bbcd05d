#include "ExampleBuilder.h"

#include "RecordLayout.h"

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

int LoadReidaiAll(const DataTree &tree, LineList &kari, const MessageSink &show)
{
    return LoadMasterFile(
        tree, kari, DataPaths::exampleMaster(), QStringLiteral("\\StudtTaxel\\ に例題データが見つかりません！"), show);
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

namespace {

/// The block files, worked on through one reused list that is saved when the examples move on to
/// another block and loaded again when they come back. That is replayed in memory and every block
/// is written once at the end with the bytes the step-by-step work would leave.
class BlockFiles
{
public:
    explicit BlockFiles(const DataTree &tree)
        : m_tree(tree)
        , m_current(enter(0))
    { }

    /// Puts the master line of plain number \a n (1 or more) in its block's slot.
    void place(int n, const QString &line)
    {
        const int block = (n - 1) / 1000;
        const int slot = (n - 1) % 1000;
        if (block != m_currentBlock) {
            if (m_changes > 0)
                m_blocks.save(*m_current);
            m_currentBlock = block;
            m_current = enter(block);
            m_changes = 0;
        }
        // A block file shorter than its 1000 lines gets empty slots up to the one being filled.
        for (int i = static_cast<int>(m_current->lines().size()); i < slot; ++i)
            m_blocks.add(*m_current, emptySlotLine(1000LL * block + i + 1));
        if (slot < m_current->lines().size())
            m_blocks.set(*m_current, slot, line);
        else
            m_blocks.add(*m_current, line);
        ++m_changes;
    }

    void writeAll()
    {
        if (m_changes > 0)
            m_blocks.save(*m_current);
        m_blocks.writeAll({}, QStringLiteral("例題ファイル（StudyTaxel\\ReidaiData）"));
    }

private:
    DeferredSaves::File *enter(int block)
    {
        const QString relative = DataPaths::exampleFolder() + QStringLiteral("/REI_%1.txt").arg(block);
        DeferredSaves::File &f = m_blocks.file(m_tree.writePath(relative), m_tree.path(relative));
        if (!m_blocks.load(f))
            m_blocks.reset(f, EmptyExampleBlock(block));
        return &f;
    }

    const DataTree &m_tree;
    DeferredSaves m_blocks;
    int m_currentBlock = 0;
    DeferredSaves::File *m_current = nullptr;
    int m_changes = 0;
};

/// The lettered files, read where the data is and written into the root (beneath a user's folder,
/// the user's own) when a line was added to them.
class LetteredFiles
{
public:
    explicit LetteredFiles(const DataTree &tree)
        : m_tree(tree)
    {
        for (int letter = 0; letter < 6; ++letter) {
            const QString path = tree.path(relative(letter));
            if (DataRoot::fileExists(path))
                m_lists[letter].loadFromFile(path);
        }
    }

    void add(int letter, const QString &line)
    {
        m_lists[letter].add(line);
        ++m_added[letter];
    }

    void saveChanged() const
    {
        for (int letter = 0; letter < 6; ++letter)
            if (m_added[letter] > 0)
                m_lists[letter].saveToFile(m_tree.writePath(relative(letter)));
    }

private:
    static QString relative(int letter)
    {
        return DataPaths::exampleFolder() + QLatin1Char('/') + letteredFileName(letter);
    }

    const DataTree &m_tree;
    std::array<LineList, 6> m_lists;
    std::array<int, 6> m_added {};
};

} // namespace

int MakeReidaiData(const DataTree &tree, const MessageSink &show)
{
    LineList kari;
    if (LoadReidaiAll(tree, kari, show) < 1) {
        show(QStringLiteral("例題データを読み込むことができませんでした！"));
        return -1;
    }
    LetteredFiles lettered(tree);
    BlockFiles blocks(tree);
    int placed = 0;
    for (const QString &line : kari.lines()) {
        if (line.isEmpty())
            continue;
        const QStringList fields = SplitCommaText(line);
        if (fields.size() < ExampleLine::LeastFields || fields.at(ExampleLine::Number).isEmpty())
            continue;
        const int letter = ExampleFileLetter(fields.at(ExampleLine::Number));
        const int n = letter >= 0 ? 0 : ReadInt(fields.at(ExampleLine::Number));
        if (letter >= 0)
            lettered.add(letter, line);
        else if (n >= 1)
            blocks.place(n, line);
        else
            continue;
        ++placed;
    }
    blocks.writeAll();
    lettered.saveChanged();
    return placed;
}
