#include "PracticeState.h"

#include "datafiles/DataPaths.h"
#include "datafiles/DataRoot.h"
#include "datafiles/NumberText.h"
#include "datafiles/ProgramRandom.h"
#include "learning/ReviewList.h"

#include <QSet>

namespace {
/// "ren_num_3.txt" → "StudyTaxel/ReidaiData/ren_num_3.txt"
QString exampleFile(const QString &name)
{
    return DataPaths::exampleFolder() + QLatin1Char('/') + name;
}
} // namespace

QString PracticeState::listMissingMessage()
{
    return QStringLiteral("例題番号ファイルをロードできませんでした!");
}

QString PracticeState::invalidItemMessage()
{
    return QStringLiteral("選択した項目が不正です。再度指定して下さい。");
}

QString PracticeState::noExerciseMessage()
{
    return QStringLiteral("対象となる例題が見つかりません!");
}

QString PracticeState::savedMessage()
{
    return QStringLiteral("現在の終了番号を保存しました。");
}

QString PracticeState::finishedMessage()
{
    return QStringLiteral("この練習問題は最後まで終了しました。開始番号を指定すると、もう一度練習できます。");
}

QString PracticeState::emptyReviewMessage()
{
    return QStringLiteral("復習する問題はまだありません。間違えた問題が、ここに集まります。");
}

QString PracticeState::fewerExercisesMessage(int found)
{
    return QStringLiteral("出題できる例題が %1 問しか見つかりませんでした。").arg(found);
}

QString PracticeState::noneResolvableMessage()
{
    return QStringLiteral("この問題の例題を出題できませんでした。例題番号ファイルと例題ファイルを確かめて下さい。");
}

PracticeSet BasicSet()
{
    return {exampleFile(QStringLiteral("ren_num_kihon.txt")), 0, true};
}

PracticeSet ClassSet(int digit)
{
    return {exampleFile(QStringLiteral("ren_num_%1.txt").arg(digit)), digit + 1, false};
}

PracticeSet AdvancedSet()
{
    return {exampleFile(QStringLiteral("ren_num_ouyou.txt")), 22, true};
}

PracticeSet AllTablesSet()
{
    return {exampleFile(QStringLiteral("ren_num_hojo.txt")), 21, false};
}

PracticeSet TableSet(int item)
{
    return {exampleFile(QStringLiteral("ren_num_hojo_%1.txt").arg(item)), 11 + item, false};
}

QList<PracticeSet> PracticeSets()
{
    QList<PracticeSet> sets {BasicSet(), AdvancedSet(), AllTablesSet()};
    for (int d = 0; d <= 9; ++d)
        sets << ClassSet(d) << TableSet(d);
    return sets;
}

QString ProgressFilePath(ProgressKind kind)
{
    return exampleFile(
        kind == ProgressKind::Basic ? QStringLiteral("study_kihon.txt") : QStringLiteral("study_ouyou.txt"));
}

PracticeState::Choice PracticeState::loadList(const PracticeSet &set)
{
    const QString path = m_tree.path(set.numberList);
    if (!DataRoot::fileExists(path))
        return Choice::ListMissing;
    LineList loaded;
    loaded.loadFromFile(path); // a read error leaves the former set in force
    m_numbers = std::move(loaded);
    m_setCodes.clear();
    m_setCode = set.setCode;
    return Choice::Chosen;
}

void PracticeState::chooseReview(const ReviewList &review)
{
    m_fixedOrderMode = false;
    m_numbers.clear();
    m_setCodes.clear();
    for (const ReviewEntry &entry : review.entries()) {
        m_numbers.add(entry.number);
        m_setCodes.append(entry.setCode);
    }
    m_setCode = ReviewSetCode;
}

PracticeState::Choice PracticeState::chooseBasicOrClass(int classDigit)
{
    m_fixedOrderMode = false;
    const bool basic = classDigit < 0;
    const Choice choice = loadList(basic ? BasicSet() : ClassSet(classDigit));
    if (choice == Choice::Chosen && basic) {
        m_fixedOrderMode = true;
        startFixedOrder(ProgressKind::Basic);
    }
    return choice;
}

// A missing list changes nothing here (unlike the basic and class sets, which leave fixed-order
// mode first): loadList touches no state before it knows the file is there.
PracticeState::Choice PracticeState::chooseAdvanced()
{
    const Choice choice = loadList(AdvancedSet());
    if (choice == Choice::Chosen) {
        m_fixedOrderMode = true;
        startFixedOrder(ProgressKind::Advanced);
    }
    return choice;
}

