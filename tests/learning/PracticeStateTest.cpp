#include "TestSupport.h"

#include "datafiles/FileError.h"
#include "datafiles/ProgramRandom.h"
#include "learning/PracticeState.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString kFolder = QStringLiteral("StudyTaxel/ReidaiData/");

/// A lookup that resolves every number except those in \a failing, and remembers what it was asked.
struct FakeLookup
{
    QSet<QString> failing;
    QStringList asked;

    ExerciseLookup fn()
    {
        return [this](const QString &number, int) {
            asked.append(number);
            ExampleTexts texts;
            texts.result = failing.contains(number) ? LookupResult::EmptySlot : LookupResult::Found;
            texts.title = QStringLiteral("title ") + number;
            return texts;
        };
    }
};

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list.append(QString::number(i));
    return list;
}

QString take(PracticeState &state, FakeLookup &lookup, QString *message = nullptr)
{
    ProgramRandom random;
    QString ignored;
    const QVector<Exercise> set = state.setExercises(1, lookup.fn(), random, message ? message : &ignored);
    return set.isEmpty() ? QString() : set.first().number;
}

} // namespace

TEST(PracticeFixedOrder, WorksThroughTheListAndSavesTheDisplay)
{
    TempRoot root;
    root.writeLines(kFolder + QStringLiteral("ren_num_kihon.txt"), numbers(101, 105));
    PracticeState state(root.tree());
    FakeLookup lookup;
    ASSERT_EQ(state.chooseBasicOrClass(-1), PracticeState::Choice::Chosen);
    EXPECT_TRUE(state.fixedOrderMode());
    EXPECT_EQ(state.setCode(), 0);
    EXPECT_EQ(state.listLength(), 5);
    EXPECT_EQ(state.progressDisplay(), QStringLiteral("0"));
    EXPECT_EQ(state.startEntries().at(1), QStringLiteral("2  102"));
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(take(state, lookup), QString::number(100 + i));
        EXPECT_EQ(state.progressDisplay(), QString::number(i));
    }
    QString message;
    EXPECT_TRUE(take(state, lookup, &message).isEmpty());
    EXPECT_EQ(message, PracticeState::finishedMessage()) << "the end of the list is told, not silent";

    state.stepBack();
    EXPECT_EQ(state.progressDisplay(), QStringLiteral("3"));
    state.saveProgress();
    EXPECT_EQ(root.readBytes(kFolder + QStringLiteral("study_kihon.txt")), QByteArray("3\r\n"));
}

