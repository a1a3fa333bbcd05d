// taxel-admin's application object. taxel-admin links the core alone, so a command that makes no
// window starts in a fraction of the time the widget toolkit and the PDF libraries take to load;
// every command it does not hold is handed over to taxel-admin-windows: beside it in the build,
// in the package's private folder when installed.

#include "AdminCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <unistd.h>
#else
#include <QProcess>
#endif

namespace {

/// Runs taxel-admin-windows with the same arguments, standing in for this process: on Unix in its
/// place (same process, streams and exit status), elsewhere as a child whose exit status is ours.
[[noreturn]] void handOver(char **argv)
{
    const QFileInfo self(QCoreApplication::applicationFilePath());
    const QString name = QStringLiteral("taxel-admin-windows")
        + (self.suffix().isEmpty() ? QString() : QLatin1Char('.') + self.suffix());
    QString windows = QDir(self.path()).filePath(name);
    if (!QFileInfo::exists(windows))
        windows = QDir::cleanPath(QDir(self.path()).filePath(QStringLiteral(TAXEL_INSTALLED_HELPER "/") + name));
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(windows);
    argv[0] = const_cast<char *>(path.constData());
    execv(path.constData(), argv);
    std::fprintf(stderr, "taxel-admin: cannot start %s\n", path.constData());
    std::exit(1);
#else
    Q_UNUSED(argv);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(windows, QCoreApplication::arguments().mid(1));
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit) {
        std::fprintf(stderr, "taxel-admin: cannot run %s\n", qPrintable(windows));
        std::exit(1);
    }
    std::exit(process.exitCode());
#endif
}

} // namespace

QCoreApplication *MakeAdminApplication(int &argc, char **argv, const AdminCommand *command)
{
    auto *app = new QCoreApplication(argc, argv);
    if (!command)
        handOver(argv);
    return app;
}
