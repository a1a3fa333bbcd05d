#pragma once

#include "LineList.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>

/// Text files read once and kept: a file is read again only when it changed on disk (its size or
/// time of change), so that many lookups in one file (an exercise list drawn from, a data check)
/// do not read it each time. A cache that keeps a given number of files forgets the one used
/// longest ago, so that a window open all afternoon does not end up holding every file it met.
class TextFileCache
{
public:
    /// Keeps every file (\a keptFiles 0) or the \a keptFiles used last.
    explicit TextFileCache(int keptFiles = 0)
        : m_kept(keptFiles)
    { }

    /// The file's lines, or null when no file exists at \a path; valid until the next call. Throws
    /// FileError when it exists but cannot be read.
    const LineList *lines(const QString &path);
    int count() const { return static_cast<int>(m_files.size()); }
    /// Forgets every file read.
    void clear()
    {
        m_files.clear();
        m_order.clear();
    }

private:
    struct Entry
    {
        std::int64_t size = -1;
        std::int64_t modified = 0;
        LineList list;
    };
    void used(const QString &path);

    int m_kept;
    QHash<QString, Entry> m_files;
    QStringList m_order; ///< the kept files, the one used longest ago first
};
