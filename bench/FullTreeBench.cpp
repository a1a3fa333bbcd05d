// The searches of the full tree, as the windows run them: the item search window's keyword
// searches over the full keyword index, and the analysis window's schedule lookup of every class
// number the relative index names. Every call is timed by itself; the counters give the median
// and the worst call (the first call of a run pays for the converters and the collator).
//
//   bench_fulltree [--benchmark_filter=...]
// The tree: $TAXEL_FULL_TREE, else the build's full tree (the folder that holds StudyTaxel/).

#include "analysis/AnalysisData.h"
#include "analysis/AnalysisState.h"
#include "analysis/ClassEntry.h"
#include "datafiles/CommaText.h"
#include "datafiles/DataRoot.h"
#include "datafiles/LineList.h"
#include "index/KeywordSearch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

namespace {

DataTree g_tree; ///< the full tree measured, set once at the start

/// Times of single calls, in microseconds.
struct Times
{
    std::vector<double> us;
    double median()
    {
        std::sort(us.begin(), us.end());
        return us.empty() ? 0 : us[us.size() / 2];
    }
    double worst() const { return us.empty() ? 0 : *std::max_element(us.begin(), us.end()); }
};

struct Summary
{
    const char *what;
    double worstMedianUs = 0;
    double worstUs = 0;
};
Summary g_search {"keyword search (every query and mode)"};
Summary g_lookup {"schedule lookup (search key and hit list)"};
Summary g_enter {"Enter in the analysis window and the analysis"};

void report(benchmark::State &state, Times &times, Summary &summary)
{
    const double median = times.median();
    state.counters["median_us"] = median;
    state.counters["worst_us"] = times.worst();
    summary.worstMedianUs = std::max(summary.worstMedianUs, median);
    summary.worstUs = std::max(summary.worstUs, times.worst());
}

template <typename Call> double timeOne(benchmark::State &state, Call call)
{
    QElapsedTimer timer;
    timer.start();
    call();
    const double us = timer.nsecsElapsed() / 1e3;
    state.SetIterationTime(us / 1e6);
    return us;
}

void search(benchmark::State &state, const QString &query, bool orSearch, bool exact)
{
    Times times;
    int hits = 0;
    for (auto _ : state)
        times.us.push_back(timeOne(state, [&] {
            hits = (orSearch ? SearchKoumokuOr(g_tree, query, exact) : SearchKoumokuAnd(g_tree, query, exact)).result;
        }));
    state.counters["hits"] = hits;
    report(state, times, g_search);
}

/// Every class number of the item master, once: schedule numbers and the built numbers the
/// relative index points to (678.2102).
QStringList itemClassNumbers()
{
    LineList master;
    master.loadFromFile(g_tree.path(u"StudyTaxel/Koumoku_All.csv"));
    QStringList numbers;
    for (const QString &line : master.lines()) {
        if (line.startsWith(QLatin1Char('*')))
            continue;
        const QStringList fields = SplitCommaText(line);
        if (fields.size() >= 8 && fields[1].startsWith(QLatin1Char('/')))
            numbers.append(fields[1].mid(1, 8));
    }
    numbers.removeDuplicates();
    return numbers;
}

/// The lookup alone, on the loaded schedule of each number's main class, every number in turn.
void BM_ScheduleLookup(benchmark::State &state)
{
    const QStringList numbers = itemClassNumbers();
    QStringList schedules[10];
    for (int d = 0; d <= 9; ++d) {
        LineList list;
        list.loadFromFile(g_tree.path(ScheduleFilePath(d)));
        schedules[d] = list.lines();
    }
    Times times;
    qsizetype next = 0;
    qsizetype hits = 0;
    for (auto _ : state) {
        const QString &number = numbers.at(next++ % numbers.size());
        const QStringList &schedule = schedules[std::clamp(MainClassOfEntry(number), 0, 9)];
        times.us.push_back(timeOne(state, [&] { hits += ScheduleHitsFor(number, schedule).size(); }));
    }
    state.counters["numbers"] = numbers.size();
    benchmark::DoNotOptimize(hits);
    report(state, times, g_lookup);
}

/// Every schedule number of the tree, in file order.
QStringList scheduleNumbers(const AnalysisData &data)
{
    QStringList numbers;
    for (int d = 0; d <= 9; ++d)
        for (const QString &line : data.schedule(d).lines)
            numbers.append(SplitCommaText(line).value(0).mid(1));
    return numbers;
}

/// What the analysis window does for a number typed and entered, on data read once: the lookup,
/// and the analysis of the number's own line (the first hit) as a click on it makes it.
void analyseOne(const AnalysisData &data, const QString &number, AnalysisState &view)
{
    view.entry = number;
    view.enter(data);
    if (view.hits.size() > 1)
        view.pickHit(data, 0);
}

/// Enter in the analysis window and the analysis of the line, for every item number in turn.
void BM_AnalysisEnter(benchmark::State &state)
{
    const QStringList numbers = itemClassNumbers();
    const AnalysisData data = AnalysisData::load(g_tree);
    AnalysisState view;
    Times times;
    qsizetype next = 0;
    for (auto _ : state) {
        const QString &number = numbers.at(next++ % numbers.size());
        times.us.push_back(timeOne(state, [&] { analyseOne(data, number, view); }));
        benchmark::DoNotOptimize(view.basicPart);
    }
    report(state, times, g_enter);
}

/// The whole tree in one process: the data read, then every schedule number analysed as above.
void BM_WholeTreeAnalysis(benchmark::State &state)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const AnalysisData data = AnalysisData::load(g_tree);
        const double loadMs = timer.nsecsElapsed() / 1e6;
        const QStringList numbers = scheduleNumbers(data);
        AnalysisState view;
        qsizetype named = 0;
        qsizetype withFormula = 0;
        qsizetype withEntry = 0;
        for (const QString &number : numbers) {
            analyseOne(data, number, view);
            named += !view.mainClassName.isEmpty();
            withFormula += std::any_of(view.rows.begin(), view.rows.end(), [](const FormulaRow &r) { return r.kind; });
            withEntry
                += std::any_of(view.rows.begin(), view.rows.end(), [](const FormulaRow &r) { return r.entry.found(); });
        }
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        state.counters["numbers"] = numbers.size();
        state.counters["named"] = named;
        state.counters["with_formula"] = withFormula;
        state.counters["with_entry"] = withEntry;
        state.counters["load_ms"] = loadMs;
    }
}

