#pragma once

#include <QString>
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

enum class UserCopy { Present, Copied, Failed };

/// Makes sure \a userFolder holds "StudyTaxel/": when it does not, the installed tree under
/// \a installedRoot is copied there. The copy is made in a hidden sibling folder and renamed into
/// place once complete, under a lock, so an interrupted or failed copy never leaves a
/// "StudyTaxel/" behind (the next call removes what it left and copies again) and two programs
/// starting at once make one copy. \a error receives the reason of a failure.
UserCopy provideUserCopy(const QString &installedRoot, const QString &userFolder, QString *error = nullptr);

struct StartRoot
{
    QString root;
    /// Why the user's copy could not be made (the root is then the installed tree itself); empty
    /// when there was no problem.
    QString problem;
};

/// The rule at start-up: \a given, else the nearest "StudyTaxel/" from \a workingDir upwards, else,
/// when \a installedRoot is not empty, \a userFolder with its copy of the installed tree, else
/// the root of the file system \a workingDir lies on.
StartRoot startRoot(
    const QString &given, const QString &workingDir, const QString &installedRoot, const QString &userFolder);

/// startRoot() as a program applies it and sets the root: the installed tree at
/// \a installedRelative from the program's folder, the user's folder from
/// QStandardPaths::AppDataLocation under applicationName(), which it gives the application.
/// Returns the problem text (empty when none).
QString startUp(const QString &given, const QString &installedRelative);

/// Sets the root for the rest of the run; \a root is made absolute.
void setRoot(const QString &root);
QString root();

/// "StudyTaxel/Koumoku_All.csv" → "<root>/StudyTaxel/Koumoku_All.csv".
QString path(QStringView relative);

/// True when a file (not a folder) exists at \a path.
bool fileExists(const QString &path);

/// Pulls "--root DIR" (or "--root=DIR") out of \a args; returns DIR or an empty text.
QString takeRootOption(QStringList &args);

} // namespace DataRoot
