#include "FuzzSupport.h"

#include "analysis/AnalysisData.h"
#include "analysis/AnalysisState.h"
#include "analysis/SynthesisRules.h"
#include "datafiles/LineList.h"
#include "learning/AnswerJudge.h"

// The input holds entries, schedule lines, section lines and table entries, separated by lines
// "%%". The analysis window's state takes every entry and every action on it; the rules of
// synthesis read every schedule number and entry; the read-back and the judge read each entry.
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
    AnalysisData analysis;
    for (int t = 0; t < AuxTableCount; ++t)
        analysis.tables.entries[static_cast<std::size_t>(t)] = parts[3];
    for (int d = 0; d <= 9; ++d) {
        analysis.setSchedule(d, parts[1]);
        analysis.setSections(d, parts[2]);
    }
    AnalysisState window;
    for (const QString &entry : parts[0].mid(0, 8)) {
        window.entry = entry;
        window.enter(analysis);
        for (int row = 0; row < window.hits.size() && row < 4; ++row)
            window.pickHit(analysis, row);
        window.reanalyze(analysis);
        window.pickSection(0);
        for (int kind = 0; kind <= 10; ++kind)
            window.setBox(kind, kind % 2 == 0);
        (void)ReadClassNumber(entry, analysis);
        (void)JudgeAnswer(entry, parts[3].value(0), analysis);
        (void)analysis.synthesis().synthesisOf(entry).descriptor();
    }
    for (const QString &line : parts[1].mid(0, 64)) {
        const QString number = line.section(QLatin1Char(','), 0, 0).mid(1);
        const SectionSynthesis s = analysis.synthesis().synthesisOf(number);
        (void)s.formulas(DigitsOf(number));
    }
    window.resetAll();
    return 0;
}
