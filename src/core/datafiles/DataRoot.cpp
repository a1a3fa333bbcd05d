#include "DataRoot.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStringList>

namespace {
QString g_root;

QString cleanAbsolute(const QString &dir)
{
    return QDir::cleanPath(QDir(dir).absolutePath());
}
} // namespace

namespace DataRoot {

QString findRoot(const QString &given, const QString &workingDir)
{
    if (!given.isEmpty())
        return cleanAbsolute(given);
    QDir dir(cleanAbsolute(workingDir));
    for (;;) {
        if (QFileInfo(dir.filePath(QStringLiteral("StudyTaxel"))).isDir())
            return dir.absolutePath();
        if (!dir.cdUp())
            break;
    }
    const QString mount = QStorageInfo(workingDir).rootPath();
    return mount.isEmpty() ? QDir::rootPath() : cleanAbsolute(mount);
}

void setRoot(const QString &root)
{
    g_root = cleanAbsolute(root);
}

QString root()
{
    if (g_root.isEmpty())
        g_root = findRoot(QString(), QDir::currentPath());
    return g_root;
}

QString path(QStringView relative)
{
    const QString base = root();
    if (base.endsWith(QLatin1Char('/')))
        return base + relative.toString();
    return base + QLatin1Char('/') + relative.toString();
}

bool fileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QString takeRootOption(QStringList &args)
{
    QString root;
    for (int i = 0; i < args.size();) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--root") && i + 1 < args.size()) {
            root = args.at(i + 1);
            args.remove(i, 2);
        } else if (arg.startsWith(QLatin1String("--root="))) {
            root = arg.mid(7);
            args.removeAt(i);
        } else {
            ++i;
        }
    }
    return root;
}

} // namespace DataRoot
