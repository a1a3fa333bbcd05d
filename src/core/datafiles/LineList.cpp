#include "LineList.h"

#include "CommaText.h"
#include "FileError.h"
#include "FileSync.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <atomic>
#include <filesystem>
#include <system_error>

namespace {

const char kCp932[] = "windows-31j";

bool isAscii(const char *data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i)
        if (static_cast<unsigned char>(data[i]) >= 0x80)
            return false;
    return true;
}

bool isAscii(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

QString decodeCp932(const char *data, qsizetype size, bool *errors)
{
    if (isAscii(data, size))
        return QString::fromLatin1(data, size);
    // A fresh converter each time: a reused one keeps reporting an error once it has seen one.
    QStringDecoder decoder(kCp932, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(data, size));
    if (errors)
        *errors = decoder.hasError();
    return text;
}

/// Code page 932 bytes of \a text; false when the text would not survive the trip.
bool encodeCp932(const QString &text, QByteArray *out)
{
    if (isAscii(text)) {
        *out = text.toLatin1();
        return true;
    }
    QStringEncoder encoder(kCp932, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    bool errors = false;
    if (decodeCp932(bytes.constData(), bytes.size(), &errors) != text || errors)
        return false; // a one-way mapping would change the text when it is read again
    *out = std::move(bytes);
    return true;
}

/// Why a write failed, said so that a learner can act on it, and that the old file is kept.
QString errorText(const QString &path, const QString &reason)
{
    QString text = QStringLiteral("ファイル %1 に書き込めません（%2）。").arg(path, reason);
    const QString folder = QFileInfo(path).absolutePath();
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.isReadOnly())
        text += QStringLiteral("\nこのディスクは読み取り専用です。");
    else if (storage.isValid() && storage.bytesAvailable() < 64 * 1024)
        text += QStringLiteral("\nディスクの空き容量が足りません。");
    else if (QFileInfo(folder).isDir() && !QFileInfo(folder).isWritable())
        text += QStringLiteral("\nフォルダ %1 に書き込む権限がありません。").arg(folder);
    if (QFileInfo(path).isFile())
        text += QStringLiteral("\n元のファイルはそのまま残っています。");
    return text;
}

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

int LineList::find(QStringView text) const
{
    for (int i = 0; i < count(); ++i)
        if (m_lines.at(i) == text)
            return i;
    return -1;
}

QString LineList::decode(const QByteArray &bytes, Encoding *detected, bool *errors)
{
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    bool bad = false;
    QString text;
    if (n >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
        *detected = Encoding::Utf8;
        // only the first mark tells the encoding: a second one is text, as in UTF-16, so that the
        // lines read back the same after a save
        QStringDecoder decoder(
            QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        text = decoder.decode(QByteArrayView(bytes.constData() + 3, n - 3));
        bad = decoder.hasError();
    } else if (n >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF))) {
        const bool little = b[0] == 0xFF;
        *detected = little ? Encoding::Utf16LE : Encoding::Utf16BE;
        const qsizetype units = (n - 2) / 2;
        bad = (n - 2) % 2 != 0; // a dangling last byte is dropped
        text.resize(units);
        char16_t *out = reinterpret_cast<char16_t *>(text.data());
        for (qsizetype i = 0; i < units; ++i) {
            const unsigned char lo = little ? b[2 + 2 * i] : b[3 + 2 * i];
            const unsigned char hi = little ? b[3 + 2 * i] : b[2 + 2 * i];
            out[i] = static_cast<char16_t>(hi << 8 | lo);
        }
    } else {
        *detected = Encoding::Cp932;
        text = decodeCp932(bytes.constData(), n, &bad);
    }
    if (errors)
        *errors = bad;
    return text;
}

QStringList LineList::splitLines(QStringView text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text = text.left(nul);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start).toString());
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start).toString());
    return lines;
}

void LineList::loadFromBytes(const QByteArray &bytes)
{
    Encoding detected = Encoding::None;
    bool errors = false;
    const QString text = decode(bytes, &detected, &errors);
    m_encoding = detected;
    m_decodeErrors = errors;
    m_lines = splitLines(text);
}

void LineList::loadFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QCoreApplication::translate("LineList", "ファイル %1 を開けません（%2）。").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(
            QCoreApplication::translate("LineList", "ファイル %1 を読めません（%2）。").arg(path, file.errorString()));
    loadFromBytes(bytes);
}

QByteArray LineList::toBytes() const
{
    qsizetype size = 0;
    for (const QString &line : m_lines)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString &line : m_lines) {
        text += line;
        text += QLatin1String("\r\n");
    }

    switch (m_encoding) {
    case Encoding::None:
    case Encoding::Cp932: {
        QByteArray bytes;
        if (encodeCp932(text, &bytes))
            return bytes;
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    }
    case Encoding::Utf8: return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
        const bool little = m_encoding == Encoding::Utf16LE;
        QByteArray bytes;
        bytes.resize(2 + text.size() * 2);
        char *out = bytes.data();
        out[0] = little ? '\xFF' : '\xFE';
        out[1] = little ? '\xFE' : '\xFF';
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            out[2 + 2 * i] = static_cast<char>(little ? c & 0xFF : c >> 8);
            out[3 + 2 * i] = static_cast<char>(little ? c >> 8 : c & 0xFF);
        }
        return bytes;
    }
    }
    return {};
}

void LineList::saveToFile(const QString &path, Durability durability) const
{
    WriteFileAtomically(path, toBytes(), durability);
}

void LineList::splitCommaText(QStringView record)
{
    m_lines = SplitCommaText(record);
}

void WriteFileAtomically(const QString &path, const QByteArray &bytes, LineList::Durability durability)
{
    // Every step is checked, and the old file is replaced only once the new content is whole (and,
    // for learners' data, on the disk): a full disk or a failing device leaves the old file as it was.
    static std::atomic<unsigned> counter {0};
    const QString temp
        = path + QStringLiteral(".tmp%1-%2").arg(QCoreApplication::applicationPid()).arg(counter.fetch_add(1));
    QFile file(temp);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        throw FileError(errorText(path, file.errorString()));
    QString reason;
    bool written = file.write(bytes) == bytes.size();
    if (!written)
        reason = file.errorString();
    else if (durability == LineList::Durability::Synced)
        written = SyncFileToDisk(file, &reason);
    else if (!file.flush()) {
        written = false;
        reason = file.errorString();
    }
    file.close();
    if (written && file.error() != QFileDevice::NoError) {
        written = false;
        reason = file.errorString();
    }
    if (!written) {
        QFile::remove(temp);
        throw FileError(errorText(path, reason));
    }
    std::error_code error;
    std::filesystem::rename(fsPath(temp), fsPath(path), error);
    if (error) {
        QFile::remove(temp);
        throw FileError(errorText(path, QString::fromStdString(error.message())));
    }
    if (durability == LineList::Durability::Synced)
        SyncFolder(QFileInfo(path).absolutePath());
}
