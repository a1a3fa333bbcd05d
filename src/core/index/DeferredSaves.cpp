#include "DeferredSaves.h"

#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "datafiles/FileSync.h"

#include <QFileInfo>
#include <array>
#include <memory>

namespace {

/// What code page 932 does with each UTF-16 unit, worked out the first time the unit is met by
/// asking the list's own encoder, so the answer always agrees with what a save writes.
class Cp932Units
{
public:
    bool fits(char16_t c) { return probe(c) & kFits; }
    /// The first byte the unit is written as (only meaningful when it fits).
    unsigned char firstByte(char16_t c)
    {
        probe(c);
        return m_firstByte[c];
    }

private:
    static constexpr unsigned char kKnown = 1, kFits = 2;

    unsigned char probe(char16_t c)
    {
        unsigned char &state = m_state[c];
        if (state & kKnown)
            return state;
        state = kKnown;
        if (c < 0x80) {
            state |= kFits;
            m_firstByte[c] = static_cast<unsigned char>(c);
            return state;
        }
        LineList one;
        one.setEncoding(LineList::Encoding::Cp932);
        one.add(QString(QChar(c)));
        const QByteArray bytes = one.toBytes(); // the unit's bytes and CR LF, or a UTF-8 fallback
        if (!bytes.startsWith("\xEF\xBB\xBF")) {
            state |= kFits;
            m_firstByte[c] = static_cast<unsigned char>(bytes.at(0));
        }
        return state;
    }

    std::array<unsigned char, 65536> m_state {};
    std::array<unsigned char, 65536> m_firstByte {};
};

Cp932Units &cp932Units()
{
    static Cp932Units units;
    return units;
}

/// Lines that a save and a reload would cut differently: they hold a character that ends a line
/// or the text when it is read back. A lone surrogate needs no such care: a UTF-8 save writes it as
/// "?", and the file, read back as UTF-8 before every later save, stays UTF-8 with that "?" in it,
/// so the bytes are the same whether the "?" is put in at once or at the end.
bool isOddLine(QStringView line)
{
    for (QChar c : line) {
        const char16_t u = c.unicode();
        if (u == 0 || u == u'\r' || u == u'\n')
            return true;
    }
    return false;
}

LineList::Encoding writtenEncoding(LineList::Encoding list, bool allFit)
{
    using E = LineList::Encoding;
    if (list == E::None || list == E::Cp932)
        return allFit ? E::Cp932 : E::Utf8;
    return list;
}

QByteArray bytesFor(const QStringList &lines, LineList::Encoding encoding)
{
    LineList list;
    list.lines() = lines;
    list.setEncoding(encoding);
    return list.toBytes();
}

} // namespace

bool DeferredSaves::fitsCp932(QStringView text)
{
    Cp932Units &units = cp932Units();
    for (QChar c : text)
        if (!units.fits(c.unicode()))
            return false;
    return true;
}

DeferredSaves::File &DeferredSaves::file(const QString &path, const QString &readPath)
{
    File *&slot = m_byPath[path];
    if (!slot) {
        m_files.push_back(std::make_unique<File>());
        slot = m_files.back().get();
        slot->m_path = path;
        slot->m_readPath = readPath.isEmpty() ? path : readPath;
    }
    return *slot;
}

void DeferredSaves::count(File &f, const QString &line, int sign)
{
    if (!fitsCp932(line))
        f.m_unrepresentable += sign;
    if (isOddLine(line))
        f.m_oddLines += sign;
}

bool DeferredSaves::load(File &f)
{
    if (!f.m_probed) {
        f.m_probed = true;
        f.m_exists = DataRoot::fileExists(f.m_readPath);
        if (f.m_exists) {
            LineList disk;
            disk.loadFromFile(f.m_readPath);
            reset(f, disk.lines());
            f.m_detected = disk.encoding();
        }
    }
    if (!f.m_exists)
        return false;
    if (f.m_exact) {
        LineList disk;
        disk.loadFromBytes(f.m_bytes);
        f.m_lines = disk.lines();
        m_listEncoding = disk.encoding();
    } else {
        m_listEncoding = f.m_detected;
    }
    return true;
}

void DeferredSaves::reset(File &f, QStringList lines)
{
    f.m_lines = std::move(lines);
    f.m_unrepresentable = 0;
    f.m_oddLines = 0;
    if (!f.m_exact)
        for (const QString &line : f.m_lines)
            count(f, line, 1);
}

void DeferredSaves::set(File &f, int index, const QString &text)
{
    if (!f.m_exact) {
        count(f, f.m_lines.at(index), -1);
        count(f, text, 1);
    }
    f.m_lines[index] = text;
}

void DeferredSaves::add(File &f, const QString &text)
{
    if (!f.m_exact)
        count(f, text, 1);
    f.m_lines.append(text);
}

bool DeferredSaves::safeToReload(const File &f, Encoding written) const
{
    if (f.m_oddLines > 0)
        return false;
    if (written == Encoding::Cp932 && !f.m_lines.isEmpty() && !f.m_lines.first().isEmpty()) {
        // Code page 932 bytes that begin like a byte-order mark would be read back as another encoding.
        const unsigned char first = cp932Units().firstByte(f.m_lines.first().at(0).unicode());
        if (first == 0xEF || first == 0xFE || first == 0xFF)
            return false;
    }
    return true;
}

void DeferredSaves::save(File &f)
{
    if (!f.m_saved) {
        f.m_saved = true;
        m_saveOrder.push_back(&f);
    }
    f.m_exists = true;
    f.m_probed = true;
    if (!f.m_exact) {
        const Encoding written = writtenEncoding(m_listEncoding, f.m_unrepresentable == 0);
        if (safeToReload(f, written)) {
            f.m_detected = written;
            f.m_saveEncoding = m_listEncoding;
            return;
        }
        f.m_exact = true;
    }
    f.m_bytes = bytesFor(f.m_lines, m_listEncoding);
}

QByteArray DeferredSaves::bytesOf(const File &f) const
{
    return f.m_exact ? f.m_bytes : bytesFor(f.m_lines, f.m_saveEncoding);
}

void DeferredSaves::writeAll(const std::function<void(const File &)> &beforeWrite, const QString &output)
{
    std::size_t written = 0;
    for (File *f : m_saveOrder) {
        if (beforeWrite)
            beforeWrite(*f);
        try {
            WriteFileAtomically(f->m_path, bytesOf(*f), LineList::Durability::Unsynced);
        } catch (const FileError &error) {
            // Each file is whole, old or new; the output as a whole is only when none or all are new.
            if (written == 0)
                throw FileError(error.text() + QStringLiteral("\n%1は元のままです。").arg(output));
            throw FileError(error.text()
                + QStringLiteral("\n%1は書き換えの途中です（%2 個のファイルのうち %3 個を書き換えました）。"
                                 "空きを作ってから、もう一度作成して下さい。")
                      .arg(output)
                      .arg(m_saveOrder.size())
                      .arg(written));
        }
        ++written;
    }
    if (!m_saveOrder.empty())
        SyncFileSystemOf(QFileInfo(m_saveOrder.front()->m_path).absolutePath()); // once, for all of them
}
