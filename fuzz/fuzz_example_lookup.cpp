#include "FuzzSupport.h"

#include "datafiles/DataRoot.h"
#include "index/ExampleLookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The input is an example number (first line) and the text of every example file the lookup may
// read; the lookup answers with a code for every caller, set and mode, and never reads past a line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    EnsureApplication();
    // one file in memory-backed storage where there is some; every name the lookup may open
    // links to it, so each run writes once
    static QTemporaryDir root(
        (QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath())
        + QStringLiteral("/taxel-fuzz-XXXXXX"));
    static const QString examples = root.path() + QStringLiteral("/StudyTaxel/ReidaiData/REI_A.txt");
    static const bool made = [] {
        QDir(root.path()).mkpath(QStringLiteral("StudyTaxel/ReidaiData"));
        QFile(examples).open(QIODevice::WriteOnly);
        for (const char *name :
            {"REI_B.txt", "REI_F.txt", "REI_hojo.txt", "REI_0.txt", "REI_1.txt", "REI_kihon.txt", "REI_all.txt"})
            QFile::link(examples, root.path() + QStringLiteral("/StudyTaxel/ReidaiData/") + QString::fromLatin1(name));
        return true;
    }();
    (void)made;

    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const qsizetype cut = bytes.indexOf('\n');
    const QString number = QString::fromUtf8(cut < 0 ? bytes : bytes.left(cut));
    const QByteArray file = cut < 0 ? QByteArray() : bytes.mid(cut + 1);
    QFile out(examples);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(file);
    out.close();
    const DataTree tree(root.path());
    for (int slot = 1; slot <= 4; ++slot)
        (void)FindReidai(tree, number, ExampleSlot(slot), 0, false);
    for (int setCode : {0, 1, 2, 12, 21, 22, 30})
        for (bool fixed : {false, true})
            (void)FindReidai(tree, number, ExampleCaller::Practice, setCode, fixed);
    return 0;
}
