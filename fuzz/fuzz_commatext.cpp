#include "FuzzSupport.h"

#include "datafiles/CommaText.h"
#include "datafiles/NumberText.h"

#include <cstdlib>

// The split always ends, and its fields never hold more characters than the record.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    EnsureApplication();
    const QString record = AsUtf16(data, size);
    const QStringList fields = SplitCommaText(record);
    qsizetype total = 0;
    for (const QString &field : fields)
        total += field.size();
    if (total > record.size())
        std::abort();
    (void)ReadInt(record);
    return 0;
}