TEST(PracticeFixedOrder, ProgressFileStartPositionAndStepBack)
{
    TempRoot root;
    root.writeLines(kFolder + QStringLiteral("ren_num_ouyou.txt"),
        {QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3"), QStringLiteral("a4"), QStringLiteral("a5")});
    root.writeLines(kFolder + QStringLiteral("study_ouyou.txt"), {QStringLiteral("3"), QStringLiteral("9")});
    PracticeState state(root.tree());
    FakeLookup lookup;
    ASSERT_EQ(state.chooseAdvanced(), PracticeState::Choice::Chosen);
    EXPECT_EQ(state.setCode(), 22);
    EXPECT_EQ(state.progressKind(), ProgressKind::Advanced);
    EXPECT_EQ(take(state, lookup), QStringLiteral("a4"));
    EXPECT_EQ(state.progressDisplay(), QStringLiteral("4"));
    state.stepBack();
    EXPECT_EQ(state.progressDisplay(), QStringLiteral("2"));
    EXPECT_EQ(take(state, lookup), QStringLiteral("a3")) << "the one before the exercise set last";

    state.chooseStart(1);
    EXPECT_EQ(state.progressDisplay(), QStringLiteral("1"));
    EXPECT_EQ(take(state, lookup), QStringLiteral("a2"));
    EXPECT_EQ(state.progressDisplay(), QStringLiteral("2"));
    state.chooseStart(0);
    state.stepBack();
    EXPECT_EQ(state.nextPosition(), 0);

    // unsaved advancement is dropped when the set is chosen again
    ASSERT_EQ(state.chooseAdvanced(), PracticeState::Choice::Chosen);
    EXPECT_EQ(state.nextPosition(), 3);

    // an unresolvable entry still counts as worked through
    lookup.failing.insert(QStringLiteral("a4"));
    EXPECT_TRUE(take(state, lookup).isEmpty());
    EXPECT_EQ(state.progressDisplay(), QStringLiteral("4"));
    EXPECT_EQ(take(state, lookup), QStringLiteral("a5"));
}

TEST(PracticeFixedOrder, SavedValuesAreShownAsTheyAreButKeptInRange)
{
    TempRoot root;
    QStringList list = numbers(1, 20);
    root.writeLines(kFolder + QStringLiteral("ren_num_kihon.txt"), list);
    PracticeState state(root.tree());
    const struct
    {
        const char *saved;
        int position;
        const char *shown;
    } cases[] = {
        {"12ab", 12, "12ab"},
        {"  7", 7, "  7"},
        {"-5", 0, "0"},
        {"999", 20, "20"},
        {"x", 0, "x"},
    };
    for (const auto &c : cases) {
        root.writeLines(kFolder + QStringLiteral("study_kihon.txt"), {QString::fromLatin1(c.saved)});
        ASSERT_EQ(state.chooseBasicOrClass(-1), PracticeState::Choice::Chosen);
        EXPECT_EQ(state.nextPosition(), c.position) << c.saved;
        EXPECT_EQ(state.progressDisplay(), QString::fromLatin1(c.shown)) << c.saved;
    }
    root.writeBytes(kFolder + QStringLiteral("study_kihon.txt"), QByteArray());
    ASSERT_EQ(state.chooseBasicOrClass(-1), PracticeState::Choice::Chosen);
    EXPECT_EQ(state.progressDisplay(), QStringLiteral("0"));
}

TEST(PracticeChoice, MissingListsKeepTheFormerSet)
{
    TempRoot root;
    root.writeLines(kFolder + QStringLiteral("ren_num_3.txt"), numbers(1, 3));
    root.writeLines(kFolder + QStringLiteral("ren_num_hojo.txt"), numbers(7, 9));
    PracticeState state(root.tree());
    ASSERT_EQ(state.chooseBasicOrClass(3), PracticeState::Choice::Chosen);
    EXPECT_EQ(state.setCode(), 4);
    EXPECT_FALSE(state.fixedOrderMode());
    EXPECT_EQ(state.chooseBasicOrClass(5), PracticeState::Choice::ListMissing);
    EXPECT_EQ(state.setCode(), 4);
    EXPECT_EQ(state.numberList().count(), 3);
    EXPECT_EQ(state.chooseAdvanced(), PracticeState::Choice::ListMissing);
    EXPECT_EQ(state.chooseTable(-1), PracticeState::Choice::InvalidItem);
    EXPECT_EQ(state.chooseTable(10), PracticeState::Choice::InvalidItem);
    ASSERT_EQ(state.chooseAllTables(), PracticeState::Choice::Chosen);
    EXPECT_EQ(state.setCode(), 21);
    EXPECT_EQ(state.chooseTable(2), PracticeState::Choice::ListMissing);
    EXPECT_EQ(state.setCode(), 21);
    root.writeLines(kFolder + QStringLiteral("ren_num_hojo_2.txt"), numbers(1, 1));
    EXPECT_EQ(state.chooseTable(2), PracticeState::Choice::Chosen);
    EXPECT_EQ(state.setCode(), 13);
}

TEST(PracticeRandom, DistinctPositionsOnlyResolvableEntriesAndAlwaysAnEnd)
{
    TempRoot root;
    root.writeLines(kFolder + QStringLiteral("ren_num_0.txt"), numbers(1, 6));
    PracticeState state(root.tree());
    ASSERT_EQ(state.chooseBasicOrClass(0), PracticeState::Choice::Chosen);
    FakeLookup lookup;
    lookup.failing = {QStringLiteral("2"), QStringLiteral("5")};
    QString message;
    ProgramRandom random;
    random.seed(42);
    for (int round = 0; round < 50; ++round) {
        const QVector<Exercise> set = state.setExercises(3, lookup.fn(), random, &message);
        ASSERT_EQ(set.size(), 3);
        QSet<QString> seen;
        for (const Exercise &e : set) {
            EXPECT_FALSE(lookup.failing.contains(e.number));
            seen.insert(e.number);
        }
        EXPECT_EQ(seen.size(), 3);
        EXPECT_TRUE(message.isEmpty());
    }

    lookup.failing = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
    QVector<Exercise> two = state.setExercises(3, lookup.fn(), random, &message);
    EXPECT_EQ(two.size(), 2);
    EXPECT_EQ(message, PracticeState::fewerExercisesMessage(2));

    lookup.failing.insert(QStringLiteral("5"));
    lookup.failing.insert(QStringLiteral("6"));
    lookup.asked.clear();
    message.clear();
    EXPECT_TRUE(state.setExercises(1, lookup.fn(), random, &message).isEmpty());
    EXPECT_EQ(message, PracticeState::noneResolvableMessage());
    EXPECT_EQ(lookup.asked.size(), 6) << "each position is tried once";

    PracticeState empty(root.tree());
    EXPECT_TRUE(empty.setExercises(1, lookup.fn(), random, &message).isEmpty());
    EXPECT_EQ(message, PracticeState::noExerciseMessage());
}

TEST(PracticeSave, AFailedWriteThrowsAndKeepsThePreviousFile)
{
    TempRoot root;
    root.writeLines(kFolder + QStringLiteral("ren_num_kihon.txt"), numbers(1, 3));
    root.writeLines(kFolder + QStringLiteral("study_kihon.txt"), {QStringLiteral("1")});
    PracticeState state(root.tree());
    ASSERT_EQ(state.chooseBasicOrClass(-1), PracticeState::Choice::Chosen);
    state.chooseStart(2);
    QFile::remove(root.path(kFolder + QStringLiteral("study_kihon.txt")));
    root.makeFolder(kFolder + QStringLiteral("study_kihon.txt")); // a folder where the file should be
    EXPECT_THROW(state.saveProgress(), FileError);
    QDir(root.path(kFolder + QStringLiteral("study_kihon.txt"))).removeRecursively();
    root.writeLines(kFolder + QStringLiteral("study_kihon.txt"), {QStringLiteral("1")});
    QDir(root.path(kFolder)).removeRecursively();
    EXPECT_THROW(state.saveProgress(), FileError);
}
