#pragma once

#include "datafiles/DataRoot.h"

#include <QStringList>
#include <QTextStream>
#include <vector>

class QJsonObject;

/// What a console command gets: the data tree, the output streams (UTF-8) and whether JSON was asked for.
struct AdminContext
{
    const DataTree &tree; ///< the data tree of the run
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
    /// The command makes windows, so the widget toolkit is started for it (QApplication); the
    /// others run without it (QCoreApplication). On unless a command says otherwise.
    bool windows = true;
};

/// Adds a command to the console; each command file registers its own:
///   static const bool registered = RegisterAdminCommand({"search", "[--or] [--exact] QUERY", &RunSearch, false});
/// taxel-admin itself links the core alone and holds the commands that make no window and need
/// no more than the core (src/CMakeLists.txt lists their files); it hands every other command over
/// to taxel-admin-windows beside it, which holds them all. A new command file goes to the latter.
bool RegisterAdminCommand(const AdminCommand &command);
const std::vector<AdminCommand> &AdminCommands();

/// The command named \a name, or null.
const AdminCommand *FindAdminCommand(const QString &name);

class QCoreApplication;
/// Makes the program's application object for \a command (null when the arguments name no
/// known command): defined once by each of the two programs (ConsoleApplication.cpp,
/// WindowsApplication.cpp). taxel-admin's hands a command it does not hold over to
/// taxel-admin-windows and does not return.
QCoreApplication *MakeAdminApplication(int &argc, char **argv, const AdminCommand *command);

/// Prints \a object as indented JSON followed by a line break.
void PrintJson(AdminContext &ctx, const QJsonObject &object);
