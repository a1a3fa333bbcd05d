// The "koumoku" window driver of the console: the item search window, driven offscreen.

#include "AdminCommand.h"
#include "DriverSteps.h"
#include "WindowDriver.h"

#include "ui/U_koumoku.h"

#include <QJsonObject>

namespace {

int RunKoumoku(AdminContext &ctx, const QStringList &args)
{
    RecordedServices services(ctx.tree);
    TKoumokuDialog window(services.services());
    TKoumokuDialog *w = &window;
    auto perform = [w](const DriverStep &step, QString *error) -> bool {
        const QString &verb = step.verb;
        int n = 0;
        if (verb == QLatin1String("query") && step.hasArgument)
            return DriverSteps::type(
                w, QStringLiteral("Ekoumoku"), step.argument, DriverSteps::Typing::AtCursor, error);
        if (verb == QLatin1String("hit") && step.number(&n))
            return DriverSteps::pick(w, QStringLiteral("LBhitdata"), n, error);
        if ((verb == QLatin1String("hint") || verb == QLatin1String("answer")) && step.number(&n)) {
            if (n < 1 || n > 4) {
                *error = QStringLiteral("the slots are 1 to 4");
                return false;
            }
            const QString name = (verb == QLatin1String("hint") ? QStringLiteral("Lhint") : QStringLiteral("Bkai"))
                + QString::number(n);
            return DriverSteps::click(w, name, error); // not through the cover of an empty slot
        }
        if (step.hasArgument) {
            *error = QStringLiteral("unknown step");
            return false;
        }
        if (verb == QLatin1String("andor"))
            return DriverSteps::click(w, QStringLiteral("Landor"), error);
        if (verb == QLatin1String("normal"))
            return DriverSteps::click(w, QStringLiteral("RBnormal"), error);
        if (verb == QLatin1String("exact"))
            return DriverSteps::click(w, QStringLiteral("RBkanzen"), error);
        if (verb == QLatin1String("reset"))
            return DriverSteps::click(w, QStringLiteral("Lsaiken"), error);
        *error = QStringLiteral("unknown step");
        return false;
    };
    auto state = [w] {
        const ItemSearchState &s = w->state();
        return QJsonObject {{QStringLiteral("mode"), s.orSearch ? 1 : 0}, {QStringLiteral("exact"), s.exact ? 1 : 0}};
    };
    return RunWindowDriver(ctx, w, services, args, perform, state);
}

const bool registered = RegisterAdminCommand(
    {"koumoku", "STEP...  (query:TEXT andor normal exact hit:N hint:K answer:K reset close open)", &RunKoumoku});

} // namespace
