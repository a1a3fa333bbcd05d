#include "MasterFile.h"

#include "datafiles/DataRoot.h"
#include "datafiles/LineList.h"

int LoadMasterFile(const DataTree &tree, LineList &kari, const QString &relativePath, const QString &missingMessage,
    const MessageSink &show)
{
    kari.clear();
    const QString path = tree.path(relativePath);
    if (!DataRoot::fileExists(path)) {
        show(missingMessage);
        return -1;
    }
    kari.loadFromFile(path);
    return kari.count();
}
