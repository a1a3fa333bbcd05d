// Index and example builders: the real builders against the line-by-line reference builders on a
// large master file, with a check that both leave byte-identical trees; and the keyword searches
// over the index built. Master: "StudyTaxel/Koumoku_All.csv" under $TAXEL_NDC9 (or the CMake
// cache path TAXEL_NDC9) when present, otherwise 54,000 generated records; examples: 10,000
// generated ones.
//
//   bench_index                                   everything (the reference builds take a while)
//   bench_index --benchmark_filter='IndexBuild/|Search'   the real builder and the searches only
// The trees of the last timed builds are compared afterwards (and again after a second build
// over them); the exit status is 1 when they differ.

#include "GeneratedMaster.h"
#include "IndexTestData.h"
#include "ReferenceBuilders.h"

#include "datafiles/DataRoot.h"
#include "index/ExampleBuilder.h"
#include "index/ItemIndexBuilder.h"
#include "index/KeywordSearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <random>

namespace {

QTemporaryDir *g_work = nullptr;
QString g_itemMaster; // bytes of the master files live here; each build gets a fresh root
QString g_exampleMaster;
QString g_masterSource;
int g_roots = 0;

// Roots of the last timed builds, compared afterwards, and the best times for the summary.
QString g_fastIndexRoot, g_slowIndexRoot, g_fastExampleRoot, g_slowExampleRoot;
double g_fastIndexMs = 0, g_slowIndexMs = 0, g_fastExampleMs = 0, g_slowExampleMs = 0;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

/// The item master: the real one when it can be found, else generated records in code page 932.
void prepareItemMaster()
{
    g_itemMaster = g_work->path() + QStringLiteral("/Koumoku_All.csv");
    QString ndc9 = qEnvironmentVariable("TAXEL_NDC9");
    if (ndc9.isEmpty())
        ndc9 = QStringLiteral(TAXEL_NDC9_DEFAULT);
    const QString real = ndc9 + QStringLiteral("/StudyTaxel/Koumoku_All.csv");
    QFile file(real);
    if (file.open(QIODevice::ReadOnly)) {
        writeFile(g_itemMaster, file.readAll());
        g_masterSource = QFileInfo(real).canonicalFilePath();
        return;
    }
    LineList master;
    master.lines() = GenerateItemMaster(2024, 54000);
    master.setEncoding(LineList::Encoding::Cp932);
    writeFile(g_itemMaster, master.toBytes());
    g_masterSource = QStringLiteral("54,000 generated records");
}

/// 10,000 examples: plain numbers from 1 to 20,000 in random order (so the builder keeps moving
/// between blocks) and a quarter lettered.
void prepareExampleMaster()
{
    g_exampleMaster = g_work->path() + QStringLiteral("/Reidai_All.csv");
    std::mt19937 rng(7);
    LineList master;
    for (int i = 0; i < 10000; ++i) {
        const int n = std::uniform_int_distribution<int>(1, 20000)(rng);
        const QString number = i % 4 == 0 ? QStringLiteral("%1%2").arg(QChar(u'a' + i % 6)).arg(n) : QString::number(n);
        master.add(QStringLiteral("%1,図書館の歴史 %2,ヒント：図書館で探す,010.2,016.2").arg(number).arg(i));
    }
    master.setEncoding(LineList::Encoding::Cp932);
    writeFile(g_exampleMaster, master.toBytes());
}

/// A new data root with an empty output folder and the master file.
/// Trees are never deleted between runs: on some file systems mass deletion slows down the
/// creation of files for minutes afterwards, which would measure the benchmark, not the builder.
QString freshRoot(const QString &masterCopy, const QString &masterName, const QString &outputFolder)
{
    const QString root = g_work->path() + QStringLiteral("/root%1").arg(++g_roots);
    QDir().mkpath(root + QStringLiteral("/StudyTaxel/") + outputFolder);
    QFile::link(masterCopy, root + QStringLiteral("/StudyTaxel/") + masterName);
    return root;
}

QString freshIndexRoot()
{
    return freshRoot(g_itemMaster, QStringLiteral("Koumoku_All.csv"), QStringLiteral("KoumokuIndex"));
}

QString freshExampleRoot()
{
    return freshRoot(g_exampleMaster, QStringLiteral("Reidai_All.csv"), QStringLiteral("ReidaiData"));
}

/// Runs \a build once per iteration in a fresh root; keeps the last root and the best time.
template <typename Build>
void timeBuilds(benchmark::State &state, QString (*makeRoot)(), QString &lastRoot, double &bestMs, Build build)
{
    int result = 0;
    for (auto _ : state) {
        state.PauseTiming();
        lastRoot = makeRoot();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        result = build(DataTree(lastRoot));
        const double ms = timer.nsecsElapsed() / 1e6;
        bestMs = bestMs == 0 ? ms : std::min(bestMs, ms);
    }
    state.counters["result"] = result;
}

void BM_IndexBuild(benchmark::State &state)
{
    timeBuilds(state, freshIndexRoot, g_fastIndexRoot, g_fastIndexMs,
        [](const DataTree &tree) { return MakeKoumokuIndex(tree, [](const QString &) {}); });
}

void BM_IndexBuildReference(benchmark::State &state)
{
    timeBuilds(state, freshIndexRoot, g_slowIndexRoot, g_slowIndexMs,
        [](const DataTree &tree) { return reference::MakeKoumokuIndex(tree); });
}

void BM_ExampleBuild(benchmark::State &state)
{
    timeBuilds(state, freshExampleRoot, g_fastExampleRoot, g_fastExampleMs,
        [](const DataTree &tree) { return MakeReidaiData(tree, [](const QString &) {}); });
}

/// The example master of the full tree: the sample's examples and the real books of the class sets.
void BM_ExampleBuildFullTree(benchmark::State &state)
{
    QString ndc9 = qEnvironmentVariable("TAXEL_NDC9");
    if (ndc9.isEmpty())
        ndc9 = QStringLiteral(TAXEL_NDC9_DEFAULT);
    const QString master = ndc9 + QStringLiteral("/StudyTaxel/Reidai_All.csv");
    if (!QFile::exists(master)) {
        state.SkipWithError("no full tree");
        return;
    }
    int result = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const DataTree tree(freshRoot(master, QStringLiteral("Reidai_All.csv"), QStringLiteral("ReidaiData")));
        state.ResumeTiming();
        result = MakeReidaiData(tree, [](const QString &) {});
    }
    state.counters["examples"] = result;
}

