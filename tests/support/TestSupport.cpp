#include "TestSupport.h"

#include "datafiles/DataRoot.h"
#include "datafiles/LineList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

TempRoot::TempRoot()
    : m_previousRoot(DataRoot::root())
{
    QDir(m_dir.path()).mkpath(QStringLiteral("StudyTaxel"));
    DataRoot::setRoot(m_dir.path());
}

TempRoot::~TempRoot()
{
    DataRoot::setRoot(m_previousRoot);
}

QString TempRoot::path(const QString &relative) const
{
    return m_dir.path() + QLatin1Char('/') + relative;
}

void TempRoot::makeFolder(const QString &relative) const
{
    QDir(m_dir.path()).mkpath(relative);
}

void TempRoot::writeLines(const QString &relative, const QStringList &lines, bool utf8) const
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    writeBytes(relative, utf8 ? QByteArray("\xEF\xBB\xBF") + text.toUtf8() : ToCp932(text));
}

void TempRoot::writeBytes(const QString &relative, const QByteArray &bytes) const
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray TempRoot::readBytes(const QString &relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TempRoot::readLines(const QString &relative) const
{
    LineList list;
    list.loadFromBytes(readBytes(relative));
    return list.lines();
}

QByteArray ToCp932(const QString &text)
{
    QStringEncoder encoder("windows-31j");
    return encoder.encode(text);
}

QStringList L(std::initializer_list<const char16_t *> items)
{
    QStringList out;
    for (const char16_t *s : items)
        out.append(QString::fromUtf16(s));
    return out;
}
