#pragma once

// Helpers of the index tests: snapshots of a data tree, and file bytes in a chosen encoding.

#include "datafiles/LineList.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QStringList>

/// Every file under \a folder (relative path → bytes).
inline QMap<QString, QByteArray> SnapshotTree(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.insert(QDir(folder).relativeFilePath(path), file.readAll());
    }
    return files;
}

/// Bytes of \a lines in \a encoding, with the given line break after each (none after the last
/// when \a lastBreak is false).
inline QByteArray EncodeLines(
    const QStringList &lines, LineList::Encoding encoding, const char *lineBreak = "\r\n", bool lastBreak = true)
{
    QString text;
    for (int i = 0; i < lines.size(); ++i) {
        text += lines.at(i);
        if (lastBreak || i + 1 < lines.size())
            text += QString::fromLatin1(lineBreak);
    }
    LineList list;
    list.add(text);
    list.setEncoding(encoding);
    QByteArray bytes = list.toBytes();
    bytes.chop(encoding == LineList::Encoding::Utf16LE || encoding == LineList::Encoding::Utf16BE ? 4 : 2);
    return bytes;
}
