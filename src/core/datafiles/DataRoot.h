#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

/// The folder that plays the drive's root: the one that holds "StudyTaxel/".
/// Data paths are fixed literals relative to it ("StudyTaxel/TaxelData/koumokuhyou.txt").
namespace DataRoot {

/// The rule for finding the root: \a given when not empty, else the nearest folder from
/// \a workingDir upwards (itself first) that holds a folder "StudyTaxel", else the root of the
/// file system \a workingDir lies on. Always an absolute path without a trailing slash
/// (except for "/" itself).
QString findRoot(const QString &given, const QString &workingDir);

/// The name the programs run under; it names the user's data folder ("~/.local/share/Taxel").
QString applicationName();

/// The folder at \a relative from \a programFolder ("../share/taxel" from ".../bin") when it holds
/// the installed default tree "StudyTaxel/"; else an empty text.
QString installedRoot(const QString &programFolder, const QString &relative);

/// What tidying a full copy of the tree made by an older version found.
struct OldCopy
{
    bool found = false; ///< there was one
    int removed = 0; ///< files of the copy that the installed tree also has, removed
    QStringList kept; ///< other files found there, kept (relative to the user's folder)
    QString error;
};

/// An older version copied the whole installed tree into the user's folder, which would hide the
/// data of every later package. When \a userFolder holds such a copy, every file of it that
/// \a installedRoot also has is removed, whatever its content; the learner's files (progress, the
/// review set) and anything else are kept. Runs under a lock, so that two programs starting at
/// once do it once.
OldCopy tidyOldCopy(const QString &installedRoot, const QString &userFolder);

struct StartRoot
{
    QString root; ///< where files are written, and looked up first
    QString installed; ///< the installed tree, read where the root has no file; empty when none
    /// a one-line message for the learner (a folder that could not be made, an old copy tidied
    /// with files kept); empty when there is nothing to say
    QString problem;
};

/// The rule at start-up: \a given, else the nearest "StudyTaxel/" from \a workingDir upwards, else,
/// when \a installedRoot is not empty, \a userFolder with the installed tree read in place beneath
/// it (also when the nearest "StudyTaxel/" is the user's folder or the installed tree itself), else
/// the root of the file system \a workingDir lies on.
StartRoot startRoot(
    const QString &given, const QString &workingDir, const QString &installedRoot, const QString &userFolder);

/// startRoot() as a program applies it: the installed tree at \a installedRelative from the
/// program's folder, the user's folder from QStandardPaths::AppDataLocation under applicationName(),
/// which it gives the application.
StartRoot startUp(const QString &given, const QString &installedRelative);

/// True when a file (not a folder) exists at \a path.
bool fileExists(const QString &path);

/// Pulls "--root DIR" (or "--root=DIR") out of \a args; returns DIR or an empty text.
QString takeRootOption(QStringList &args);

} // namespace DataRoot

/// The data tree a program works on: the root, where files are written and looked up first, and
/// the installed tree read beneath it (none when empty). Every part of the program that reads or
/// writes data files is handed one.
class DataTree
{
public:
    DataTree() = default;
    /// Both are made absolute.
    explicit DataTree(const QString &root, const QString &installed = QString());
    explicit DataTree(const DataRoot::StartRoot &start)
        : DataTree(start.root, start.installed)
    { }

    const QString &root() const { return m_root; }
    const QString &installed() const { return m_installed; }

    /// Where a data path is read: "StudyTaxel/Koumoku_All.csv" → "<root>/StudyTaxel/Koumoku_All.csv",
    /// or, beneath a user's folder, the installed tree's file when the user's folder has none.
    QString path(QStringView relative) const;
    /// Where a data path is written: always under the root; beneath a user's folder, the folders it
    /// needs are made.
    QString writePath(QStringView relative) const;

private:
    QString m_root;
    QString m_installed;
};
