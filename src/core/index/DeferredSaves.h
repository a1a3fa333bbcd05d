#pragma once

#include "datafiles/LineList.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

/// Replays a sequence of "load the file if it exists, change the list, save it" steps done with
/// one reused working list, in memory, and writes every file once at the end with exactly the
/// bytes the step-by-step sequence would have left. A reused list saves a file it did not load in
/// the encoding of its most recent load, and a code page 932 file becomes UTF-8 the moment a line
/// it cannot hold is saved into it; both are followed here. Where a save and reload would cut the lines differently (a
/// line break inside a line, a first character whose bytes look like a byte-order mark) that file alone is replayed
/// through real encoding and decoding.
class DeferredSaves
{
public:
    using Encoding = LineList::Encoding;

    /// One file of the sequence. Change its lines only through set/add so the bookkeeping holds.
    class File
    {
    public:
        const QString &path() const { return m_path; }
        const QStringList &lines() const { return m_lines; }
        bool saved() const { return m_saved; }

    private:
        friend class DeferredSaves;
        QString m_path;
        QString m_readPath;
        QStringList m_lines;
        bool m_probed = false; // the disk has been asked whether the file exists
        bool m_exists = false; // exists at this point of the sequence
        bool m_saved = false; // saved at least once in the sequence
        bool m_exact = false; // replayed through real bytes (m_bytes is the file)
        Encoding m_detected = Encoding::None; // what a load would detect now (not exact)
        Encoding m_saveEncoding = Encoding::None; // list encoding at the most recent save
        int m_unrepresentable = 0; // lines that code page 932 cannot hold
        int m_oddLines = 0; // lines a save and reload would cut differently (see isOddLine)
        QByteArray m_bytes;
    };

    /// The file written at \a path (absolute), created on first use; it is read at \a readPath
    /// where that is given (a user's folder writes what the installed tree holds). References stay valid.
    File &file(const QString &path, const QString &readPath = QString());

    /// "If the file exists, load it into the list": true when it was loaded (the list then takes
    /// its encoding). Reads the disk the first time a file is met; throws FileError when an
    /// existing file cannot be read.
    bool load(File &f);
    /// "Otherwise fill the list with \a lines" (keeps the list's encoding).
    void reset(File &f, QStringList lines);
    void set(File &f, int index, const QString &text);
    void add(File &f, const QString &text);
    /// Records a save of the file's lines in the list's current encoding.
    void save(File &f);

    /// Writes every saved file once, in the order of their first saves, calling \a beforeWrite
    /// with each file first (to create its folder), each replacing its old one whole, and syncs
    /// them once at the end. A failing write throws its FileError, which also says of \a output
    /// (what the files make up) whether it is still as it was or was left half rewritten and must
    /// be made again; files written before it stay.
    void writeAll(const std::function<void(const File &)> &beforeWrite, const QString &output);

    /// The bytes the file holds after the sequence.
    QByteArray bytesOf(const File &f) const;

    /// True when code page 932 holds \a text so that it reads back unchanged.
    static bool fitsCp932(QStringView text);

private:
    void count(File &f, const QString &line, int sign);
    bool safeToReload(const File &f, Encoding written) const;

    std::vector<std::unique_ptr<File>> m_files;
    QHash<QString, File *> m_byPath;
    std::vector<File *> m_saveOrder;
    Encoding m_listEncoding = Encoding::None;
};
