#pragma once

#include "datafiles/MessageSink.h"

#include <QString>

class DataTree;
class LineList;

/// Clears \a kari and loads the master file \a relativePath into it. Returns the number of lines,
/// or -1 after showing \a missingMessage when the file does not exist.
int LoadMasterFile(const DataTree &tree, LineList &kari, const QString &relativePath, const QString &missingMessage,
    const MessageSink &show);
