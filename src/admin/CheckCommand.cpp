// taxel-admin check: lists every problem of the data tree, for the data authors.

#include "AdminCommand.h"
#include "DataCheck.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

int runCheck(AdminContext &ctx, const QStringList &args)
{
    if (!args.isEmpty()) {
        ctx.err << "usage: taxel-admin check\n";
        return 2;
    }
    const DataCheckResult result = CheckDataTree(ctx.tree);
    if (ctx.json) {
        QJsonArray problems;
        for (const DataProblem &p : result.problems)
            problems.append(QJsonObject {{QStringLiteral("file"), p.file}, {QStringLiteral("line"), p.line},
                {QStringLiteral("message"), p.message}});
        PrintJson(
            ctx, QJsonObject {{QStringLiteral("problems"), problems}, {QStringLiteral("files"), result.filesRead}});
    } else {
        for (const DataProblem &p : result.problems) {
            ctx.out << p.file;
            if (p.line > 0)
                ctx.out << ':' << p.line;
            ctx.out << ": " << p.message << '\n';
        }
        ctx.out << result.filesRead << " files read, " << result.problems.size() << " problems found\n";
    }
    return result.problems.isEmpty() ? 0 : 1;
}

const bool registered = RegisterAdminCommand({"check",
    "   check the whole data tree: missing files, record shapes, cross references, stale builds", &runCheck, false});

} // namespace
