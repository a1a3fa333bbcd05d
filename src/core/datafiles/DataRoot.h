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
