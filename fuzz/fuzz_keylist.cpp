#include "FuzzSupport.h"

#include "index/KeyList.h"

#include <cstdlib>

// Both modes end with a sorted list of distinct keywords.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    EnsureApplication();
    const QString text = AsUtf16(data, size);
    for (int mode : {0, 1}) {
        const QStringList keys = MakeKeyList(text, mode);
        for (qsizetype i = 1; i < keys.size(); ++i)
            if (keys[i] == keys[i - 1])
                std::abort();
    }
    return 0;
}
