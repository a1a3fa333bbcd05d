#pragma once

// The join of two item masters for the full data tree: the NDC 9 master, whole, and the sample's
// items, whose example numbers must stay findable.
//
//  1. Every line of the full master stays, in its order and as written, except that a record may
//     receive example numbers (rule 2). The sample's comment lines go: the full master's header
//     names the same eight fields.
//  2. A sample record whose class number and item name (fields 1 and 2, as written) equal those of
//     full records is the same item and is not added again. Its example numbers, if any, go to
//     every one of those full records that has none (a caption and its index term often share
//     class and name, and the learner may pick either hit). Names are compared as written:
//     "読書・読書法" stays beside "読書．読書法", because the middle dot cuts a name into keywords
//     (読書, 読書法) and the full-width period does not, so only the first is found under 読書.
//  3. Every other sample record is added with the next free id after the full master's largest,
//     and the sort number of the full records of its class number, or of the longest leading part
//     of it that the full master has ("/291.09" takes that of "/291"), so that its hits sort among
//     its class's. It is placed after the last full record whose sort number is not greater, so
//     the file stays in sort order. Without any such part it keeps its own and goes at the end.
//
// A sample record of fewer than 8 fields is a mistake in our own data: the join refuses it.

#include "datafiles/CommaText.h"
#include "datafiles/FileError.h"
#include "datafiles/NumberText.h"

#include <QHash>
#include <QStringList>
#include <algorithm>

namespace MasterJoin {

/// One record in master-file form: fields joined by commas, a field quoted when the comma-text
/// rule would cut it (a comma, a quote, a blank or a control character in it).
inline QString JoinRecord(const QStringList &fields)
{
    QStringList out;
    for (const QString &field : fields) {
        const bool quote = std::any_of(field.begin(), field.end(),
            [](QChar c) { return c.unicode() <= 32 || c == QLatin1Char(',') || c == QLatin1Char('"'); });
        out.append(quote ? QLatin1Char('"') + QString(field).replace(QLatin1String("\""), QLatin1String("\"\""))
                    + QLatin1Char('"')
                         : field);
    }
    return out.join(QLatin1Char(','));
}

inline bool IsRecordLine(const QString &line)
{
    return !line.isEmpty() && !line.startsWith(QLatin1Char('*'));
}

/// What makes two records the same item: class number and item name.
inline QString ItemIdentity(const QStringList &fields)
{
    return fields[1] + QLatin1Char('\n') + fields[2];
}

/// The joined master (lines), by the rules above. Throws FileError for a short sample record.
inline QStringList JoinItemMasters(const QStringList &full, const QStringList &sample)
{
    struct Line
    {
        QString text;
        QStringList fields; // empty for comments and blank lines
    };
    QVector<Line> lines;
    QHash<QString, QVector<int>> byItem; // ItemIdentity → indexes into lines
    QHash<QString, QString> sortOfClass;
    int lastId = 0;
    for (const QString &text : full) {
        Line line {text, {}};
        if (IsRecordLine(text)) {
            line.fields = SplitCommaText(text);
            if (line.fields.size() >= 8) {
                byItem[ItemIdentity(line.fields)].append(lines.size());
                sortOfClass.insert(line.fields[1], line.fields[7]);
                lastId = std::max(lastId, ReadInt(line.fields[0]));
            } else {
                line.fields.clear(); // kept as written; the builder skips it as it would have
            }
        }
        lines.append(line);
    }

    struct Added
    {
        int sort;
        bool placed; // false: no class of the full master to sort it among
        QString text;
    };
    QVector<Added> added;
    for (int i = 0; i < sample.size(); ++i) {
        if (!IsRecordLine(sample.at(i)))
            continue;
        QStringList fields = SplitCommaText(sample.at(i));
        if (fields.size() < 8)
            throw FileError(QStringLiteral("sample item master, line %1: %2 fields, an item needs 8")
                                .arg(i + 1)
                                .arg(fields.size()));
        const auto same = byItem.constFind(ItemIdentity(fields));
        if (same != byItem.constEnd()) {
            if (!fields[6].isEmpty()) {
                for (int at : *same) {
                    Line &line = lines[at];
                    if (line.fields[6].isEmpty()) {
                        line.fields[6] = fields[6];
                        line.text = JoinRecord(line.fields);
                    }
                }
            }
            continue;
        }
        QString sort;
        for (qsizetype length = fields[1].size(); length > 1 && sort.isEmpty(); --length)
            sort = sortOfClass.value(fields[1].left(length));
        const bool placed = !sort.isEmpty();
        if (placed)
            fields[7] = sort;
        fields[0] = QString::number(++lastId);
        added.append({ReadInt(fields[7]), placed, JoinRecord(fields)});
    }
    std::stable_sort(added.begin(), added.end(),
        [](const Added &a, const Added &b) { return a.placed != b.placed ? a.placed : a.sort < b.sort; });

    QStringList out;
    int next = 0;
    for (const Line &line : lines) {
        if (!line.fields.isEmpty()) {
            const int sort = ReadInt(line.fields[7]);
            while (next < added.size() && added[next].placed && added[next].sort < sort)
                out.append(added[next++].text);
        }
        out.append(line.text);
    }
    while (next < added.size())
        out.append(added[next++].text);
    return out;
}

} // namespace MasterJoin