void registerSearches()
{
    const char16_t *const queries[]
        = {u"図書館", u"日本", u"歴史", u"日本 史", u"日本 歴史", u"図書館 学校", u"小説 日本 文学"};
    for (const char16_t *q : queries) {
        const QString query = QString::fromUtf16(q);
        for (int mode = 0; mode < 4; ++mode) {
            const bool orSearch = mode >= 2;
            const bool exact = mode % 2 == 1;
            const std::string name = std::string("Search/") + (orSearch ? "OR" : "AND")
                + (exact ? "/exact/" : "/partial/") + query.toStdString();
            benchmark::RegisterBenchmark(name.c_str(), [=](benchmark::State &s) { search(s, query, orSearch, exact); })
                ->UseManualTime()
                ->Iterations(200)
                ->Unit(benchmark::kMicrosecond);
        }
    }
}

} // namespace

BENCHMARK(BM_ScheduleLookup)->UseManualTime()->Iterations(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnalysisEnter)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeTreeAnalysis)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString tree = qEnvironmentVariable("TAXEL_FULL_TREE");
    if (tree.isEmpty())
        tree = QStringLiteral(TAXEL_FULL_TREE_DEFAULT);
    if (!QFileInfo::exists(tree + QStringLiteral("/StudyTaxel/KoumokuIndex"))) {
        std::fprintf(stderr, "no built full tree under %s (build the project first, or set TAXEL_FULL_TREE)\n",
            qPrintable(tree));
        return 1;
    }
    g_tree = DataTree(tree);
    std::printf("tree: %s\n", qPrintable(QFileInfo(tree).canonicalFilePath()));
    std::fflush(stdout);

    registerSearches();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    for (const Summary *s : {&g_search, &g_lookup, &g_enter})
        if (s->worstUs > 0)
            std::printf("%-44s median %7.1f us at most, worst call %7.1f us\n", s->what, s->worstMedianUs, s->worstUs);
    return 0;
}
