#include "ExampleLookup.h"

#include "RecordLayout.h"

#include "datafiles/TextFileCache.h"

#include "datafiles/CommaText.h"
#include "datafiles/DataPaths.h"
#include "datafiles/DataRoot.h"
#include "datafiles/LineList.h"
#include "datafiles/NumberText.h"

#include <QStringList>

namespace {

const QChar kPartEnd(0x2225); // ∥

QString exampleFile(const DataTree &tree, const QString &name)
{
    return tree.path(DataPaths::exampleFolder()) + QLatin1Char('/') + name;
}

QString field(const QStringList &fields, int index)
{
    return index < fields.size() ? fields.at(index) : QString();
}

/// Fields \a from onwards, each followed by "∥"; empty fields left out when \a skipEmpty.
QString answerParts(const QStringList &fields, int from, bool skipEmpty)
{
    QString text;
    for (qsizetype i = from; i < fields.size(); ++i) {
        if (skipEmpty && fields.at(i).isEmpty())
            continue;
        text += fields.at(i) + kPartEnd;
    }
    return text;
}

/// The file a lettered number is read from; empty for a plain number. The letters are tested in
/// the order a … f (k) and the last one found decides.
QString letteredFile(const QString &number, bool withK)
{
    static const char16_t letters[] = u"abcdefk";
    static const char *const files[]
        = {"REI_A.txt", "REI_B.txt", "REI_C.txt", "REI_D.txt", "REI_E.txt", "REI_F.txt", "REI_hojo.txt"};
    QString file;
    for (int i = 0; i < (withK ? 7 : 6); ++i)
        if (number.contains(QChar(letters[i])))
            file = QString::fromLatin1(files[i]);
    return file;
}

/// The line of plain number n in a file of the block layout; false when n has no line there.
bool blockLine(const LineList &list, int n, QString *line)
{
    const qint64 slot = (static_cast<qint64>(n) - 1) % 1000; // C remainder: negative below 1
    if (slot < 0 || slot >= list.count())
        return false;
    *line = list.get(static_cast<int>(slot));
    return true;
}

/// Title, hint and answer of one line as the item search window reads them: the answer starts
/// with the hint and keeps empty parts. Later lines overwrite the title and hint and add parts.
void takeForSlot(const QString &line, ExampleTexts &out)
{
    const QStringList f = SplitCommaText(WidenBlanks(line));
    if (f.size() > ExampleLine::Title)
        out.title = f.at(ExampleLine::Title);
    if (f.size() > ExampleLine::Hint) {
        out.hint = f.at(ExampleLine::Hint);
        out.answer += answerParts(f, ExampleLine::Hint, false);
    }
}

ExampleTexts found(ExampleTexts texts)
{
    texts.result = LookupResult::Found;
    texts.written = true;
    return texts;
}

ExampleTexts failed(LookupResult result)
{
    ExampleTexts texts;
    texts.result = result;
    return texts;
}

/// The lines of \a path through \a files, or read now; null when the file does not exist.
const LineList *linesOf(const QString &path, TextFileCache *files, LineList &read)
{
    if (files)
        return files->lines(path);
    if (!DataRoot::fileExists(path))
        return nullptr;
    read.loadFromFile(path);
    return &read;
}

ExampleTexts findForSlot(const DataTree &tree, const QString &number, TextFileCache *files)
{
    ExampleTexts out;
    const QString lettered = letteredFile(number, false);
    LineList read;
    if (!lettered.isEmpty()) {
        const LineList *list = linesOf(exampleFile(tree, lettered), files, read);
        if (!list)
            return failed(LookupResult::SlotLetteredFileMissing);
        for (const QString &line : list->lines())
            if (line.startsWith(number))
                takeForSlot(line, out);
    } else {
        const int n = ReadInt(number);
        const qint64 block = (static_cast<qint64>(n) - 1) / 1000; // C division: 0 for n = 0
        const LineList *list = linesOf(exampleFile(tree, QStringLiteral("REI_%1.txt").arg(block)), files, read);
        if (!list)
            return failed(LookupResult::SlotBlockMissing);
        QString line;
        if (blockLine(*list, n, &line))
            takeForSlot(line, out);
    }
    if (out.title.isEmpty())
        return failed(LookupResult::SlotNoTitle);
    return found(out);
}

/// The practice set's own example file for a plain number; empty when the set has none.
QString setFile(int setCode, int n)
{
    static const char *const named[] = {"REI_kei.txt", "REI_tiri.txt", "REI_kai.txt", "REI_gen.txt", "REI_kenk.txt",
        "REI_bunk.txt", "REI_rekiz.txt", "REI_bunz.txt", "REI_kiko.txt", "REI_zu.txt", "REI_all.txt"};
    if (setCode == 0)
        return QStringLiteral("REI_kihon.txt");
    if (setCode >= 1 && setCode <= 10)
        return QStringLiteral("REI_%1.txt").arg((static_cast<qint64>(n) - 1) / 1000);
    if (setCode >= 11 && setCode <= 21)
        return QString::fromLatin1(named[setCode - 11]);
    return {};
}

/// A lettered exercise (\a lettered its file): the first line that begins with \a number, or empty
/// texts when none does.
ExampleTexts findLettered(
    const DataTree &tree, const QString &number, const QString &lettered, bool fixedOrderMode, TextFileCache *files)
{
    LineList read;
    const LineList *list = linesOf(exampleFile(tree, lettered), files, read);
    if (!list)
        return failed(LookupResult::LetteredFileMissing);
    ExampleTexts out;
    out.aimWritten = fixedOrderMode;
    for (const QString &raw : list->lines()) {
        if (!raw.startsWith(number))
            continue;
        const QString line = WidenBlanks(raw);
        if (line.contains(QStringLiteral("::空き番号")))
            return failed(LookupResult::LetteredEmptySlot);
        const QStringList f = SplitCommaText(line);
        out.title = field(f, ExampleLine::Title);
        if (fixedOrderMode) {
            out.aim = field(f, ExampleLine::FixedAim);
            out.hint = field(f, ExampleLine::FixedHint);
            out.explanation = field(f, ExampleLine::FixedExplanation);
            out.answer = answerParts(f, ExampleLine::FixedAnswer, true);
        } else {
            out.hint = field(f, ExampleLine::Hint);
            out.answer = answerParts(f, ExampleLine::Answer, true);
        }
        break;
    }
    return found(out);
}

ExampleTexts findForPractice(
    const DataTree &tree, const QString &number, int setCode, bool fixedOrderMode, TextFileCache *files)
{
    const QString lettered = letteredFile(number, true);
    if (!lettered.isEmpty())
        return findLettered(tree, number, lettered, fixedOrderMode, files);

    const int n = ReadInt(number);
    const QString name = setFile(setCode, n);
    if (name.isEmpty())
        return failed(LookupResult::NoFileForSet);
    LineList read;
    const LineList *list = linesOf(exampleFile(tree, name), files, read);
    if (!list)
        return failed(LookupResult::SetFileMissing);
    QString line;
    if (!blockLine(*list, n, &line))
        return failed(LookupResult::EmptySlot);
    line = WidenBlanks(line);
    if (line.contains(QStringLiteral("空き番号")))
        return failed(LookupResult::EmptySlot);
    const QStringList f = SplitCommaText(line);
    ExampleTexts out;
    out.title = field(f, ExampleLine::Title);
    out.hint = field(f, ExampleLine::Hint);
    out.answer = answerParts(f, ExampleLine::Answer, true);
    return found(out);
}

} // namespace

