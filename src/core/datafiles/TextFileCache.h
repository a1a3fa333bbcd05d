#pragma once

#include "LineList.h"

#include <QHash>
#include <QString>

#include <cstdint>

/// Text files read once and kept: a file is read again only when it changed on disk (its size or
/// time of change), so that many lookups in one file (an exercise list drawn from, a data check)
/// do not read it each time.
class TextFileCache
{
public:
    /// The file's lines, or null when no file exists at \a path. Throws FileError when it exists
    /// but cannot be read.
    const LineList *lines(const QString &path);

private:
    struct Entry
    {
        std::int64_t size = -1;
        std::int64_t modified = 0;
        LineList list;
    };
    QHash<QString, Entry> m_files;
};
