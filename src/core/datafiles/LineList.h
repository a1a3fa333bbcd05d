#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// The working list through which every text data file is read and written.
///
/// Loading detects a byte-order mark (UTF-8, UTF-16 LE/BE), else reads code page 932; CR, LF and
/// CR LF each end a line and a NUL ends the text. The list remembers the encoding of its most
/// recent load (clear, add and put keep it), and saving writes that encoding with CR LF after every
/// line. Text that code page 932 cannot hold is saved as UTF-8 with a mark instead of losing
/// characters. Saves never leave half a file: the new content replaces the old one in one rename.
class LineList
{
public:
    enum class Encoding { None, Cp932, Utf8, Utf16LE, Utf16BE };
    enum class Durability {
        Synced, ///< flushed to the disk before it replaces the old file (learners' data)
        Unsynced ///< replaced by rename only (rebuildable output written in bulk)
    };

    int count() const { return static_cast<int>(m_lines.size()); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    const QString &get(int index) const { return m_lines.at(index); }
    const QString &operator[](int index) const { return m_lines.at(index); }
    void put(int index, const QString &text) { m_lines[index] = text; }
    void add(const QString &text) { m_lines.append(text); }
    void insert(int index, const QString &text) { m_lines.insert(index, text); }
    void remove(int index) { m_lines.removeAt(index); }
    void clear() { m_lines.clear(); }
    int find(QStringView text) const;

    const QStringList &lines() const { return m_lines; }
    QStringList &lines() { return m_lines; }

    Encoding encoding() const { return m_encoding; }
    void setEncoding(Encoding encoding) { m_encoding = encoding; }
    /// True when the most recent load met byte sequences its encoding cannot decode.
    bool hadDecodeErrors() const { return m_decodeErrors; }

    /// Replaces the entries by the lines of the file. Throws FileError when it cannot be read.
    void loadFromFile(const QString &path);
    /// The same from bytes already read.
    void loadFromBytes(const QByteArray &bytes);

    /// Writes every entry followed by CR LF. Throws FileError when the file cannot be written;
    /// the previous file then stays as it was.
    void saveToFile(const QString &path, Durability durability = Durability::Unsynced) const;
    /// The bytes saveToFile writes.
    QByteArray toBytes() const;

    /// Replaces the entries by the fields of one record (the comma-text rule).
    void splitCommaText(QStringView record);

    /// Cuts decoded text into lines as loading does.
    static QStringList splitLines(QStringView text);
    /// Decodes file bytes, detecting the byte-order mark; \a errors tells of undecodable bytes.
    static QString decode(const QByteArray &bytes, Encoding *detected, bool *errors = nullptr);

private:
    QStringList m_lines;
    Encoding m_encoding = Encoding::None;
    bool m_decodeErrors = false;
};

/// Writes \a bytes to \a path so that the path holds either the old or the whole new content.
/// Throws FileError naming the path when that is not possible.
void WriteFileAtomically(const QString &path, const QByteArray &bytes, LineList::Durability durability);