PracticeState::Choice PracticeState::chooseAllTables()
{
    const Choice choice = loadList(AllTablesSet());
    if (choice == Choice::Chosen)
        m_fixedOrderMode = false;
    return choice;
}

PracticeState::Choice PracticeState::chooseTable(int item)
{
    if (item < 0 || item > 9)
        return Choice::InvalidItem;
    return loadList(TableSet(item));
}

void PracticeState::startFixedOrder(ProgressKind kind)
{
    m_progressKind = kind;
    m_listLength = m_numbers.count();
    m_startEntries.clear();
    for (int i = 0; i < m_listLength; ++i)
        m_startEntries.append(QString::number(i + 1) + QStringLiteral("  ") + m_numbers[i]);

    m_progressDisplay = QStringLiteral("0");
    m_nextPosition = 0;
    const QString path = m_tree.path(ProgressFilePath(kind));
    if (!DataRoot::fileExists(path))
        return;
    m_progress.loadFromFile(path);
    if (m_progress.isEmpty())
        return;
    const QString first = m_progress[0];
    const int value = ReadInt(first);
    // a value outside the list would leave the set nowhere: it is brought into range
    m_nextPosition = qBound(0, value, m_listLength);
    m_progressDisplay = m_nextPosition == value ? first : QString::number(m_nextPosition);
}

int PracticeState::setCodeAt(int position) const
{
    return m_setCodes.isEmpty() ? m_setCode : m_setCodes.value(position);
}

QVector<Exercise> PracticeState::nextInOrder(const ExerciseLookup &lookup, QString *message)
{
    QVector<Exercise> filled;
    if (m_nextPosition >= m_numbers.count()) {
        *message = finishedMessage();
        return filled;
    }
    const QString number = m_numbers[m_nextPosition];
    ++m_nextPosition;
    m_progressDisplay = QString::number(m_nextPosition);
    Exercise exercise {number, lookup(number, m_setCode), m_setCode};
    if (exercise.texts.result == LookupResult::Found)
        filled.append(exercise);
    return filled;
}

bool PracticeState::drawOne(const ExerciseLookup &lookup, ProgramRandom &random, QSet<int> &used, Exercise *out) const
{
    // Draw as the learner would expect (a 31-bit value modulo the length), but try each position
    // once per slot, so a list whose entries cannot all be resolved still ends.
    const int length = m_numbers.count();
    QSet<int> tried = used;
    long long draws = 0;
    const long long drawLimit = 64LL * length + 1024;
    while (tried.size() < length) {
        int position = static_cast<int>(random.next() % static_cast<unsigned>(length));
        if (tried.contains(position)) {
            if (++draws < drawLimit)
                continue;
            for (position = 0; tried.contains(position); ++position) { } // the generator missed some
        }
        tried.insert(position);
        const int code = setCodeAt(position);
        Exercise exercise {m_numbers[position], lookup(m_numbers[position], code), code};
        if (exercise.texts.result == LookupResult::Found) {
            used.insert(position);
            *out = exercise;
            return true;
        }
    }
    return false;
}

QVector<Exercise> PracticeState::setExercises(
    int count, const ExerciseLookup &lookup, ProgramRandom &random, QString *message)
{
    if (m_numbers.count() == 0) {
        *message = m_setCode == ReviewSetCode ? emptyReviewMessage() : noExerciseMessage();
        return {};
    }
    if (m_fixedOrderMode)
        return nextInOrder(lookup, message);
    count = qBound(1, count, 3);
    QVector<Exercise> filled;
    QSet<int> used;
    Exercise exercise;
    while (filled.size() < count && drawOne(lookup, random, used, &exercise))
        filled.append(exercise);
    if (filled.isEmpty())
        *message = noneResolvableMessage();
    else if (filled.size() < count)
        *message = fewerExercisesMessage(static_cast<int>(filled.size()));
    return filled;
}

void PracticeState::saveProgress()
{
    m_progress.clear();
    m_progress.add(m_progressDisplay);
    m_progress.saveToFile(m_tree.writePath(ProgressFilePath(m_progressKind)), LineList::Durability::Synced);
}

void PracticeState::chooseStart(int index)
{
    m_nextPosition = index;
    m_progressDisplay = QString::number(index);
}

void PracticeState::stepBack()
{
    m_nextPosition = qMax(0, m_nextPosition - 2);
    m_progressDisplay = QString::number(m_nextPosition);
}
