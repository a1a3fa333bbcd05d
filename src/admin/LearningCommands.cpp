// The practice and study window drivers of the console.

#include "AdminCommand.h"
#include "DriverSteps.h"
#include "WindowDriver.h"

#include "datafiles/ProgramRandom.h"
#include "learning/PracticeState.h"
#include "ui/U_study.h"
#include "ui/U_tutorial.h"

#include <QJsonArray>
#include <QRadioButton>
#include <ctime>

namespace {

/// "kihon", "ouyou", "hojo", "rui0" … "rui9" → the radio button's name.
QString setButtonName(const QString &set)
{
    if (set == QLatin1String("kihon"))
        return QStringLiteral("RBkihon");
    if (set == QLatin1String("ouyou"))
        return QStringLiteral("RBouyou");
    if (set == QLatin1String("review"))
        return QStringLiteral("RBfukusyu");
    if (set == QLatin1String("hojo"))
        return QStringLiteral("RBhojo");
    if (set.size() == 4 && set.startsWith(QLatin1String("rui")) && set.at(3).isDigit() && set.at(3).unicode() < 128)
        return QStringLiteral("RBrui") + set.at(3);
    return QString();
}

bool clickSet(QWidget *window, const DriverStep &step, QString *error)
{
    const QString name = setButtonName(step.argument);
    if (name.isEmpty()) {
        *error = QStringLiteral("no set %1").arg(step.argument);
        return false;
    }
    return DriverSteps::click(window, name, error);
}

bool numberArgument(const DriverStep &step, int *value, QString *error)
{
    if (step.number(value))
        return true;
    *error = QStringLiteral("%1 needs a number").arg(step.verb);
    return false;
}

int runPractice(AdminContext &ctx, const QStringList &arguments)
{
    QStringList steps = arguments;
    std::uint32_t seed = static_cast<std::uint32_t>(std::time(nullptr));
    const int at = static_cast<int>(steps.indexOf(QStringLiteral("--seed")));
    if (at >= 0) {
        bool ok = false;
        if (at + 1 < steps.size())
            seed = steps.at(at + 1).toUInt(&ok);
        if (!ok) {
            ctx.err << "taxel-admin: --seed needs a number\n";
            return 2;
        }
        steps.remove(at, 2);
    }
    SeedProgramRandom(seed);

    TTutorialDialog window;
    auto perform = [&window](const DriverStep &step, QString *error) -> bool {
        int n = 0;
        const QString &verb = step.verb;
        if (verb == QLatin1String("set"))
            return clickSet(&window, step, error);
        if (verb == QLatin1String("table")) {
            if (!numberArgument(step, &n, error))
                return false;
            if (n == -1) // no item: the box's text emptied and Enter pressed
                return DriverSteps::type(
                    &window, QStringLiteral("CBhojokoumoku"), QString(), DriverSteps::Typing::Replacing, error);
            return DriverSteps::pick(&window, QStringLiteral("CBhojokoumoku"), n, error);
        }
        if (verb == QLatin1String("count"))
            return numberArgument(step, &n, error)
                && DriverSteps::pick(&window, QStringLiteral("CBreinum"), n - 1, error);
        if (verb == QLatin1String("ask"))
            return DriverSteps::click(&window, QStringLiteral("Bques"), error);
        if (verb == QLatin1String("hint"))
            return numberArgument(step, &n, error)
                && DriverSteps::click(&window, QStringLiteral("Lhint%1").arg(n), error);
        if (verb == QLatin1String("answer"))
            return numberArgument(step, &n, error)
                && DriverSteps::click(&window, QStringLiteral("Bren%1").arg(n), error);
        if (verb == QLatin1String("type")) { // type:K:TEXT, the answer of slot K
            const QString slot = step.argument.section(QLatin1Char(':'), 0, 0);
            if (!step.argument.contains(QLatin1Char(':')) || slot.size() != 1 || slot.at(0) < u'1'
                || slot.at(0) > u'3') {
                *error = QStringLiteral("type needs a slot 1 to 3 and a text: type:K:TEXT");
                return false;
            }
            return DriverSteps::type(&window, QStringLiteral("Eren") + slot, step.argument.section(QLatin1Char(':'), 1),
                DriverSteps::Typing::Replacing, error);
        }
        if (verb == QLatin1String("save"))
            return DriverSteps::click(&window, QStringLiteral("BsaveLast"), error);
        if (verb == QLatin1String("start"))
            return numberArgument(step, &n, error)
                && DriverSteps::pick(&window, QStringLiteral("CBstartNum"), n, error);
        if (verb == QLatin1String("back"))
            return DriverSteps::click(&window, QStringLiteral("Lbefore"), error);
        if (verb == QLatin1String("reset"))
            return DriverSteps::click(&window, QStringLiteral("Lreset"), error);
        *error = QStringLiteral("unknown step");
        return false;
    };
    auto state = [&window] {
        const PracticeState &s = window.state();
        QJsonObject object;
        object.insert(QStringLiteral("SetCode"), s.setCode());
        object.insert(QStringLiteral("FixedOrderMode"), s.fixedOrderMode());
        object.insert(QStringLiteral("NextPosition"), s.nextPosition());
        object.insert(QStringLiteral("listLength"), s.listLength());
        object.insert(QStringLiteral("verdicts"), QJsonArray::fromStringList(window.verdicts()));
        object.insert(QStringLiteral("score"), QJsonArray {window.correctCount(), window.judgedCount()});
        object.insert(QStringLiteral("review"), window.reviewCount());
        return object;
    };
    return RunWindowDriver(ctx, &window, steps, perform, state);
}

int runStudy(AdminContext &ctx, const QStringList &steps)
{
    TDialogStudy window;
    auto perform = [&window](const DriverStep &step, QString *error) -> bool {
        int n = 0;
        if (step.verb == QLatin1String("set"))
            return clickSet(&window, step, error);
        if (step.verb == QLatin1String("topic"))
            return numberArgument(step, &n, error) && DriverSteps::pick(&window, QStringLiteral("CBkubun"), n, error);
        *error = QStringLiteral("unknown step");
        return false;
    };
    auto state = [&window] {
        QJsonObject object;
        object.insert(QStringLiteral("documentUrl"), window.documentUrl());
        object.insert(QStringLiteral("documentViews"), window.documentViews());
        return object;
    };
    return RunWindowDriver(ctx, &window, steps, perform, state);
}

const bool registeredPractice = RegisterAdminCommand({"practice",
    "[--seed N] STEP...   drive the practice window (set:kihon|ouyou|hojo|rui0..9, table:I, count:N, ask, "
    "hint:K, answer:K, save, start:K, back, reset, close, open)",
    &runPractice});
const bool registeredStudy = RegisterAdminCommand({"study",
    "STEP...   drive the rules study window (set:kihon|ouyou|hojo|rui0..9, topic:N, close, open)", &runStudy});

} // namespace
