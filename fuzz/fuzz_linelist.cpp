#include "FuzzSupport.h"

#include "datafiles/LineList.h"

#include <cstdlib>

// Any bytes load; what is saved reads back as the same lines when the text was valid.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    EnsureApplication();
    LineList list;
    list.loadFromBytes(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    const QByteArray saved = list.toBytes();
    if (list.hadDecodeErrors())
        return 0;
    for (const QString &line : list.lines())
        if (!line.isValidUtf16())
            return 0;
    LineList again;
    again.loadFromBytes(saved);
    if (again.lines() != list.lines())
        std::abort();
    return 0;
}
