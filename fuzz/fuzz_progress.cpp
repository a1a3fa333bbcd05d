#include "FuzzSupport.h"

#include "datafiles/DataRoot.h"
#include "datafiles/ProgramRandom.h"
#include "learning/PracticeState.h"
#include "learning/ReviewList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The input is the text of the progress files and of the review set's file: choosing the basic and
// the advanced set reads their progress, the review set reads its file; every value is brought
// into range and the state stays usable.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    EnsureApplication();
    static QTemporaryDir root(
        (QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath())
        + QStringLiteral("/taxel-fuzz-XXXXXX"));
    static const QString folder = root.path() + QStringLiteral("/StudyTaxel/ReidaiData/");
    static const bool made = [] {
        QDir(root.path()).mkpath(QStringLiteral("StudyTaxel/ReidaiData"));
        for (const char *list : {"ren_num_kihon.txt", "ren_num_ouyou.txt"}) {
            QFile file(folder + QString::fromLatin1(list));
            if (file.open(QIODevice::WriteOnly))
                file.write("1\r\n2\r\nk1\r\n");
        }
        QFile::link(folder + QStringLiteral("study_kihon.txt"), folder + QStringLiteral("study_ouyou.txt"));
        QFile::link(folder + QStringLiteral("study_kihon.txt"), folder + QStringLiteral("study_fukusyu.txt"));
        return true;
    }();
    (void)made;
    QFile out(folder + QStringLiteral("study_kihon.txt"));
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    out.close();

    const DataTree tree(root.path());
    PracticeState state(tree);
    ProgramRandom random;
    QString message;
    const ExerciseLookup lookup = [](const QString &, int) {
        ExampleTexts texts;
        texts.result = LookupResult::Found;
        return texts;
    };
    for (int choice = 0; choice < 2; ++choice) {
        if (choice == 0)
            state.chooseBasicOrClass(-1);
        else
            state.chooseAdvanced();
        (void)state.setExercises(1, lookup, random, &message);
        state.stepBack();
    }
    ReviewList review;
    review.load(tree);
    review.answeredWrong(1, QStringLiteral("1"));
    review.answeredRight(1, QStringLiteral("1"), QStringLiteral("r"));
    state.chooseReview(review);
    (void)state.setExercises(3, lookup, random, &message);
    return 0;
}
