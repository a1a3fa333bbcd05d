#include "DataRoot.h"

#include "FileSync.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStringList>

namespace {
QString g_root;

QString cleanAbsolute(const QString &dir)
{
    return QDir::cleanPath(QDir(dir).absolutePath());
}

bool holdsTree(const QString &folder)
{
    return QFileInfo(QDir(folder).filePath(QStringLiteral("StudyTaxel"))).isDir();
}

/// --root, else the nearest folder upwards that holds "StudyTaxel/"; empty when neither.
QString findNear(const QString &given, const QString &workingDir)
{
    if (!given.isEmpty())
        return cleanAbsolute(given);
    QDir dir(cleanAbsolute(workingDir));
    for (;;) {
        if (holdsTree(dir.absolutePath()))
            return dir.absolutePath();
        if (!dir.cdUp())
            return QString();
    }
}

QString mountPoint(const QString &workingDir)
{
    const QString mount = QStorageInfo(workingDir).rootPath();
    return mount.isEmpty() ? QDir::rootPath() : cleanAbsolute(mount);
}

/// Copies one file into a new file, writable by its owner as progress files must be. Unlike
/// QFile::copy it does not sync each file to the disk: the tree is synced once, as a whole.
bool copyFile(const QString &source, const QString &target, QString *error)
{
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(source, in.errorString());
        return false;
    }
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly,
            in.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        *error = QStringLiteral("cannot create %1: %2").arg(target, out.errorString());
        return false;
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        *error = QStringLiteral("cannot read %1: %2").arg(source, in.errorString());
        return false;
    }
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        *error = QStringLiteral("cannot write %1: %2").arg(target, out.errorString());
        return false;
    }
    return true;
}

/// Copies the tree \a from into the new folder \a to, files and folders alike. A linked folder
/// is refused rather than copied without its content.
bool copyTree(const QString &from, const QString &to, QString *error)
{
    if (!QDir().mkpath(to)) {
        *error = QStringLiteral("cannot create %1").arg(to);
        return false;
    }
    QDirIterator it(
        from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QFileInfo info = it.fileInfo();
        const QString target = to + source.mid(from.size());
        if (info.isDir() && info.isSymLink()) {
            *error = QStringLiteral("%1 is a link to a folder").arg(source);
            return false;
        }
        if (info.isDir()) {
            if (!QDir().mkpath(target)) {
                *error = QStringLiteral("cannot create %1").arg(target);
                return false;
            }
            continue;
        }
        if (!copyFile(source, target, error))
            return false;
    }
    // the content is on the disk before the tree is renamed into place; only the file system of
    // the copy is synced, so a slow stick elsewhere does not hold up the start
    SyncFileSystemOf(to);
    return true;
}
} // namespace

namespace DataRoot {

QString findRoot(const QString &given, const QString &workingDir)
{
    const QString near = findNear(given, workingDir);
    return near.isEmpty() ? mountPoint(workingDir) : near;
}

QString applicationName()
{
    return QStringLiteral("Taxel");
}

QString installedRoot(const QString &programFolder, const QString &relative)
{
    const QString folder = QDir::cleanPath(QDir(programFolder).absoluteFilePath(relative));
    return holdsTree(folder) ? folder : QString();
}

UserCopy provideUserCopy(const QString &installedRoot, const QString &userFolder, QString *error)
{
    QString reason;
    if (!error)
        error = &reason;
    const QString folder = cleanAbsolute(userFolder);
    const QString target = folder + QStringLiteral("/StudyTaxel");
    if (QFileInfo(target).isDir())
        return UserCopy::Present;
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create %1").arg(folder);
        return UserCopy::Failed;
    }
    // never stale while its program runs, however long a copy takes; a crashed program's is taken over
    QLockFile lock(folder + QStringLiteral("/.StudyTaxel.lock"));
    lock.setStaleLockTime(0);
    if (!lock.lock()) {
        *error = QStringLiteral("cannot lock %1").arg(folder);
        return UserCopy::Failed;
    }
    if (QFileInfo(target).isDir())
        return UserCopy::Present; // made by another start while this one waited
    const QString partial = folder + QStringLiteral("/.StudyTaxel.partial");
    QDir(partial).removeRecursively(); // what an interrupted copy left
    if (!copyTree(cleanAbsolute(installedRoot) + QStringLiteral("/StudyTaxel"), partial, error)) {
        QDir(partial).removeRecursively();
        return UserCopy::Failed;
    }
    if (!QDir().rename(partial, target)) {
        QDir(partial).removeRecursively();
        *error = QStringLiteral("cannot rename %1 to %2").arg(partial, target);
        return UserCopy::Failed;
    }
    return UserCopy::Copied;
}

StartRoot startRoot(
    const QString &given, const QString &workingDir, const QString &installedRoot, const QString &userFolder)
{
    const QString near = findNear(given, workingDir);
    if (!near.isEmpty())
        return {near, QString()};
    if (installedRoot.isEmpty() || userFolder.isEmpty())
        return {mountPoint(workingDir), QString()};
    QString error;
    if (provideUserCopy(installedRoot, userFolder, &error) != UserCopy::Failed)
        return {cleanAbsolute(userFolder), QString()};
    // the data is still found, read-only; saving progress reports its own failure
    return {cleanAbsolute(installedRoot),
        QStringLiteral(
            "学習データを %1 にコピーできませんでした（%2）。インストールされたデータを読み取り専用で使います。")
            .arg(QDir::toNativeSeparators(cleanAbsolute(userFolder)), error)};
}

QString startUp(const QString &given, const QString &installedRelative)
{
    QCoreApplication::setApplicationName(applicationName());
    const QString installed = installedRoot(QCoreApplication::applicationDirPath(), installedRelative);
    const StartRoot start = startRoot(given, QDir::currentPath(), installed,
        installed.isEmpty() ? QString() : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    setRoot(start.root);
    return start.problem;
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
