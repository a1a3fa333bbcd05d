#pragma once

#include "datafiles/DataRoot.h"
#include "datafiles/LineList.h"
#include "index/ExampleLookup.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

/// Which progress file belongs to the chosen fixed-order set.
class ProgramRandom;
class ReviewList;

enum class ProgressKind { Basic, Advanced };

/// One exercise set of the practice window: its number list and how the example lookup reads it.
struct PracticeSet
{
    QString numberList; ///< relative to the data root: "StudyTaxel/ReidaiData/ren_num_3.txt"
    int setCode; ///< 0 basic, 1 … 10 the classes 0 … 9, 11 … 20 one table, 21 all tables, 22 advanced
    bool fixedOrder; ///< the basic and the advanced set are worked through in order
};

PracticeSet BasicSet();
/// The set of class \a digit (0 … 9).
PracticeSet ClassSet(int digit);
PracticeSet AdvancedSet();
PracticeSet AllTablesSet();
/// The set of one auxiliary table, item \a item (0 … 9) of the practice window's table box.
PracticeSet TableSet(int item);
/// Every set: basic, advanced, all tables, then each class and each table.
QList<PracticeSet> PracticeSets();
/// The progress file of a fixed-order set, relative to the data root.
QString ProgressFilePath(ProgressKind kind);

/// The set code of the review set: its exercises come from every set, each with its own code.
constexpr int ReviewSetCode = 23;

/// One exercise set for one slot: the number, the code of the set it belongs to, and what the
/// example lookup found for it.
struct Exercise
{
    QString number;
    ExampleTexts texts;
    int setCode = 0;
};

/// Resolves one exercise number of the set \a setCode (the practice window passes the example
/// lookup with the code and its mode).
using ExerciseLookup = std::function<ExampleTexts(const QString &number, int setCode)>;

/// The practice state: the chosen exercise set, its number list and, for the two fixed-order sets
/// (basic and advanced), the position reached and its progress file.
class PracticeState
{
public:
    /// Reads its number lists and progress files from \a tree and writes progress there.
    explicit PracticeState(DataTree tree)
        : m_tree(std::move(tree))
    { }

    enum class Choice { Chosen, ListMissing, InvalidItem };

    static QString listMissingMessage(); ///< "例題番号ファイルをロードできませんでした!"
    static QString invalidItemMessage(); ///< "選択した項目が不正です。再度指定して下さい。"
    static QString noExerciseMessage(); ///< "対象となる例題が見つかりません!"
    static QString savedMessage(); ///< "現在の終了番号を保存しました。"
    static QString finishedMessage(); ///< the fixed-order set has been worked through
    static QString fewerExercisesMessage(int found);
    static QString noneResolvableMessage(); ///< a list none of whose numbers leads to an example

    int setCode() const { return m_setCode; }
    bool fixedOrderMode() const { return m_fixedOrderMode; }
    void setFixedOrderMode(bool on) { m_fixedOrderMode = on; }
    ProgressKind progressKind() const { return m_progressKind; }
    int nextPosition() const { return m_nextPosition; }
    int listLength() const { return m_listLength; }
    const LineList &numberList() const { return m_numbers; }
    /// The progress display: the number of exercises worked through, as shown and as saved.
    const QString &progressDisplay() const { return m_progressDisplay; }
    /// "1  101", "2  102", …: the positions of a fixed-order list with their numbers.
    const QStringList &startEntries() const { return m_startEntries; }

    /// The basic set (-1) or the set of class \a classDigit (0 … 9). Turns fixed-order mode off
    /// first; the basic set then turns it on and reads its progress.
    Choice chooseBasicOrClass(int classDigit);
    Choice chooseAdvanced();
    Choice chooseAllTables();
    /// One auxiliary table, item \a item (0 … 9) of the table box.
    Choice chooseTable(int item);
    /// The review set: the exercises of \a review, drawn at random like a class set.
    void chooseReview(const ReviewList &review);
    static QString emptyReviewMessage(); ///< the review set holds nothing

    /// Sets \a count exercises (1 in fixed-order mode). Fills the slots one by one, each with a
    /// number the lookup resolves, at distinct positions of the list; never draws forever: when
    /// the list cannot fill every slot, what could be filled is returned and \a message tells why.
    QVector<Exercise> setExercises(int count, const ExerciseLookup &lookup, ProgramRandom &random, QString *message);

    /// Writes the progress display to the progress file. Throws FileError when it cannot.
    void saveProgress();
    void chooseStart(int index);
    void stepBack();

private:
    Choice loadList(const PracticeSet &set);
    int setCodeAt(int position) const;
    QVector<Exercise> nextInOrder(const ExerciseLookup &lookup, QString *message);
    /// Draws one exercise at a position not in \a used; false when none of them resolves.
    bool drawOne(const ExerciseLookup &lookup, ProgramRandom &random, QSet<int> &used, Exercise *out) const;
    void startFixedOrder(ProgressKind kind);

    DataTree m_tree;
    int m_setCode = 0;
    bool m_fixedOrderMode = false;
    ProgressKind m_progressKind = ProgressKind::Basic;
    int m_nextPosition = 0;
    int m_listLength = 0;
    LineList m_numbers; // LBrenNum
    QList<int> m_setCodes; ///< in the review set, the set code of each number
    LineList m_progress; // LBkari: reads and writes the progress file
    QString m_progressDisplay = QStringLiteral("0");
    QStringList m_startEntries;
};
