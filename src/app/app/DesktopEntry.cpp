#include "DesktopEntry.h"

#include "datafiles/FileError.h"
#include "datafiles/LineList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace DesktopEntry {

QString quoteExecArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    for (QChar c : argument)
        if (reserved.contains(c))
            needsQuotes = true;
    QString out;
    if (needsQuotes)
        out += QLatin1Char('"');
    for (QChar c : argument) {
        if (needsQuotes && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            out += QLatin1Char('\\');
        if (c == u'%')
            out += QLatin1Char('%');
        out += c;
    }
    if (needsQuotes)
        out += QLatin1Char('"');
    return out;
}

QString escapeValue(const QString &value)
{
    QString out;
    for (QChar c : value) {
        switch (c.unicode()) {
        case u'\\': out += QLatin1String("\\\\"); break;
        case u'\n': out += QLatin1String("\\n"); break;
        case u'\r': out += QLatin1String("\\r"); break;
        case u'\t': out += QLatin1String("\\t"); break;
        default: out += c;
        }
    }
    return out;
}

QString entryText(const QString &program, const QString &workingFolder, const QString &description)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.0\n"
                          "Name=Taxel\n"
                          "Comment=%1\n"
                          "Exec=%2\n"
                          "Path=%3\n"
                          "Icon=taxel\n"
                          "Terminal=false\n"
                          "Categories=Education;\n")
        .arg(escapeValue(description), escapeValue(quoteExecArgument(program)), escapeValue(workingFolder));
}

int saveShortcutFile(
    const QString &file, const QString &program, const QString &workingFolder, const QString &description)
{
    if (!QFileInfo(QFileInfo(file).path()).isDir())
        return -1;
    try {
        WriteFileAtomically(
            file, entryText(program, workingFolder, description).toUtf8(), LineList::Durability::Synced);
    } catch (const FileError &) {
        return -1;
    }
    // desktops start only entries that are marked executable
    QFile::setPermissions(file, QFile::permissions(file) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    return 0;
}

void createDesktopShortcut(
    const QString &program, const QString &folder, const QString &workingFolder, const MessageSink &show)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    const QString file = QDir(folder).filePath(QStringLiteral("Taxel.desktop"));
    if (QFileInfo::exists(file))
        return;
    if (saveShortcutFile(file, program, workingFolder, QStringLiteral("Taxel起動")) == 0)
        show(QStringLiteral("デスクトップにTaxel起動アイコンを作成しました。"));
}

} // namespace DesktopEntry