void BM_ExampleBuildReference(benchmark::State &state)
{
    timeBuilds(state, freshExampleRoot, g_slowExampleRoot, g_slowExampleMs,
        [](const DataTree &tree) { return reference::MakeReidaiData(tree); });
}

const char16_t *const kQueries[] = {u"図書館", u"日本", u"小説", u"日本 歴史", u"教育", u"化学", u"学校/図書館"};

void BM_SearchAnd(benchmark::State &state)
{
    const DataTree tree(g_fastIndexRoot);
    const QString query = QString::fromUtf16(kQueries[state.range(0)]);
    int hits = 0;
    for (auto _ : state)
        hits = SearchKoumokuAnd(tree, query, state.range(1) != 0).result;
    state.SetLabel(query.toStdString() + (state.range(1) ? " exact" : ""));
    state.counters["hits"] = hits;
}

void BM_SearchOr(benchmark::State &state)
{
    const DataTree tree(g_fastIndexRoot);
    const QString query = QStringLiteral("図書館 日本史 小説");
    int hits = 0;
    for (auto _ : state)
        hits = SearchKoumokuOr(tree, query, false).result;
    state.SetLabel(query.toStdString());
    state.counters["hits"] = hits;
}

/// Compares the output folders of two roots byte for byte.
bool sameTrees(const char *what, const QString &folder, const QString &fastRoot, const QString &slowRoot)
{
    const auto fast = SnapshotTree(fastRoot + QStringLiteral("/StudyTaxel/") + folder);
    const auto slow = SnapshotTree(slowRoot + QStringLiteral("/StudyTaxel/") + folder);
    const bool same = fast == slow;
    std::printf("%-34s %6lld files, fast and reference trees %s\n", what, static_cast<long long>(fast.size()),
        same ? "byte-identical" : "DIFFER");
    return same;
}

} // namespace

BENCHMARK(BM_IndexBuild)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_IndexBuildReference)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SearchAnd)->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {0}})->Args({0, 1})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchOr)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExampleBuild)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExampleBuildReference)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ExampleBuildFullTree)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    g_work = &work;
    prepareItemMaster();
    prepareExampleMaster();
    std::printf("item master: %s\n", qPrintable(g_masterSource));
    std::fflush(stdout);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    bool identical = true;
    auto summary = [](const char *what, double slow, double fast) {
        if (slow > 0 && fast > 0)
            std::printf("%-34s reference %9.0f ms, fast %7.0f ms: %.1f times faster\n", what, slow, fast, slow / fast);
    };
    summary("item index build", g_slowIndexMs, g_fastIndexMs);
    summary("example build", g_slowExampleMs, g_fastExampleMs);
    if (!g_fastIndexRoot.isEmpty() && !g_slowIndexRoot.isEmpty()) {
        identical &= sameTrees("item index", QStringLiteral("KoumokuIndex"), g_fastIndexRoot, g_slowIndexRoot);
        MakeKoumokuIndex(DataTree(g_fastIndexRoot), [](const QString &) {});
        reference::MakeKoumokuIndex(DataTree(g_slowIndexRoot));
        identical &= sameTrees(
            "item index, built a second time", QStringLiteral("KoumokuIndex"), g_fastIndexRoot, g_slowIndexRoot);
    }
    if (!g_fastExampleRoot.isEmpty() && !g_slowExampleRoot.isEmpty()) {
        identical &= sameTrees("example files", QStringLiteral("ReidaiData"), g_fastExampleRoot, g_slowExampleRoot);
        MakeReidaiData(DataTree(g_fastExampleRoot), [](const QString &) {});
        reference::MakeReidaiData(DataTree(g_slowExampleRoot));
        identical &= sameTrees(
            "example files, built a second time", QStringLiteral("ReidaiData"), g_fastExampleRoot, g_slowExampleRoot);
    }
    return identical ? 0 : 1;
}
