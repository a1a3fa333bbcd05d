#include "DataRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStringList>

#include <algorithm>

namespace {
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

/// The files a learner's use of the program writes (the rest of a tree is the package's).
bool isLearnersFile(const QString &relative)
{
    static const QStringList files {QStringLiteral("StudyTaxel/ReidaiData/study_kihon.txt"),
        QStringLiteral("StudyTaxel/ReidaiData/study_ouyou.txt"),
        QStringLiteral("StudyTaxel/ReidaiData/study_fukusyu.txt")};
    return files.contains(relative);
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

OldCopy tidyOldCopy(const QString &installedRoot, const QString &userFolder)
{
    OldCopy result;
    const QString folder = cleanAbsolute(userFolder);
    const QString tree = folder + QStringLiteral("/StudyTaxel");
    // only the full copy of an older version holds the schedules; the program never writes them
    if (!QFileInfo(tree + QStringLiteral("/TaxelData/Saimoku_0.txt")).isFile())
        return result;
    // two programs starting at once: one tidies, the other waits and finds it done
    QLockFile lock(folder + QStringLiteral("/.StudyTaxel.lock"));
    lock.setStaleLockTime(0);
    if (!lock.lock()) {
        result.error = QStringLiteral("cannot lock %1").arg(folder);
        return result;
    }
    if (!QFileInfo(tree + QStringLiteral("/TaxelData/Saimoku_0.txt")).isFile())
        return result; // tidied by another start while this one waited
    result.found = true;
    const QString installed = cleanAbsolute(installedRoot);
    // the schedule that marks the copy goes last, so that a tidy cut off is taken up at the next start
    const QString marker = tree + QStringLiteral("/TaxelData/Saimoku_0.txt");
    QDirIterator it(tree, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = QDir(folder).relativeFilePath(file);
        if (isLearnersFile(relative) || file == marker)
            continue;
        if (QFileInfo(installed + QLatin1Char('/') + relative).isFile()) {
            if (QFile::remove(file))
                ++result.removed;
            else
                result.kept.append(relative);
        } else {
            result.kept.append(relative);
        }
    }
    if (!QFileInfo(installed + QStringLiteral("/StudyTaxel/TaxelData/Saimoku_0.txt")).isFile()
        || !QFile::remove(marker))
        result.kept.append(QDir(folder).relativeFilePath(marker));
    // the folders the copy leaves empty, deepest first
    QStringList folders;
    QDirIterator dirs(tree, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (dirs.hasNext())
        folders.append(dirs.next());
    std::sort(folders.begin(), folders.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    for (const QString &empty : folders)
        QDir().rmdir(empty);
    QDir(folder + QStringLiteral("/.StudyTaxel.partial")).removeRecursively(); // what an interrupted copy left
    return result;
}

StartRoot startRoot(
    const QString &given, const QString &workingDir, const QString &installedRoot, const QString &userFolder)
{
    const QString installed = installedRoot.isEmpty() ? QString() : cleanAbsolute(installedRoot);
    const QString user = userFolder.isEmpty() ? QString() : cleanAbsolute(userFolder);
    const QString near = findNear(given, workingDir);
    // a start inside the user's folder or the installed tree (the desktop shortcut's working
    // folder) is an installed program's start like any other
    const bool layered = !installed.isEmpty() && !user.isEmpty() && given.isEmpty()
        && (near.isEmpty() || near == user || near == installed);
    if (!layered)
        return {near.isEmpty() ? mountPoint(workingDir) : near, QString(), QString()};

    StartRoot start {user, installed, QString()};
    if (!QDir().mkpath(user)) {
        start.problem = QStringLiteral("学習データのフォルダ %1 を作れませんでした。学習の記録は保存できません。")
                            .arg(QDir::toNativeSeparators(user));
        return start;
    }
    const OldCopy old = tidyOldCopy(installed, user);
    if (!old.error.isEmpty())
        start.problem = QStringLiteral("以前の版の学習データを整理できませんでした（%1）。").arg(old.error);
    else if (!old.kept.isEmpty())
        start.problem = QStringLiteral("以前の版の学習データを整理しました。次のファイルは残しています：%1")
                            .arg(old.kept.join(QStringLiteral("、")));
    return start;
}

StartRoot startUp(const QString &given, const QString &installedRelative)
{
    QCoreApplication::setApplicationName(applicationName());
    const QString installed = installedRoot(QCoreApplication::applicationDirPath(), installedRelative);
    return startRoot(given, QDir::currentPath(), installed,
        installed.isEmpty() ? QString() : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
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

namespace {
QString under(const QString &base, QStringView relative)
{
    if (base.endsWith(QLatin1Char('/')))
        return base + relative.toString();
    return base + QLatin1Char('/') + relative.toString();
}
} // namespace

DataTree::DataTree(const QString &root, const QString &installed)
    : m_root(cleanAbsolute(root))
    , m_installed(installed.isEmpty() ? QString() : cleanAbsolute(installed))
{ }

QString DataTree::path(QStringView relative) const
{
    const QString own = under(m_root, relative);
    if (m_installed.isEmpty() || QFileInfo::exists(own))
        return own;
    return under(m_installed, relative);
}

QString DataTree::writePath(QStringView relative) const
{
    const QString own = under(m_root, relative);
    if (!m_installed.isEmpty())
        QDir().mkpath(QFileInfo(own).absolutePath()); // the user's folder holds only what was written
    return own;
}
