#pragma once

#include <QStringList>
#include <QTextStream>
#include <vector>

class QJsonObject;

/// What a console command gets: the output streams (UTF-8) and whether JSON was asked for.
struct AdminContext
{
    bool json = false;
    QTextStream &out;
    QTextStream &err;
};

/// A console command: returns 0 on success, 1 when it reports a failure, 2 on a usage error.
using AdminRunFn = int (*)(AdminContext &ctx, const QStringList &args);

struct AdminCommand
{
    const char *name;
    const char *usage; ///< the arguments, e.g. "[--or] [--exact] QUERY"
    AdminRunFn run;
};

/// Adds a command to the console; each command file registers its own:
///   static const bool registered = RegisterAdminCommand({"search", "[--or] [--exact] QUERY", &RunSearch});
bool RegisterAdminCommand(const AdminCommand &command);
const std::vector<AdminCommand> &AdminCommands();

/// Prints \a object as indented JSON followed by a line break.
void PrintJson(AdminContext &ctx, const QJsonObject &object);
