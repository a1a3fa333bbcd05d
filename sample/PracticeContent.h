#pragma once

// The exercises of the full tree's practice sets that come from real content:
//  - real books: the works of the Aozora Bunko catalogue with the numbers the library gave them,
//    in the class sets (plain example numbers in Reidai_All.csv, built into the example blocks);
//  - drills: numbers built from the schedules and tables, one auxiliary table at a time, in the
//    table sets (k-numbered examples in REI_hojo.txt). Each drill is proven before it is kept:
//    the analysis of its answer gives exactly the parts its explanation names, its answer is
//    judged right and the answer with its last digit changed wrong, at the level of that digit.

#include <QList>
#include <QString>
#include <QStringList>

class AnalysisData;
class DataTree;

namespace PracticeContent {

/// One exercise: its example number, text, hint and answer parts.
struct Exercise
{
    QString number;
    QString title;
    QString hint;
    QStringList answers;

    /// The example line: "number,title,hint,answer…".
    QString line() const;
};

/// The works of the catalogue \a tsv (works.tsv) as exercises numbered from \a firstNumber, and for
/// each class digit the numbers of the works of that class (a work with numbers of two classes is
/// in both). \a divisionNames: the two first digits → the division's name, for the hint.
QList<Exercise> RealBooks(const QStringList &tsv, int firstNumber, const QHash<QString, QString> &divisionNames,
    std::array<QStringList, 10> *classLists);

/// The text of a work as a cataloguer sees it: "『坊っちゃん』　夏目 漱石 著",
/// "『題：副題』　翻訳者の名前 訳".
QString BookText(const QString &title, const QString &subtitle, const QString &author, const QString &role);

/// The answers of a catalogue field "NDC 756 K914": 756, 914; \a children is set for a K number.
QStringList BookNumbers(const QString &ndc, bool *children);

/// What the drills of the ten table sets came to: the drills kept per table (item 0 … 9 of the
/// practice window's table box) and how many failed the proof.
struct Drills
{
    std::array<QList<Exercise>, 10> kept;
    int failed = 0;
    QStringList failures; ///< the first few, for the build's report
};

/// Builds the drills of every table from \a data (the tree's schedules, sections and tables) and
/// proves each; numbers from "k200001" on.
Drills MakeDrills(const AnalysisData &data);

/// Adds the real books of \a aozoraFile and the drills to the tree under the current data root:
/// Reidai_All.csv, ren_num_0 … 9, REI_hojo.txt, ren_num_hojo_0 … 9 and ren_num_hojo.txt. Returns
/// the lines the build prints. Throws FileError.
QStringList AddToTree(const DataTree &tree, const QString &aozoraFile);

} // namespace PracticeContent
