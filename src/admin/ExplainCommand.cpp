// The "explain" command: a class number read back into its meaning, as the practice window
// explains a learner's answer.

#include "AdminCommand.h"

#include "analysis/AnalysisData.h"
#include "learning/AnswerJudge.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

int RunExplain(AdminContext &ctx, const QStringList &args)
{
    if (args.size() != 1) {
        ctx.err << "taxel-admin explain: expected one class number" << Qt::endl;
        return 2;
    }
    const QString number = ClassNumbersIn(NormaliseAnswerText(args.first())).value(0);
    if (number.isEmpty()) {
        ctx.err << "taxel-admin explain: " << args.first() << " is no class number (017, 913.6)" << Qt::endl;
        return 1;
    }
    const AnalysisData data = AnalysisData::load(ctx.tree);
    for (const QString &error : data.errors)
        ctx.err << "taxel-admin: " << error << Qt::endl;
    const NumberReading reading = ReadClassNumber(number, data);
    if (ctx.json) {
        QJsonArray parts;
        for (const AuxPart &part : reading.parts)
            parts.append(QJsonObject {{QStringLiteral("table"), part.table}, {QStringLiteral("code"), part.code},
                {QStringLiteral("caption"), part.caption}});
        PrintJson(ctx,
            {{QStringLiteral("number"), reading.number}, {QStringLiteral("known"), reading.known},
                {QStringLiteral("caption"), reading.caption},
                {QStringLiteral("hierarchy"), QJsonArray::fromStringList(reading.hierarchy)},
                {QStringLiteral("rest"), reading.rest}, {QStringLiteral("parts"), parts}});
        return 0;
    }
    if (reading.known.isEmpty()) {
        ctx.out << reading.number << ": no schedule number begins it" << Qt::endl;
        return 0;
    }
    ctx.out << reading.number << ": " << reading.known << " " << reading.caption << " ("
            << reading.hierarchy.join(QStringLiteral(" > ")) << ")" << Qt::endl;
    if (!reading.rest.isEmpty())
        ctx.out << "  then " << reading.rest << Qt::endl;
    for (const AuxPart &part : reading.parts)
        ctx.out << "  " << part.table << " " << part.code << " " << part.caption << Qt::endl;
    return 0;
}

const bool registered
    = RegisterAdminCommand({"explain", "NUMBER   read a class number back into its meaning", &RunExplain, false});

} // namespace
