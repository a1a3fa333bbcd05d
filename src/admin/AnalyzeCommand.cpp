// The "analyze" window driver: the class-number analysis window, driven as a user would.

#include "AdminCommand.h"
#include "DriverSteps.h"
#include "WindowDriver.h"

#include "ui/U_saimoku.h"

#include <QCheckBox>
#include <QJsonArray>
#include <algorithm>

namespace {

bool performStep(TSaimokuDialog *window, const DriverStep &step, QString *error)
{
    const QString &verb = step.verb;
    int n = -1;
    if (verb == QLatin1String("enter") && step.hasArgument)
        return DriverSteps::type(
            window, QStringLiteral("Esaimoku"), step.argument, DriverSteps::Typing::Replacing, error);
    if (verb == QLatin1String("pick") && step.number(&n))
        return DriverSteps::pick(window, QStringLiteral("LBhitdata"), n, error);
    if (verb == QLatin1String("sanzi") && step.number(&n))
        return DriverSteps::pick(window, QStringLiteral("CBsanzi"), n, error);
    if ((verb == QLatin1String("tick") || verb == QLatin1String("untick")) && step.hasArgument) {
        const QList<QCheckBox *> boxes = window->kindBoxes();
        const auto box = std::find_if(boxes.begin(), boxes.end(),
            [&](const QCheckBox *candidate) { return candidate->objectName() == step.argument; });
        if (box == boxes.end()) {
            *error = QStringLiteral("no check box %1").arg(step.argument);
            return false;
        }
        if ((*box)->isChecked() == (verb == QLatin1String("tick")))
            return true; // already as asked: the user leaves it alone
        return DriverSteps::click(window, step.argument, error);
    }
    if (step.hasArgument) {
        *error = QStringLiteral("unknown step");
        return false;
    }
    if (verb == QLatin1String("reanalyze"))
        return DriverSteps::click(window, QStringLiteral("Bkaiseki"), error);
    if (verb == QLatin1String("reset"))
        return DriverSteps::click(window, QStringLiteral("Lsaiken"), error);
    if (verb == QLatin1String("closenotes"))
        return DriverSteps::click(window, QStringLiteral("LcloseZizyou"), error);
    *error = QStringLiteral("unknown step");
    return false;
}

QJsonObject windowState(const TSaimokuDialog *window)
{
    const AnalysisState &shown = window->state();
    QJsonArray rowKinds;
    for (const FormulaRow &row : shown.rows)
        rowKinds.append(row.kind);
    QJsonObject state;
    state.insert(QStringLiteral("division"), shown.division);
    state.insert(QStringLiteral("formCount"), shown.formCount);
    state.insert(QStringLiteral("geoCount"), shown.geoCount);
    state.insert(QStringLiteral("rowKinds"), rowKinds);
    return state;
}

int RunAnalyze(AdminContext &ctx, const QStringList &args)
{
    RecordedServices services(ctx.tree, true);
    const auto window = std::make_unique<TSaimokuDialog>(services.services());
    // what the window reports while it is made (files that could not be read) goes to the error stream
    for (const QString &message : services.messages().messages())
        ctx.err << message << Qt::endl;
    services.messages().clear();
    TSaimokuDialog *w = window.get();
    return RunWindowDriver(
        ctx, w, services, args, [w](const DriverStep &step, QString *error) { return performStep(w, step, error); },
        [w] { return windowState(w); });
}

const bool registered = RegisterAdminCommand({"analyze",
    "STEP...  (enter:TEXT pick:N reanalyze sanzi:N tick:BOX untick:BOX reset closenotes close open)", &RunAnalyze});

} // namespace