QStringList ExampleNumbersForSlots(const QString &field)
{
    QStringList pieces = field.split(QLatin1Char('/'));
    pieces.last().truncate(6);
    return pieces.mid(0, 4);
}

QString WidenBlanks(const QString &text)
{
    QString wide = text;
    wide.replace(QLatin1Char(' '), QChar(0x3000));
    return wide;
}

ExampleCaller ExampleSlot(int k)
{
    return static_cast<ExampleCaller>(qBound(1, k, 4));
}

QString DescribeLookupResult(LookupResult result)
{
    switch (result) {
    case LookupResult::Found: return QStringLiteral("found");
    case LookupResult::LetteredFileMissing:
    case LookupResult::SlotLetteredFileMissing: return QStringLiteral("lettered example file missing");
    case LookupResult::LetteredEmptySlot:
    case LookupResult::EmptySlot: return QStringLiteral("empty example slot");
    case LookupResult::NoFileForSet: return QStringLiteral("no example file for plain numbers in this set");
    case LookupResult::SetFileMissing: return QStringLiteral("example file missing");
    case LookupResult::SlotBlockMissing: return QStringLiteral("example block missing");
    case LookupResult::SlotNoTitle: return QStringLiteral("no example with a title");
    }
    return QString();
}

ExampleTexts FindReidai(const DataTree &tree, const QString &number, ExampleCaller caller, int setCode,
    bool fixedOrderMode, TextFileCache *files)
{
    if (caller == ExampleCaller::Practice)
        return findForPractice(tree, number, setCode, fixedOrderMode, files);
    return findForSlot(tree, number, files);
}
