#include "AnswerJudge.h"

#include "analysis/AuxTables.h"
#include "analysis/ClassEntry.h"
#include "analysis/Decomposition.h"
#include "analysis/Synthesis.h"
#include "datafiles/CommaText.h"
#include "datafiles/DataRoot.h"
#include "datafiles/LineList.h"

namespace {

LineList loadIfPresent(const QString &relativePath)
{
    LineList list;
    const QString path = DataRoot::path(relativePath);
    if (DataRoot::fileExists(path))
        list.loadFromFile(path);
    return list;
}

QString scheduleLineOf(const QString &number, const QStringList &schedule)
{
    const QString prefix = QLatin1Char('/') + number + QLatin1Char(',');
    for (const QString &line : schedule)
        if (line.startsWith(prefix))
            return line;
    return QString();
}

int digitCount(QStringView text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }));
}

/// The part for \a code in the table of \a kind, when the table knows the code.
bool findPart(const AuxTables &tables, int kind, int division, const QString &code, int firstDigit, AuxPart *part)
{
    const AuxTable table = AuxTableOfKind(kind, division);
    if (table == AuxTable::None || code.isEmpty())
        return false;
    const int index = MatchAuxCode(tables[table], code, AuxTableMatchesSecondCharacter(table));
    if (index < 0)
        return false;
    const QStringList fields = SplitCommaText(tables[table].at(index));
    *part = {AuxTableCaption(table), fields.value(0), fields.value(1), firstDigit};
    return true;
}

/// The codes the synthesis formulas of the number's own section line add ("302+1/2/1": 地理区分 1
/// after the three digits of 302), then a code after the known number in the first table the
/// longest section line names that knows it.
QList<AuxPart> partsOf(const NumberReading &reading, const QString &scheduleLine, const QStringList &sections)
{
    QList<AuxPart> parts;
    const ClassAnalysis analysis = AnalyzeScheduleLine(reading.number, scheduleLine, sections);
    if (!analysis.message.isEmpty())
        return parts;
    const AuxTables tables = LoadAuxTables();
    const int division = DivisionOfEntry(reading.number);
    for (const QString &formula : analysis.formulas) {
        const QStringList items = SplitSynthesisItems(formula);
        if (items.size() < 3)
            continue;
        const qsizetype plus = items.at(0).indexOf(QLatin1Char('+'));
        const int firstDigit = plus < 0 ? 0 : digitCount(QStringView(items.at(0)).left(plus)) + 1;
        AuxPart part;
        if (findPart(tables, items.at(1).toInt(), division, items.at(2), firstDigit, &part))
            parts.append(part);
    }
    if (!reading.rest.isEmpty()) {
        for (int kind : KindDigits(analysis.kindCode)) {
            AuxPart part;
            if (kind != 0 && findPart(tables, kind, division, reading.rest, digitCount(reading.known) + 1, &part)) {
                parts.append(part);
                break;
            }
        }
    }
    return parts;
}

QString shown(const NumberReading &reading)
{
    if (reading.known.isEmpty())
        return reading.number + QStringLiteral("（分類表にない番号）");
    QString caption = reading.caption;
    if (caption.size() > 14)
        caption = caption.left(13) + QStringLiteral("…");
    return reading.number + QStringLiteral("「") + caption + QStringLiteral("」");
}

QString levelName(NumberLevel level)
{
    switch (level) {
    case NumberLevel::MainClass: return QStringLiteral("類目");
    case NumberLevel::Division: return QStringLiteral("綱目");
    case NumberLevel::Section: return QStringLiteral("要目");
    case NumberLevel::Subdivision:
    case NumberLevel::AuxiliaryPart: break;
    }
    return QStringLiteral("細目");
}

/// The first digit (from 1) where the two numbers part, a missing digit counting as different.
int firstDifference(const QString &a, const QString &b)
{
    const QString da = QString(a).remove(QLatin1Char('.'));
    const QString db = QString(b).remove(QLatin1Char('.'));
    int i = 0;
    while (i < da.size() && i < db.size() && da.at(i) == db.at(i))
        ++i;
    return i + 1;
}

