#include "NumberText.h"

#include <climits>

int ReadInt(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isSpace = [](char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
    while (i < n && isSpace(text[i].unicode()))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > limit)
            value = limit; // keeps saturating for the rest of the digits
        ++i;
    }
    return static_cast<int>(negative ? -value : value);
}
