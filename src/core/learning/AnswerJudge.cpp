#include "AnswerJudge.h"

#include "analysis/AnalysisData.h"
#include "analysis/AnalysisState.h"
#include "analysis/AuxTables.h"
#include "analysis/ClassEntry.h"
#include "analysis/SynthesisRules.h"
#include "datafiles/CommaText.h"

#include <algorithm>

namespace {

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

/// A table entry is its code, a comma and the caption, which may hold blanks and commas itself.
AuxPart partOf(const AuxEntry &entry, int firstDigit)
{
    const qsizetype comma = entry.text.indexOf(QLatin1Char(','));
    return {AuxTableCaption(entry.table), entry.text.left(comma), comma < 0 ? QString() : entry.text.mid(comma + 1),
        firstDigit};
}

/// Where the code of a formula begins among the number's digits: after the digits written before
/// the plus sign, and the zero a joining "0+" adds ("319.1+0+53": the 6th).
int firstDigitOf(const QString &formula)
{
    const qsizetype plus = formula.indexOf(QLatin1Char('+'));
    if (plus < 0)
        return 0;
    const bool zero = QStringView(formula).mid(plus + 1).startsWith(QStringLiteral("0+"));
    return digitCount(QStringView(formula).left(plus)) + 1 + (zero ? 1 : 0);
}

/// The entries the analysis window shows for the schedule number \a known, entered as it is and
/// its own line chosen in the hit list: those found for the descriptor and the formula rows.
QList<AuxPart> partsShownFor(const QString &known, const AnalysisData &data)
{
    AnalysisState window;
    window.entry = known;
    window.enter(data);
    const QString own = QLatin1Char('/') + known + QLatin1Char(',');
    for (int row = 0; row < window.hits.size() && window.classNumber != known; ++row)
        if (window.hits.at(row).startsWith(own))
            window.pickHit(data, row);
    QList<AuxPart> parts;
    for (const FormulaRow &row : window.rows)
        if (row.entry.found())
            parts.append(partOf(row.entry, firstDigitOf(row.formula)));
    return parts;
}

/// A number that is no schedule number, read by the rules of synthesis from the nearest schedule
/// number it extends (678.2102: 678.21 + 形式区分 02).
QList<AuxPart> partsDerivedFor(const QString &number, const AnalysisData &data)
{
    QList<AuxPart> parts;
    const int division = DivisionOfEntry(number);
    for (const SynthesisPart &part : data.synthesis().partsOf(number)) {
        if (part.alternative)
            continue;
        const AuxEntry entry = LookupAuxItem(data.tables, division, part.kind, part.code);
        if (entry.found() && entry.text.startsWith(part.code + QLatin1Char(',')))
            parts.append(partOf(entry, part.start + 1));
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

void diagnose(Judgement &j, const AnalysisData &data)
{
    j.nearest = j.accepted.first();
    for (const QString &candidate : j.accepted)
        if (firstDifference(j.learnerNumber, candidate) > firstDifference(j.learnerNumber, j.nearest))
            j.nearest = candidate;
    j.position = firstDifference(j.learnerNumber, j.nearest);
    j.learnerReading = ReadClassNumber(j.learnerNumber, data);
    j.nearestReading = ReadClassNumber(j.nearest, data);

    j.level = j.position == 1 ? NumberLevel::MainClass
        : j.position == 2     ? NumberLevel::Division
        : j.position == 3     ? NumberLevel::Section
                              : NumberLevel::Subdivision;
    j.levelName = levelName(j.level);
    const AuxPart *right = nullptr;
    if (j.level == NumberLevel::Subdivision) {
        for (const AuxPart &part : j.nearestReading.parts) {
            const int length = digitCount(part.code);
            if (part.firstDigit > 3 && j.position >= part.firstDigit && j.position < part.firstDigit + length) {
                j.level = NumberLevel::AuxiliaryPart;
                j.levelName = part.table;
                right = &part;
            }
        }
    }
    j.text = shown(j.learnerReading) + QStringLiteral("ではなく ") + shown(j.nearestReading)
        + QStringLiteral("：%1桁目（%2）から違います").arg(j.position).arg(j.levelName);
    if (!right)
        return;
    // inside an added code: the two entries of its table, read through the analysis
    const AuxPart *wrong = nullptr;
    for (const AuxPart &part : j.learnerReading.parts)
        if (part.table == right->table && part.firstDigit == right->firstDigit)
            wrong = &part;
    const QString rightEntry = right->code + QStringLiteral("「") + right->caption + QStringLiteral("」");
    if (wrong)
        j.text += QStringLiteral("。%1 %2「%3」ではなく %4").arg(right->table, wrong->code, wrong->caption, rightEntry);
    else
        j.text += QStringLiteral("。%1は %2").arg(right->table, rightEntry);
}

/// Only the answer parts that are a class number and nothing else are accepted answers, so that an
/// explanation beside the answer ("302 + 121 → 302.121") accepts nothing; an answer without such a
/// part is read whole. "017∥" → 017; "290.2∥290.1∥" → both; "302.121∥302＋121→302.121∥" → 302.121.
QStringList acceptedAnswers(const QString &answerField)
{
    QStringList accepted;
    for (const QString &part : answerField.split(u'∥', Qt::SkipEmptyParts)) {
        const QString normalised = NormaliseAnswerText(part);
        const QStringList numbers = ClassNumbersIn(normalised);
        if (numbers.size() == 1 && numbers.first() == normalised)
            accepted.append(numbers.first());
    }
    return accepted.isEmpty() ? ClassNumbersIn(NormaliseAnswerText(answerField)) : accepted;
}

/// An exercise whose every answer is a three-digit section (a real book classed by its library to
/// the section) takes any longer number of that section too.
QString sectionAnswerOf(const Judgement &j)
{
    for (const QString &answer : j.accepted)
        if (answer.size() != 3)
            return QString();
    for (const QString &answer : j.accepted)
        if (j.learnerNumber.startsWith(answer))
            return answer;
    return QString();
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

NumberReading ReadClassNumber(const QString &number, const AnalysisData &data)
{
    NumberReading reading;
    reading.number = number;
    const QStringList &schedule = data.schedule(MainClassOfEntry(number)).lines;
    const QString key = FindSearchKey(number, schedule);
    const QString line = key.isEmpty() ? QString() : scheduleLineOf(key, schedule);
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
    reading.parts = key == number ? partsShownFor(key, data) : partsDerivedFor(number, data);
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

Judgement JudgeAnswer(const QString &learnerText, const QString &answerField, const AnalysisData &data)
{
    Judgement j;
    j.accepted = acceptedAnswers(answerField);
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
    } else if (const QString section = sectionAnswerOf(j); !section.isEmpty()) {
        j.verdict = Verdict::Correct;
        j.text = QStringLiteral("正解です！（この問題の答えは要目 %1 までです）").arg(section);
    } else {
        j.verdict = Verdict::Wrong;
        diagnose(j, data);
    }
    return j;
}
