#include "TestSupport.h"

#include "datafiles/DataRoot.h"
#include "datafiles/LineList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

TempRoot::TempRoot()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("StudyTaxel"));
}

TempRoot::~TempRoot() = default;

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

FullDisk::FullDisk(int kilobytes)
{
#ifdef Q_OS_LINUX
    if (::geteuid() != 0) {
        m_reason = QStringLiteral("a full disk is made by mounting a tmpfs, which needs root");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) == 0;
    if (!m_mounted)
        m_reason = QStringLiteral("cannot mount a tmpfs here");
#else
    Q_UNUSED(kilobytes);
    m_reason = QStringLiteral("a full disk is made with a Linux tmpfs");
#endif
}

FullDisk::~FullDisk()
{
#ifdef Q_OS_LINUX
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
#endif
}

void FullDisk::fill() const
{
    QFile filler(m_dir.path() + QStringLiteral("/.filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) { }
    // a last partial block: the tail of a page the file system still had
    while (filler.write(block.left(1)) == 1) { }
}

bool FullDisk::setReadOnly(bool readOnly) const
{
#ifdef Q_OS_LINUX
    const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
    return m_mounted && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", flags, nullptr) == 0;
#else
    Q_UNUSED(readOnly);
    return false;
#endif
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
