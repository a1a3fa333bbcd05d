#pragma once

#include <QString>

class QFile;

// The few calls that make written data durable differ per platform; they live here alone.

/// Pushes what was written to \a file (open for writing) down to the disk. False, with the
/// reason in \a reason, when the system reports that the data could not be stored.
bool SyncFileToDisk(QFile &file, QString *reason);

/// Makes a rename inside \a folder durable where the platform needs it (the folder's own entry
/// list is synced); nothing is reported, the file itself is already whole.
void SyncFolder(const QString &folder);

/// Syncs the file system that holds \a folder, and only that one where the platform allows it.
void SyncFileSystemOf(const QString &folder);
