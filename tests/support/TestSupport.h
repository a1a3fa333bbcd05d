#pragma once

#include "datafiles/DataRoot.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <initializer_list>
#include <ostream>

/// A throw-away data root holding a "StudyTaxel" tree; tree() is what the code under test is handed.
class TempRoot
{
public:
    TempRoot();
    ~TempRoot();
    TempRoot(const TempRoot &) = delete;
    TempRoot &operator=(const TempRoot &) = delete;

    QString root() const { return m_dir.path(); }
    DataTree tree() const { return DataTree(m_dir.path()); }
    /// Absolute path of "StudyTaxel/…" under this root.
    QString path(const QString &relative) const;
    void makeFolder(const QString &relative) const;
    /// Writes \a lines with CR LF after each, in code page 932 (or UTF-8 with a mark when \a utf8).
    void writeLines(const QString &relative, const QStringList &lines, bool utf8 = false) const;
    void writeBytes(const QString &relative, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &relative) const;
    /// The file's lines as loading reads them.
    QStringList readLines(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};

/// A small file system of its own (a tmpfs mounted over a fresh folder), to be filled up: writes
/// into it then fail as on a full disk. Mounting needs root; without it, mounted() is false and
/// the test skips itself with reason().
class FullDisk
{
public:
    explicit FullDisk(int kilobytes = 256);
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString path() const { return m_dir.path(); }
    /// Takes every free block, so that the next write that needs one fails.
    void fill() const;
    /// Makes the file system read-only (true) or writable again.
    bool setReadOnly(bool readOnly) const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};

QByteArray ToCp932(const QString &text);

/// {u"a", u"b"} → the list of those texts (Japanese literals stay readable in expectations).
QStringList L(std::initializer_list<const char16_t *> items);

/// Failed expectations print texts as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
