// taxel-admin: the maintainer's console. Builds the index and example files without a desktop and
// shows what a window will show for the data, driving the real windows offscreen.

#include "AdminCommand.h"

#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <memory>

namespace {

std::vector<AdminCommand> &registry()
{
    static std::vector<AdminCommand> commands;
    return commands;
}

void printUsage(QTextStream &stream)
{
    stream << "usage: taxel-admin [--root DIR] [--json] COMMAND [ARGS...]\n\ncommands:\n";
    for (const AdminCommand &command : AdminCommands())
        stream << "  " << command.name << ' ' << QString::fromUtf8(command.usage) << '\n';
    stream << "\n--root DIR  the folder that holds StudyTaxel/ (default: the nearest one up from the working\n"
              "            folder, else for an installed console the user's data folder, which gets a copy\n"
              "            of the installed default tree on first use)\n"
              "--json      print the result as JSON\n";
    stream.flush();
}

} // namespace

bool RegisterAdminCommand(const AdminCommand &command)
{
    registry().push_back(command);
    return true;
}

const std::vector<AdminCommand> &AdminCommands()
{
    return registry();
}

const AdminCommand *FindAdminCommand(const QString &name)
{
    for (const AdminCommand &command : registry())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

void PrintJson(AdminContext &ctx, const QJsonObject &object)
{
    ctx.out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
    ctx.out.flush();
}

namespace {
/// Qt's own notes (no runtime folder, an offscreen platform that cannot raise windows) are not
/// the console's output; only its errors are.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

/// The command the arguments name, read before the application object exists (which one to make
/// depends on it): the first argument after the options; empty after --help or an unknown option.
QString commandName(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--root")
            ++i;
        else if (arg != "--json" && !arg.startsWith("--root="))
            return arg.startsWith("--") ? QString() : QString::fromLocal8Bit(arg);
    }
    return QString();
}
} // namespace

namespace {

/// The options before the command (and --json after it).
struct ConsoleOptions
{
    bool json = false;
    QString root;
};

/// Takes the options out of \a args; returns -1 to go on, else the exit status (after --help, or
/// a usage message).
int readOptions(QStringList &args, ConsoleOptions *options, QTextStream &out, QTextStream &err)
{
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--json")) {
            options->json = true;
        } else if (option == QLatin1String("--root") && !args.isEmpty()) {
            options->root = args.takeFirst();
        } else if (option.startsWith(QLatin1String("--root="))) {
            options->root = option.mid(7);
        } else if (option == QLatin1String("--help")) {
            printUsage(out);
            return 0;
        } else {
            err << "taxel-admin: unknown option " << option << '\n';
            printUsage(err);
            return 2;
        }
    }
    if (args.isEmpty()) {
        printUsage(err);
        return 2;
    }
    // --json may also follow the command
    if (args.removeAll(QStringLiteral("--json")) > 0)
        options->json = true;
    return -1;
}

int runCommand(const AdminCommand &command, AdminContext &ctx, const QStringList &args)
{
    try {
        const int status = command.run(ctx, args);
        ctx.out.flush();
        ctx.err.flush();
        return status;
    } catch (const FileError &error) {
        ctx.out.flush();
        ctx.err << "taxel-admin: " << error.text() << Qt::endl;
    } catch (const std::exception &error) {
        ctx.out.flush();
        ctx.err << "taxel-admin: " << QString::fromUtf8(error.what()) << Qt::endl;
    }
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("TAXEL_DEBUG"))
        qInstallMessageHandler(quietMessages);
    const std::unique_ptr<QCoreApplication> app(
        MakeAdminApplication(argc, argv, FindAdminCommand(commandName(argc, argv))));

    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    ConsoleOptions options;
    if (const int status = readOptions(args, &options, out, err); status >= 0)
        return status;

    const DataRoot::StartRoot start = DataRoot::startUp(options.root, QStringLiteral(TAXEL_INSTALLED_DATA));
    if (!start.problem.isEmpty())
        err << "taxel-admin: " << start.problem << Qt::endl;
    const DataTree tree(start);

    const QString name = args.takeFirst();
    if (const AdminCommand *command = FindAdminCommand(name)) {
        AdminContext ctx {tree, options.json, out, err};
        return runCommand(*command, ctx, args);
    }
    err << "taxel-admin: unknown command " << name << '\n';
    printUsage(err);
    return 2;
}