void diagnose(Judgement &j)
{
    j.nearest = j.accepted.first();
    for (const QString &candidate : j.accepted)
        if (firstDifference(j.learnerNumber, candidate) > firstDifference(j.learnerNumber, j.nearest))
            j.nearest = candidate;
    j.position = firstDifference(j.learnerNumber, j.nearest);
    j.learnerReading = ReadClassNumber(j.learnerNumber);
    j.nearestReading = ReadClassNumber(j.nearest);

    j.level = j.position == 1 ? NumberLevel::MainClass
        : j.position == 2     ? NumberLevel::Division
        : j.position == 3     ? NumberLevel::Section
                              : NumberLevel::Subdivision;
    j.levelName = levelName(j.level);
    if (j.level == NumberLevel::Subdivision) {
        for (const AuxPart &part : j.nearestReading.parts) {
            const int length = digitCount(part.code);
            if (part.firstDigit > 3 && j.position >= part.firstDigit && j.position < part.firstDigit + length) {
                j.level = NumberLevel::AuxiliaryPart;
                j.levelName = part.table;
            }
        }
    }
    j.text = shown(j.learnerReading) + QStringLiteral("ではなく ") + shown(j.nearestReading)
        + QStringLiteral("：%1桁目（%2）から違います").arg(j.position).arg(j.levelName);
}

} // namespace

QString NormaliseAnswerText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９')
            out += QChar(u'0' + (u - u'０'));
        else if (u == u'．' || u == u'。')
            out += QLatin1Char('.');
        else if (!c.isSpace())
            out += c;
    }
    return out;
}

QStringList ClassNumbersIn(const QString &normalised)
{
    auto isDigit = [&](qsizetype i) {
        return i >= 0 && i < normalised.size() && normalised.at(i) >= u'0' && normalised.at(i) <= u'9';
    };
    QStringList numbers;
    qsizetype i = 0;
    while (i < normalised.size()) {
        if (!isDigit(i)) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (isDigit(end))
            ++end;
        if (end - i == 3 && !(i > 0 && normalised.at(i - 1) == u'.')) {
            if (end < normalised.size() && normalised.at(end) == u'.' && isDigit(end + 1)) {
                ++end;
                while (isDigit(end))
                    ++end;
            }
            numbers.append(normalised.mid(i, end - i));
        }
        i = end;
    }
    return numbers;
}

NumberReading ReadClassNumber(const QString &number)
{
    NumberReading reading;
    reading.number = number;
    const int mainClass = MainClassOfEntry(number);
    const LineList schedule = loadIfPresent(ScheduleFilePath(mainClass));
    const QString key = FindSearchKey(number, schedule.lines());
    const QString line = key.isEmpty() ? QString() : scheduleLineOf(key, schedule.lines());
    if (line.isEmpty())
        return reading;
    reading.known = key;
    const QStringList fields = SplitCommaText(line);
    reading.caption = fields.value(1);
    for (int i = 2; i < 5 && i < fields.size(); ++i)
        reading.hierarchy.append(fields.at(i));
    reading.rest = number.mid(key.size());
    if (reading.rest.startsWith(QLatin1Char('.')))
        reading.rest.remove(0, 1);
    const LineList sections = loadIfPresent(SectionFilePath(mainClass));
    if (!sections.isEmpty())
        reading.parts = partsOf(reading, line, sections.lines());
    return reading;
}

QString VerdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Correct: return QStringLiteral("correct");
    case Verdict::Wrong: return QStringLiteral("wrong");
    case Verdict::Unreadable: return QStringLiteral("unreadable");
    case Verdict::NoReference: return QStringLiteral("noreference");
    case Verdict::NotJudged: break;
    }
    return QString();
}

Judgement JudgeAnswer(const QString &learnerText, const QString &answerField)
{
    Judgement j;
    j.accepted = ClassNumbersIn(NormaliseAnswerText(answerField));
    const QStringList learner = ClassNumbersIn(NormaliseAnswerText(learnerText));
    j.learnerNumber = learner.value(0);
    if (j.accepted.isEmpty()) {
        j.verdict = Verdict::NoReference;
        j.text = QStringLiteral("この問題には照らし合わせる解答がありません");
    } else if (j.learnerNumber.isEmpty()) {
        j.verdict = Verdict::Unreadable;
        j.text = QStringLiteral("分類記号として読めません（例：017、913.6）");
    } else if (j.accepted.contains(j.learnerNumber)) {
        j.verdict = Verdict::Correct;
        j.text = QStringLiteral("正解です！");
    } else {
        j.verdict = Verdict::Wrong;
        diagnose(j);
    }
    return j;
}
