// The practice and study window drivers of the console.

#include "AdminCommand.h"
#include "DriverSteps.h"
#include "WindowDriver.h"

#include "datafiles/ProgramRandom.h"
#include "learning/PracticeWindowState.h"
#include "ui/DocumentView.h"
#include "ui/U_study.h"
#include "ui/U_tutorial.h"

#include <QHash>
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

/// Takes "--seed N" out of \a steps (the time when not there); false after a usage message.
bool takeSeed(AdminContext &ctx, QStringList &steps, std::uint32_t *seed)
{
    *seed = static_cast<std::uint32_t>(std::time(nullptr));
    const int at = static_cast<int>(steps.indexOf(QStringLiteral("--seed")));
    if (at < 0)
        return true;
    bool ok = false;
    if (at + 1 < steps.size())
        *seed = steps.at(at + 1).toUInt(&ok);
    if (!ok) {
        ctx.err << "taxel-admin: --seed needs a number\n";
        return false;
    }
    steps.remove(at, 2);
    return true;
}

/// type:K:TEXT, the answer of slot K.
bool typeAnswer(QWidget *window, const DriverStep &step, QString *error)
{
    const QString slot = step.argument.section(QLatin1Char(':'), 0, 0);
    if (!step.argument.contains(QLatin1Char(':')) || slot.size() != 1 || slot.at(0) < u'1' || slot.at(0) > u'3') {
        *error = QStringLiteral("type needs a slot 1 to 3 and a text: type:K:TEXT");
        return false;
    }
    return DriverSteps::type(window, QStringLiteral("Eren") + slot, step.argument.section(QLatin1Char(':'), 1),
        DriverSteps::Typing::Replacing, error);
}

bool chooseTable(QWidget *window, int n, QString *error)
{
    if (n == -1) // no item: the box's text emptied and Enter pressed
        return DriverSteps::type(
            window, QStringLiteral("CBhojokoumoku"), QString(), DriverSteps::Typing::Replacing, error);
    return DriverSteps::pick(window, QStringLiteral("CBhojokoumoku"), n, error);
}

/// The steps of the practice driver that name a slot, a count or an item.
bool performNumbered(QWidget *window, const DriverStep &step, QString *error)
{
    int n = 0;
    const QString &verb = step.verb;
    if (!numberArgument(step, &n, error))
        return false;
    if (verb == QLatin1String("table"))
        return chooseTable(window, n, error);
    if (verb == QLatin1String("count"))
        return DriverSteps::pick(window, QStringLiteral("CBreinum"), n - 1, error);
    if (verb == QLatin1String("hint"))
        return DriverSteps::click(window, QStringLiteral("Lhint%1").arg(n), error);
    if (verb == QLatin1String("answer"))
        return DriverSteps::click(window, QStringLiteral("Bren%1").arg(n), error);
    return DriverSteps::pick(window, QStringLiteral("CBstartNum"), n, error); // start
}

bool performPracticeStep(QWidget *window, const DriverStep &step, QString *error)
{
    const QString &verb = step.verb;
    static const QStringList numbered = {QStringLiteral("table"), QStringLiteral("count"), QStringLiteral("hint"),
        QStringLiteral("answer"), QStringLiteral("start")};
    if (verb == QLatin1String("set"))
        return clickSet(window, step, error);
    if (numbered.contains(verb))
        return performNumbered(window, step, error);
    if (verb == QLatin1String("type"))
        return typeAnswer(window, step, error);
    static const QHash<QString, QString> buttons
        = {{QStringLiteral("ask"), QStringLiteral("Bques")}, {QStringLiteral("save"), QStringLiteral("BsaveLast")},
            {QStringLiteral("back"), QStringLiteral("Lbefore")}, {QStringLiteral("reset"), QStringLiteral("Lreset")}};
    if (buttons.contains(verb))
        return DriverSteps::click(window, buttons.value(verb), error);
    *error = QStringLiteral("unknown step");
    return false;
}

QJsonObject practiceState(const TTutorialDialog &window)
{
    const PracticeWindowState &shown = window.state();
    const PracticeState &s = shown.practice();
    QJsonObject object;
    object.insert(QStringLiteral("SetCode"), s.setCode());
    object.insert(QStringLiteral("FixedOrderMode"), s.fixedOrderMode());
    object.insert(QStringLiteral("NextPosition"), s.nextPosition());
    object.insert(QStringLiteral("listLength"), s.listLength());
    object.insert(QStringLiteral("verdicts"), QJsonArray::fromStringList(shown.verdictNames()));
    object.insert(QStringLiteral("score"), QJsonArray {shown.correct, shown.judged});
    object.insert(QStringLiteral("review"), shown.review().count());
    return object;
}

int runPractice(AdminContext &ctx, const QStringList &arguments)
{
    QStringList steps = arguments;
    std::uint32_t seed = 0;
    if (!takeSeed(ctx, steps, &seed))
        return 2;
    RecordedServices services(ctx.tree, true);
    services.services().random->seed(seed);
    TTutorialDialog window(services.services());
    return RunWindowDriver(
        ctx, &window, services, steps,
        [&window](const DriverStep &step, QString *error) { return performPracticeStep(&window, step, error); },
        [&window] { return practiceState(window); });
}

int runStudy(AdminContext &ctx, const QStringList &steps)
{
    RecordedServices services(ctx.tree);
    TDialogStudy window(services.services());
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
        object.insert(QStringLiteral("documentUrl"), window.documentView().lastUrl());
        object.insert(QStringLiteral("documentViews"), window.documentView().viewCount());
        return object;
    };
    return RunWindowDriver(ctx, &window, services, steps, perform, state);
}

const bool registeredPractice = RegisterAdminCommand({"practice",
    "[--seed N] STEP...   drive the practice window (set:kihon|ouyou|hojo|rui0..9, table:I, count:N, ask, "
    "hint:K, answer:K, save, start:K, back, reset, close, open)",
    &runPractice});
const bool registeredStudy = RegisterAdminCommand({"study",
    "STEP...   drive the rules study window (set:kihon|ouyou|hojo|rui0..9, topic:N, close, open)", &runStudy});

} // namespace
