#pragma once

// Straightforward builders that do exactly what the builders' algorithms say, one step at a time:
// every index line loads its index file, adds the line and saves it again, and every change of
// example block saves the block left and loads the one entered. They are slow and obviously right,
// and the fast builders must leave the very same bytes. Used by the tests and the benchmark.

#include "datafiles/DataPaths.h"
#include "datafiles/DataRoot.h"
#include "datafiles/LineList.h"
#include "datafiles/NumberText.h"
#include "index/KeyList.h"

#include <QDir>
#include <array>

namespace reference {

/// The item index builder, line by line. \a koumokuIndex is the reused working list (its encoding
/// carries over from file to file, as in the window that owns it).
inline int MakeKoumokuIndex(const DataTree &tree, LineList &koumokuIndex)
{
    LineList kari;
    const QString master = tree.path(DataPaths::itemMaster());
    if (!DataRoot::fileExists(master))
        return -1;
    kari.loadFromFile(master);
    if (kari.count() < 1)
        return -1;
    const QString root = tree.path(DataPaths::keywordIndexFolder());
    LineList splter;
    int written = 0;
    for (int i = 0; i < kari.count(); ++i) {
        const QString &line = kari[i];
        if (line.startsWith(QLatin1Char('*')))
            continue;
        koumokuIndex.clear();
        splter.splitCommaText(line);
        if (splter.count() < 8 || splter[1].isEmpty() || splter[2].isEmpty())
            continue;
        QString classNumber = splter[1];
        if (classNumber.startsWith(QLatin1Char('/')))
            classNumber = classNumber.mid(1, 8);
        const QString reading = splter[3].left(30);
        QString examples = splter[6];
        if (examples.startsWith(QLatin1Char('/')))
            examples = examples.mid(1, 25);
        const QStringList keyList = MakeKeyList(splter[2], 1);
        for (const QString &keyword : keyList) {
            if (keyword.isEmpty())
                continue;
            QString key = keyword;
            if (key.size() == 1)
                key += QStringLiteral("**");
            else if (key.size() == 2)
                key += QStringLiteral("*");
            const QString x = QString::number(key[0].unicode() % 128);
            const QString y = QString::number(key[1].unicode() % 128);
            const QString z = QString::number(key[2].unicode() % 128);
            QDir().mkdir(root + QLatin1Char('/') + x);
            QDir().mkdir(root + QLatin1Char('/') + x + QLatin1Char('/') + y);
            const QString path = root + QLatin1Char('/') + x + QLatin1Char('/') + y + QLatin1Char('/') + z;
            if (DataRoot::fileExists(path))
                koumokuIndex.loadFromFile(path);
            else
                koumokuIndex.clear();
            koumokuIndex.add(key + QLatin1Char(',') + reading + QLatin1Char(',') + splter[4] + QLatin1Char(',')
                + splter[5] + QLatin1Char(',') + classNumber + QLatin1Char(',') + examples + QLatin1Char(',')
                + splter[7]);
            ++written;
            koumokuIndex.saveToFile(path);
        }
    }
    return written;
}

inline int MakeKoumokuIndex(const DataTree &tree)
{
    LineList koumokuIndex;
    return MakeKoumokuIndex(tree, koumokuIndex);
}

/// The example database builder, step by step.
inline int MakeReidaiData(const DataTree &tree)
{
    LineList kari;
    const QString master = tree.path(DataPaths::exampleMaster());
    if (!DataRoot::fileExists(master))
        return -1;
    kari.loadFromFile(master);
    if (kari.count() < 1)
        return -1;
    const QString folder = tree.path(DataPaths::exampleFolder()) + QLatin1Char('/');
    auto fillTemplate = [](LineList &list, int block) {
        list.clear();
        for (int i = 1; i <= 1000; ++i)
            list.add(QString::number(1000LL * block + i) + QStringLiteral("::空き番号"));
    };
    LineList rei;
    fillTemplate(rei, 0);
    std::array<LineList, 6> reiLetter;
    const QString letters = QStringLiteral("abcdef");
    for (int l = 0; l < 6; ++l) {
        const QString path = folder + QStringLiteral("REI_") + letters[l].toUpper() + QStringLiteral(".txt");
        if (DataRoot::fileExists(path))
            reiLetter[l].loadFromFile(path);
    }
    int block = 0;
    QString blockPath = folder + QStringLiteral("REI_0.txt");
    if (DataRoot::fileExists(blockPath))
        rei.loadFromFile(blockPath);
    int changes = 0, placed = 0;
    std::array<int, 6> added {};
    LineList splter;
    for (int i = 0; i < kari.count(); ++i) {
        const QString &line = kari[i];
        if (line.isEmpty())
            continue;
        splter.splitCommaText(line);
        if (splter.count() < 3 || splter[0].isEmpty())
            continue;
        int letter = -1;
        for (int l = 0; l < 6 && letter < 0; ++l)
            if (splter[0].contains(letters[l]))
                letter = l;
        if (letter >= 0) {
            reiLetter[letter].add(line);
            ++added[letter];
            ++placed;
            continue;
        }
        const int n = ReadInt(splter[0]);
        if (n < 1)
            continue;
        const int b = (n - 1) / 1000, s = (n - 1) % 1000;
        if (b != block) {
            if (changes > 0)
                rei.saveToFile(blockPath);
            block = b;
            blockPath = folder + QStringLiteral("REI_%1.txt").arg(b);
            if (DataRoot::fileExists(blockPath))
                rei.loadFromFile(blockPath);
            else
                fillTemplate(rei, b);
            changes = 0;
        }
        while (rei.count() < s) // a short block file: empty slots up to the one filled
            rei.add(QString::number(1000LL * b + rei.count() + 1) + QStringLiteral("::空き番号"));
        if (s < rei.count())
            rei.put(s, line);
        else
            rei.add(line);
        ++changes;
        ++placed;
    }
    if (changes > 0)
        rei.saveToFile(blockPath);
    for (int l = 0; l < 6; ++l)
        if (added[l] > 0)
            reiLetter[l].saveToFile(folder + QStringLiteral("REI_") + letters[l].toUpper() + QStringLiteral(".txt"));
    return placed;
}

} // namespace reference
