// The program on the full tree, offscreen: how long until the main window is shown (the first
// time, from the start of the application, and again once everything is loaded), and how much
// memory the program holds after the windows have been shown and searched in.
//
//   bench_windows [--benchmark_filter=...]
// The tree: $TAXEL_FULL_TREE, else the build's full tree. QT_QPA_PLATFORM defaults to offscreen.

#include "app/Fonts.h"
#include "app/TaxelApplication.h"
#include "app/TaxelWindows.h"
#include "app/U_taxel.h"
#include "datafiles/DataRoot.h"
#include "ui/Messages.h"
#include "ui/U_koumoku.h"
#include "ui/U_saimoku.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

DataTree g_tree; ///< the full tree, set once at the start
MessageRecorder g_messages; ///< what the windows would have shown

/// The services of the program on \a tree (its data read as the program reads it), but with the
/// messages recorded, nothing handed to the desktop and no desktop entry written.
WindowServices benchServices(const DataTree &tree)
{
    WindowServices services = ProgramServices(tree);
    services.show = g_messages.sink();
    services.openUrl = [](const QUrl &) {};
    services.desktopFolder.clear();
    return services;
}

/// Shows \a window and lets events run until the platform has exposed and painted it.
void showAndWait(QWidget *window)
{
    window->show();
    QElapsedTimer timer;
    timer.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

/// Types \a text into the line edit \a name of \a window and presses Enter, as a user does.
void typeAndEnter(QWidget *window, const char *name, const QString &text)
{
    auto *edit = window->findChild<QLineEdit *>(QString::fromLatin1(name));
    if (!edit)
        return;
    edit->setFocus();
    edit->setText(text);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(edit, &release);
    QCoreApplication::processEvents();
}

/// A value of /proc/self/status in kilobytes ("VmHWM", "VmRSS"); 0 where there is none.
long statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key) + 1).trimmed().split(' ').value(0).toLong();
    return 0;
}

void BM_MainWindowShown(benchmark::State &state)
{
    for (auto _ : state) {
        auto windows = std::make_unique<TaxelWindows>(benchServices(g_tree), false);
        showAndWait(&windows->mainForm());
        state.PauseTiming();
        windows.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QString tree = qEnvironmentVariable("TAXEL_FULL_TREE");
    if (tree.isEmpty())
        tree = QString::fromUtf8(TAXEL_FULL_TREE_DEFAULT);
    if (!QFileInfo::exists(tree + QStringLiteral("/StudyTaxel/KoumokuIndex"))) {
        std::fprintf(stderr, "no built full tree under %s (build the project first, or set TAXEL_FULL_TREE)\n",
            qPrintable(tree));
        return 1;
    }

    // the program's own start: application, fonts, the five windows, the main window shown
    // (without touching the desktop, and with the windows' messages recorded, not shown)
    TaxelApplication app(argc, argv);
    g_tree = DataTree(tree);
    InstallFontSubstitutions();
    auto windows = std::make_unique<TaxelWindows>(benchServices(g_tree), false);
    showAndWait(&windows->mainForm());
    const double firstShownMs = sinceStart.nsecsElapsed() / 1e6;
    std::printf("tree: %s\nmain window first shown %.0f ms after the start of main\n",
        qPrintable(QFileInfo(tree).canonicalFilePath()), firstShownMs);
    std::fflush(stdout);

    // a learner's session: both search windows shown and used on the full tree
    showAndWait(&windows->itemSearch());
    typeAndEnter(&windows->itemSearch(), "Ekoumoku", QStringLiteral("日本"));
    typeAndEnter(&windows->itemSearch(), "Ekoumoku", QStringLiteral("日本 史"));
    showAndWait(&windows->analysis());
    typeAndEnter(&windows->analysis(), "Esaimoku", QStringLiteral("913.6"));
    typeAndEnter(&windows->analysis(), "Esaimoku", QStringLiteral("336.1"));
    std::printf("memory after showing and searching in the windows: peak %ld KB, resident %ld KB\n", statusKb("VmHWM:"),
        statusKb("VmRSS:"));
    std::fflush(stdout);
    windows.reset();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
