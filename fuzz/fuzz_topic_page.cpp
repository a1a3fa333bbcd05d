#include "FuzzSupport.h"

#include "learning/StudyTopics.h"

#include <cstdlib>

// A topic line gives no page or a page of at most four digits.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    EnsureApplication();
    const QString line = AsUtf16(data, size);
    const std::optional<int> page = TopicPage(line);
    if (page && (*page < -999 || *page > 9999))
        std::abort();
    if (page)
        (void)DocumentUrl(QStringLiteral("/d.pdf"), *page);
    return 0;
}
