#include "FuzzSupport.h"

#include "analysis/AuxTables.h"
#include "analysis/ClassEntry.h"
#include "analysis/CodeMatch.h"
#include "analysis/Decomposition.h"
#include "analysis/Synthesis.h"
#include "datafiles/LineList.h"

// The input holds an entry, schedule lines, section lines and table entries, separated by lines
// "%%". Every hit is analysed, its formulas applied and its extension re-analysed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    EnsureApplication();
    LineList list;
    list.loadFromBytes(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    QList<QStringList> parts {{}};
    for (const QString &line : list.lines()) {
        if (line == QLatin1String("%%"))
            parts.append(QStringList());
        else
            parts.last().append(line);
    }
    while (parts.size() < 4)
        parts.append(QStringList());
    const QString entry = parts[0].value(0);
    const QStringList &schedule = parts[1];
    const QStringList &sections = parts[2];
    AuxTables tables;
    for (int t = 0; t < AuxTableCount; ++t)
        tables.entries[static_cast<std::size_t>(t)] = parts[3];

    (void)CheckClassEntry(entry);
    const int division = DivisionOfEntry(entry);
    const QString key = FindSearchKey(entry, schedule);
    QStringList hits;
    ListScheduleHits(key, schedule, hits);
    for (const QString &hit : hits) {
        const ClassAnalysis analysis = AnalyzeScheduleLine(entry, hit, sections);
        for (int slot = 0; slot < analysis.formulas.size(); ++slot)
            (void)ReadSynthesisField(analysis.formulas[slot], slot + 1, tables, division);
        (void)MatchExtensionCode(analysis.finalExtension, tables, division);
        (void)KindCaptionText(analysis.firstKind, analysis.secondKind);
    }
    for (int kind = -1; kind <= 15; ++kind)
        (void)LookupAuxItem(tables, division, kind, entry);
    return 0;
}
