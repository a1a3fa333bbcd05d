// taxel-sample SRC DST [FULL [AOZORA]]: makes the runnable tree DST/StudyTaxel from the readable sources in
// SRC (a folder laid out like StudyTaxel/).
//  - *.txt and *.csv (UTF-8) are written in code page 932 with CR LF, as data authors deliver them;
//  - NAME.pdf.txt is rendered to the PDF NAME.pdf: pages are separated by a line "----page----",
//    each page's first line is its heading, and the page number is printed at the foot;
//  - everything else is copied;
//  - with FULL, a second source folder laid out the same way: its files take the place of SRC's
//    files of the same name, except the item master, which joins both (MasterJoin.h);
//  - with FULL, the tables are completed and the section files derived from the schedules
//    (FullTreeDerivation.h); the comparison with the sample's section lines goes to
//    DST/section-derivation.txt;
//  - with AOZORA (the catalogue works.tsv), the real books join the class sets and the drills the
//    auxiliary-table sets (PracticeContent.h);
//  - then the keyword index and the example files are built from the master files.

#include "FullTreeDerivation.h"
#include "MasterJoin.h"
#include "PracticeContent.h"
#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "datafiles/LineList.h"
#include "index/ExampleBuilder.h"
#include "index/ItemIndexBuilder.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSet>
#include <QTextStream>
#include <cstdio>

namespace {

QString readUtf8(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("cannot read %1").arg(path));
    return QString::fromUtf8(file.readAll());
}

QStringList readUtf8Lines(const QString &path)
{
    return LineList::splitLines(readUtf8(path));
}

void saveLines(const QStringList &lines, const QString &to)
{
    LineList list;
    list.lines() = lines;
    list.saveToFile(to);
}

void convertText(const QString &from, const QString &to)
{
    saveLines(readUtf8Lines(from), to);
}

void renderPdf(const QString &from, const QString &to)
{
    QStringList pages {QString()};
    for (const QString &line : LineList::splitLines(readUtf8(from))) {
        if (line.trimmed() == QLatin1String("----page----"))
            pages.append(QString());
        else
            pages.last() += line + QLatin1Char('\n');
    }
    QPdfWriter writer(to);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(150);
    writer.setTitle(QFileInfo(to).completeBaseName());
    writer.setCreator(QStringLiteral("Taxel sample data"));
    QPainter painter(&writer);
    const QRect page = painter.viewport();
    const int margin = 120;
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        QString text = pages.at(i).trimmed();
        const QString heading = text.section(QLatin1Char('\n'), 0, 0);
        const QString body = text.section(QLatin1Char('\n'), 1);
        QFont headingFont(QStringLiteral("Noto Sans CJK JP"));
        headingFont.setPointSize(20);
        headingFont.setBold(true);
        painter.setFont(headingFont);
        const QRect headingRect(margin, margin, page.width() - 2 * margin, 140);
        painter.drawText(headingRect, Qt::AlignLeft | Qt::TextWordWrap, heading);
        QFont bodyFont(QStringLiteral("Noto Sans CJK JP"));
        bodyFont.setPointSize(12);
        painter.setFont(bodyFont);
        painter.drawText(QRect(margin, margin + 170, page.width() - 2 * margin, page.height() - 2 * margin - 260),
            Qt::AlignLeft | Qt::TextWordWrap, body);
        painter.drawText(
            QRect(0, page.height() - margin, page.width(), 60), Qt::AlignHCenter, QStringLiteral("- %1 -").arg(i + 1));
    }
}

/// Copies SRC (after FULL's files, which come first: a name written once is not written again from
/// SRC) into \a target, converting the texts and rendering the documents; the item masters of the
/// two are joined.
void makeFiles(const QString &source, const QString &full, const QString &target)
{
    const QString itemMaster = QStringLiteral("Koumoku_All.csv");
    QSet<QString> written;
    QStringList relatives;
    QStringList origins;
    for (const QString &folder : full.isEmpty() ? QStringList {source} : QStringList {full, source}) {
        QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relative = QDir(folder).relativeFilePath(it.next());
            if (written.contains(relative))
                continue;
            written.insert(relative);
            relatives.append(relative);
            origins.append(folder);
        }
    }
    for (int i = 0; i < relatives.size(); ++i) {
        const QString &relative = relatives.at(i);
        const QString from = origins.at(i) + QLatin1Char('/') + relative;
        QString to = target + QLatin1Char('/') + relative;
        if (!full.isEmpty() && relative == itemMaster && QFileInfo::exists(source + QLatin1Char('/') + itemMaster)) {
            saveLines(MasterJoin::JoinItemMasters(readUtf8Lines(full + QLatin1Char('/') + itemMaster),
                          readUtf8Lines(source + QLatin1Char('/') + itemMaster)),
                to);
            continue;
        }
        QDir().mkpath(QFileInfo(to).path());
        if (to.endsWith(QLatin1String(".pdf.txt"))) {
            to.chop(4);
            renderPdf(from, to);
        } else if (to.endsWith(QLatin1String(".txt")) || to.endsWith(QLatin1String(".csv"))) {
            convertText(from, to);
        } else {
            QFile::remove(to);
            if (!QFile::copy(from, to))
                throw FileError(QStringLiteral("cannot copy %1").arg(from));
        }
    }
}

/// Builds the keyword index and the example files of \a tree from its master files; false when a
/// builder fails.
bool buildFromMasters(const DataTree &tree, QTextStream &out)
{
    auto print = [&out](const QString &text) { out << text << '\n'; };
    if (DataRoot::fileExists(tree.path(u"StudyTaxel/Koumoku_All.csv"))) {
        QElapsedTimer timer;
        timer.start();
        const int lines = MakeKoumokuIndex(tree, print);
        out << "keyword index: " << lines << " lines in " << timer.elapsed() << " ms\n";
        if (lines < 0)
            return false;
    }
    if (DataRoot::fileExists(tree.path(u"StudyTaxel/Reidai_All.csv"))) {
        const int examples = MakeReidaiData(tree, print);
        out << "examples: " << examples << '\n';
        if (examples < 0)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3 || args.size() > 5) {
        out << "usage: taxel-sample SRC DST [FULL [AOZORA]]\n";
        return 2;
    }
    const QString source = QDir(args.at(1)).absolutePath();
    const QString root = QDir(args.at(2)).absolutePath();
    const QString full = args.size() >= 4 ? QDir(args.at(3)).absolutePath() : QString();
    const QString aozora = args.size() == 5 ? QFileInfo(args.at(4)).absoluteFilePath() : QString();
    const QString target = root + QStringLiteral("/StudyTaxel");
    try {
        QDir(target).removeRecursively();
        QDir().mkpath(target);
        for (const char *folder : {"Bin", "KoumokuIndex", "ReidaiData", "TaxelData", "SaimokuData"})
            QDir(target).mkpath(QString::fromLatin1(folder));
        makeFiles(source, full, target);
        if (!full.isEmpty())
            for (const QString &line :
                FullTreeDerivation::DeriveTree(target, root + QStringLiteral("/section-derivation.txt")))
                out << line << '\n';
        const DataTree tree(root);
        if (!aozora.isEmpty()) {
            QElapsedTimer timer;
            timer.start();
            for (const QString &line : PracticeContent::AddToTree(tree, aozora))
                out << line << '\n';
            out << "practice content in " << timer.elapsed() << " ms\n";
        }
        if (!buildFromMasters(tree, out))
            return 1;
    } catch (const FileError &error) {
        out << "taxel-sample: " << error.text() << '\n';
        return 1;
    }
    return 0;
}
