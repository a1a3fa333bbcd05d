#pragma once

#include "datafiles/MessageSink.h"

#include <QString>

/// The desktop entry that starts the program with its working folder in "StudyTaxel/Bin" under the
/// data root, so that the program finds its data again when started from the desktop (for an
/// installed program that is the user's copy of the default tree). It shows the program's icon
/// from the icon theme, as the menu entry does.
namespace DesktopEntry {

/// One argument of an Exec key, quoted when it needs it: `/a b/taxel` → `"/a b/taxel"`;
/// inside the quotes `"`, `` ` ``, `$` and `\` are escaped with a backslash, and `%` is doubled.
QString quoteExecArgument(const QString &argument);
/// A value of a string key with \, line breaks and tabs escaped.
QString escapeValue(const QString &value);
/// The whole file text of the entry.
QString entryText(const QString &program, const QString &workingFolder, const QString &description);

/// Writes the entry file; 0 when it was written, -1 when it could not be.
int saveShortcutFile(
    const QString &file, const QString &program, const QString &workingFolder, const QString &description);

/// Writes "Taxel.desktop" into the desktop folder \a folder when it is missing there, starting
/// \a program in \a workingFolder, and reports it with its message. Does nothing when the entry
/// exists or the desktop folder does not.
void createDesktopShortcut(
    const QString &program, const QString &folder, const QString &workingFolder, const MessageSink &show);

} // namespace DesktopEntry
