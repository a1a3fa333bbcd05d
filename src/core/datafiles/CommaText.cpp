#include "CommaText.h"

#include <QString>
#include <algorithm>

namespace {
bool isSeparatorBlank(char16_t c)
{
    return c >= 1 && c <= 32;
}
} // namespace

QStringList SplitCommaText(QStringView record)
{
    QStringList fields;
    const qsizetype nul = record.indexOf(QChar(u'\0'));
    const QStringView text = nul >= 0 ? record.left(nul) : record;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && isSeparatorBlank(text[i].unicode()))
            ++i;
    };

    skipBlanks();
    while (i < n) {
        if (text[i] == u'"') {
            QString field;
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
                ++i;
            }
            fields.append(field);
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != u',' && text[i].unicode() > 32)
                ++i;
            fields.append(text.mid(start, i - start).toString());
        }
        skipBlanks();
        if (i < n && text[i] == u',') {
            if (i == n - 1)
                fields.append(QString());
            ++i;
            skipBlanks();
        }
    }
    return fields;
}

QString JoinCommaText(const QStringList &fields)
{
    QStringList out;
    for (const QString &field : fields) {
        const bool plain = std::none_of(
            field.begin(), field.end(), [](QChar c) { return c.unicode() <= 32 || c == u',' || c == u'"'; });
        out.append(plain ? field
                         : QLatin1Char('"') + QString(field).replace(QStringLiteral("\""), QStringLiteral("\"\""))
                    + QLatin1Char('"'));
    }
    return out.join(QLatin1Char(','));
}
