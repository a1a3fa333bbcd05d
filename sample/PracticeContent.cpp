#include "PracticeContent.h"

#include "analysis/AnalysisData.h"
#include "analysis/AuxTables.h"
#include "analysis/SynthesisRules.h"
#include "datafiles/CommaText.h"
#include "datafiles/DataPaths.h"
#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "datafiles/LineList.h"
#include "learning/AnswerJudge.h"

#include <QFile>
#include <QHash>
#include <QSet>

namespace PracticeContent {

QString Exercise::line() const
{
    return JoinCommaText(QStringList {number, title, hint} + answers);
}

// ---- real books ----------------------------------------------------------------------------------

QString BookText(const QString &title, const QString &subtitle, const QString &author, const QString &role)
{
    QString text = QStringLiteral("『") + title;
    if (!subtitle.isEmpty())
        text += QStringLiteral("：") + subtitle;
    text += QStringLiteral("』");
    if (!author.isEmpty()) {
        const QString mark = role == QLatin1String("翻訳者") ? QStringLiteral("訳")
            : role == QLatin1String("校訂者")                ? QStringLiteral("校訂")
                                                             : QStringLiteral("著");
        text += QStringLiteral("　") + author + QLatin1Char(' ') + mark;
    }
    return text;
}

QStringList BookNumbers(const QString &ndc, bool *children)
{
    QStringList numbers;
    *children = false;
    for (QString word : ndc.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word == QLatin1String("NDC"))
            continue;
        if (word.startsWith(u'K')) {
            *children = true;
            word.remove(0, 1);
        }
        if (word.size() == 3 && std::all_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); })
            && !numbers.contains(word))
            numbers.append(word);
    }
    return numbers;
}

QList<Exercise> RealBooks(const QStringList &tsv, int firstNumber, const QHash<QString, QString> &divisionNames,
    std::array<QStringList, 10> *classLists)
{
    QList<Exercise> books;
    int next = firstNumber;
    for (const QString &row : tsv) {
        const QStringList f = row.split(QLatin1Char('\t'));
        if (f.size() < 7 || f.at(0) == QLatin1String("work_id"))
            continue;
        bool children = false;
        const QStringList numbers = BookNumbers(f.at(6), &children);
        if (numbers.isEmpty() || f.at(1).trimmed().isEmpty())
            continue;
        // the hint names the division of the answer, never the number
        QStringList divisions;
        for (const QString &number : numbers) {
            const QString name = divisionNames.value(number.left(2));
            if (!name.isEmpty() && !divisions.contains(name))
                divisions.append(QStringLiteral("「") + name + QStringLiteral("」"));
        }
        QString hint = divisions.isEmpty()
            ? QString()
            : QStringLiteral("綱目は") + divisions.join(QStringLiteral("か")) + QStringLiteral("です。");
        if (children)
            hint += QStringLiteral("児童書です。");
        Exercise book {QString::number(next++), BookText(f.at(1), f.at(3), f.at(4), f.at(5)), hint, numbers};
        QSet<int> classes;
        for (const QString &number : numbers)
            classes.insert(number.at(0).digitValue());
        for (int d : classes)
            (*classLists)[static_cast<std::size_t>(d)].append(book.number);
        books.append(book);
    }
    return books;
}

// ---- drills --------------------------------------------------------------------------------------

namespace {

constexpr int DrillsPerTable = 1000;

struct Line
{
    QString number;
    QString digits;
    QString caption;
};

QString firstWord(const QString &caption)
{
    return caption.section(u'．', 0, 0).section(u'：', 0, 0);
}

QString bare(QString caption)
{
    caption.remove(u'（').remove(u'）');
    return caption;
}

/// One candidate drill: the number it builds, what it adds to what, and how it is put to the learner.
struct Candidate
{
    QString number; ///< the answer
    QString base; ///< the number the last code is added to, or empty when all parts are the base's
    QString table; ///< the table of the added code ("地理区分")
    QString code; ///< the added code
    QString title;
    QString hint;
    /// the parts the answer's read-back must show, as "table code", in order; empty: parts of the
    /// base and the added code
    QStringList parts;
};

class DrillMaker
{
public:
    explicit DrillMaker(const AnalysisData &data)
        : m_data(data)
    {
        for (int d = 0; d <= 9; ++d)
            for (const QString &text : data.schedule(d).lines) {
                const QStringList f = SplitCommaText(text);
                if (f.size() < 5 || !f.at(0).startsWith(u'/'))
                    continue;
                Line line {f.at(0).mid(1), DigitsOf(f.at(0)), f.at(1)};
                if (!m_captions.contains(line.number))
                    m_captions.insert(line.number, line.caption);
                m_lines.append(line);
            }
    }

    Drills make()
    {
        Drills drills;
        int next = 200001;
        const std::array<QList<Candidate>, 10> candidates {formDivisions(), places(), seas(), languages(),
            languageCommon(), literatureCommon(), periods(false), periods(true), geographySubdivisions(), pictures()};
        for (std::size_t table = 0; table < candidates.size(); ++table) {
            QList<Exercise> kept;
            for (const Candidate &c : candidates[table]) {
                QString why;
                const QString explanation = prove(c, &why);
                if (explanation.isEmpty()) {
                    ++drills.failed;
                    if (drills.failures.size() < 20)
                        drills.failures.append(c.number + QLatin1Char(' ') + c.title + QStringLiteral(": ") + why);
                    continue;
                }
                kept.append({QString(), c.title, c.hint, {c.number, explanation}});
            }
            // an even spread when there are more than a set needs
            const int step = kept.size() > DrillsPerTable ? (kept.size() + DrillsPerTable - 1) / DrillsPerTable : 1;
            for (int i = 0; i < kept.size(); i += step) {
                kept[i].number = QLatin1Char('k') + QString::number(next++);
                drills.kept[table].append(kept.at(i));
            }
        }
        return drills;
    }

private:
    QString captionOf(const QString &number) const { return m_captions.value(number); }
    bool known(const QString &number) const { return m_captions.contains(number); }
    const QStringList &table(AuxTable t) const { return m_data.tables[t]; }

    /// The read-back of the answer must show exactly the parts the drill names, the answer must
    /// be judged right and, with its last digit changed, wrong at the level of that digit. Returns
    /// the explanation shown with the answer, or an empty text with the reason in \a why.
    QString prove(const Candidate &c, QString *why) const
    {
        const NumberReading reading = ReadClassNumber(c.number, m_data);
        QStringList expected = c.parts;
        if (expected.isEmpty()) {
            for (const AuxPart &part : ReadClassNumber(c.base, m_data).parts)
                expected.append(part.table + QLatin1Char(' ') + part.code);
            expected.append(c.table + QLatin1Char(' ') + c.code);
        }
        QStringList shown;
        for (const AuxPart &part : reading.parts)
            shown.append(part.table + QLatin1Char(' ') + part.code);
        if (reading.known.isEmpty() || shown != expected) {
            *why = QStringLiteral("read back as [%1], not [%2]").arg(shown.join(u", "), expected.join(u", "));
            return QString();
        }
        QStringList explained;
        for (const AuxPart &part : reading.parts)
            explained.append(
                part.table + QLatin1Char(' ') + part.code + QStringLiteral("「") + part.caption + QStringLiteral("」"));
        const QString explanation
            = QStringLiteral("%1 ＋ %2 → %3。").arg(c.base.isEmpty() ? reading.known : c.base, c.code, c.number)
            + explained.join(QStringLiteral("、"));
        const QString answer = c.number + QStringLiteral("∥") + explanation + QStringLiteral("∥");
        if (JudgeAnswer(c.number, answer, m_data).verdict != Verdict::Correct) {
            *why = QStringLiteral("its own answer is not judged right");
            return QString();
        }
        QString changed = c.number;
        const QChar last = changed.back();
        changed.back() = QChar(u'0' + (last.digitValue() + 1) % 10);
        const Judgement j = JudgeAnswer(changed, answer, m_data);
        const int position = static_cast<int>(DigitsOf(c.number).size());
        QString level = position == 1 ? QStringLiteral("類目")
            : position == 2           ? QStringLiteral("綱目")
            : position == 3           ? QStringLiteral("要目")
                                      : QStringLiteral("細目");
        for (const AuxPart &part : reading.parts)
            if (part.firstDigit > 3 && position >= part.firstDigit
                && position < part.firstDigit + static_cast<int>(DigitsOf(part.code).size()))
                level = part.table;
        if (j.verdict != Verdict::Wrong || j.levelName != level) {
            *why = QStringLiteral("%1 is judged %2 at %3, not wrong at %4")
                       .arg(changed, VerdictName(j.verdict), j.levelName, level);
            return QString();
        }
        return explanation;
    }

    /// 「数学」に形式区分 → 410.33: a form division by the rule of its zeros after sections, divisions
    /// and main classes.
    QList<Candidate> formDivisions() const
    {
        const std::pair<const char *, const char16_t *> forms[] = {{"033", u"辞典"}, {"036", u"便覧・ハンドブック"},
            {"059", u"年鑑"}, {"07", u"研究法・教育"}, {"038", u"図鑑"}};
        QList<Candidate> out;
        for (const Line &line : m_lines) {
            if (line.digits.size() != 3 || line.caption.contains(u'＠') || line.caption.startsWith(u'（'))
                continue;
            QString digits = line.digits;
            while (digits.size() > 1 && digits.endsWith(u'0'))
                digits.chop(1); // 410 → 41, 400 → 4
            const bool zeros = digits.size() < 3;
            for (const auto &[code, word] : forms) {
                const QString f = QString::fromLatin1(code);
                const QString number = NumberOfDigits(digits + f);
                out.append({number, line.number, AuxTableCaption(AuxTable::Keisiki), f,
                    firstWord(line.caption) + QStringLiteral("の") + QString::fromUtf16(word),
                    QStringLiteral("「%1」に形式区分を付けます。%2")
                        .arg(line.caption, zeros ? QStringLiteral("基になる記号の末尾のゼロに注意。") : QString()),
                    {}});
            }
        }
        return out;
    }

    /// The generated items 302.121 「…＠青森県」, and history and geography built on places.
    QList<Candidate> places() const
    {
        QList<Candidate> out;
        const QString geo = AuxTableCaption(AuxTable::Tiri);
        for (const Line &line : m_lines) {
            const int at = static_cast<int>(line.caption.indexOf(u'＠'));
            const QString place = line.caption.mid(at + 1);
            for (const QString &base : {QStringLiteral("302"), QStringLiteral("382"), QStringLiteral("469.9")}) {
                const QString baseDigits = DigitsOf(base);
                if (at < 0 || !line.digits.startsWith(baseDigits) || line.digits.size() <= baseDigits.size())
                    continue;
                const QString subject = line.caption.left(at);
                out.append(
                    {line.number, base, geo, line.digits.mid(baseDigits.size()), place + QStringLiteral("の") + subject,
                        QStringLiteral("「%1」に地理区分を付けます。").arg(subject), {}});
            }
            // history 2 + place (222 中国), geography 29 + place (293 ヨーロッパ), outside Japan
            const bool history = line.digits.size() == 3 && line.digits.at(0) == u'2' && line.digits.at(1) >= u'2'
                && line.digits.at(1) <= u'7';
            const bool geography = line.digits.size() == 3 && line.digits.startsWith(QStringLiteral("29"))
                && line.digits.at(2) >= u'2' && line.digits.at(2) <= u'7';
            if ((history || geography) && !line.caption.startsWith(u'（')) {
                QString code = line.digits.mid(geography ? 2 : 1);
                while (code.endsWith(u'0'))
                    code.chop(1);
                out.append({line.number, geography ? QStringLiteral("29") : QStringLiteral("2"), geo, code,
                    bare(line.caption) + (geography ? QStringLiteral("の地理・地誌") : QStringLiteral("の歴史")),
                    geography ? QStringLiteral("「地理．地誌．紀行」に地理区分を付けます。")
                              : QStringLiteral("「歴史」に地理区分を付けます。"),
                    {geo + QLatin1Char(' ') + code}});
            }
        }
        return out;
    }

    QList<Candidate> seas() const
    {
        QList<Candidate> out;
        const QString sea = AuxTableCaption(AuxTable::Kaiyou);
        for (const Line &line : m_lines) {
            for (const QString &base : {QStringLiteral("299"), QStringLiteral("452.2")}) {
                const QString baseDigits = DigitsOf(base);
                if (!line.digits.startsWith(baseDigits) || line.digits.size() <= baseDigits.size())
                    continue;
                const QString code = line.digits.mid(baseDigits.size());
                const QString name = CaptionOfCode(table(AuxTable::Kaiyou), code);
                if (name.isEmpty())
                    continue;
                out.append({line.number, base, sea, code,
                    firstWord(name)
                        + (base == QLatin1String("299") ? QStringLiteral("の地誌") : QStringLiteral("の海洋誌")),
                    QStringLiteral("「%1」に海洋区分を付けます。").arg(captionOf(base)), {}});
            }
        }
        return out;
    }

    QList<Candidate> languages() const
    {
        QList<Candidate> out;
        const QString gengo = AuxTableCaption(AuxTable::Gengo);
        for (const QString &entry : table(AuxTable::Gengo)) {
            const QString code = entry.section(u',', 0, 0);
            const QString name = entry.section(u',', 1);
            out.append({NumberOfDigits(QLatin1Char('8') + code), QStringLiteral("8"), gengo, code,
                firstWord(name) + QStringLiteral("（言語そのものについての本）"),
                QStringLiteral("「言語」（8類）に言語区分を付けます。"), {gengo + QLatin1Char(' ') + code}});
        }
        return out;
    }

    /// 8 + language + common division (843 ドイツ語の辞典), 9 + language + literary form (932).
    QList<Candidate> commonDivisions(AuxTable common, QChar mainClass) const
    {
        QList<Candidate> out;
        const QString gengo = AuxTableCaption(AuxTable::Gengo);
        for (const QString &entry : table(AuxTable::Gengo)) {
            const QString language = entry.section(u',', 0, 0);
            const QString name = firstWord(entry.section(u',', 1));
            const QString base = NumberOfDigits(mainClass + language);
            if (!known(base))
                continue;
            for (const QString &division : table(common)) {
                const QString code = division.section(u',', 0, 0);
                const QString what = firstWord(division.section(u',', 1));
                out.append({NumberOfDigits(mainClass + language + code), base, AuxTableCaption(common), code,
                    mainClass == u'8' ? name + QStringLiteral("の") + what : name + QStringLiteral("で書かれた") + what,
                    QStringLiteral("「%1」に%2を付けます。").arg(bare(captionOf(base)), AuxTableCaption(common)),
                    {gengo + QLatin1Char(' ') + language, AuxTableCaption(common) + QLatin1Char(' ') + code}});
            }
        }
        return out;
    }
    QList<Candidate> languageCommon() const { return commonDivisions(AuxTable::GengoCom, u'8'); }
    QList<Candidate> literatureCommon() const { return commonDivisions(AuxTable::BungakuCom, u'9'); }

    /// The schedule numbers that end in a period code: of history and other subjects (222.03, 332.103),
    /// or of Japanese literature (913.6).
    QList<Candidate> periods(bool literature) const
    {
        QList<Candidate> out;
        const QString name = AuxTableCaption(literature ? AuxTable::ZidaiBun : AuxTable::ZidaiRekisi);
        for (const Line &line : m_lines) {
            if (line.digits.startsWith(QStringLiteral("91")) != literature || line.caption.startsWith(u'（'))
                continue;
            const NumberReading reading = ReadClassNumber(line.number, m_data);
            if (reading.parts.isEmpty() || reading.parts.last().table != name)
                continue;
            const AuxPart &period = reading.parts.last();
            const QString digits = line.digits;
            const QString baseDigits = digits.left(period.firstDigit - 1);
            QString base = NumberOfDigits(baseDigits);
            if (!known(base))
                continue;
            if (digits.size() != baseDigits.size() + period.code.size())
                continue; // digits of the schedule's own follow the period
            const QString subject
                = literature ? QStringLiteral("日本の") + firstWord(captionOf(base)) : bare(firstWord(captionOf(base)));
            out.append(
                {line.number, base, name, period.code, QStringLiteral("%1（%2）").arg(subject, bare(line.caption)),
                    QStringLiteral("「%1」に時代区分を付けます。").arg(bare(captionOf(base))), {}});
        }
        return out;
    }

    /// The subdivisions of geography after a country: 291 + 09 紀行, 293 + 093 案内記.
    QList<Candidate> geographySubdivisions() const
    {
        const std::pair<const char *, const char16_t *> subdivisions[]
            = {{"09", u"紀行"}, {"093", u"案内記"}, {"087", u"写真集"}, {"091", u"探検記"}};
        QList<Candidate> out;
        for (const Line &line : m_lines) {
            if (!line.digits.startsWith(QStringLiteral("29")) || line.digits.size() < 3 || line.digits.at(2) < u'1'
                || line.digits.at(2) > u'7' || line.caption.startsWith(u'（') || line.caption.contains(u'＠'))
                continue;
            for (const auto &[code, word] : subdivisions) {
                const QString c = QString::fromLatin1(code);
                QStringList parts;
                for (const AuxPart &part : ReadClassNumber(line.number, m_data).parts)
                    parts.append(part.table + QLatin1Char(' ') + part.code);
                if (TableHasCode(table(AuxTable::Keisiki), c))
                    parts.append(AuxTableCaption(AuxTable::Keisiki) + QLatin1Char(' ') + c);
                out.append({NumberOfDigits(line.digits + c), line.number, QStringLiteral("地理区分の後の細区分"), c,
                    bare(line.caption) + QStringLiteral("の") + QString::fromUtf16(word),
                    QStringLiteral("「%1」（地理）に、地理・紀行の細区分を付けます。").arg(bare(line.caption)), parts});
            }
        }
        return out;
    }

    /// 087 after architecture by style (521–523) and the arts (700–739): 721.087 日本画の図集.
    QList<Candidate> pictures() const
    {
        QList<Candidate> out;
        for (const Line &line : m_lines) {
            const int section = line.digits.left(3).toInt();
            const bool arts = (section >= 521 && section <= 523) || (section >= 700 && section <= 739);
            if (!arts || line.digits.size() > 5 || line.caption.startsWith(u'（') || line.caption.contains(u'＠'))
                continue;
            QString digits = line.digits;
            if (digits.size() == 3)
                while (digits.size() > 1 && digits.endsWith(u'0'))
                    digits.chop(1);
            out.append({NumberOfDigits(digits + QStringLiteral("087")), line.number, AuxTableCaption(AuxTable::Keisiki),
                QStringLiteral("087"), bare(firstWord(line.caption)) + QStringLiteral("の図集・作品集"),
                QStringLiteral("「%1」に形式区分（図集）を付けます。").arg(bare(line.caption)), {}});
        }
        return out;
    }

    const AnalysisData &m_data;
    QList<Line> m_lines;
    QHash<QString, QString> m_captions;
};

QStringList readLines(const DataTree &tree, const QString &relative)
{
    const QString path = tree.path(relative);
    if (!DataRoot::fileExists(path))
        return {};
    LineList list;
    list.loadFromFile(path);
    return list.lines();
}

void writeLines(const DataTree &tree, const QString &relative, const QStringList &lines)
{
    LineList list;
    list.lines() = lines;
    list.saveToFile(tree.writePath(relative));
}

QString exampleFile(const QString &name)
{
    return DataPaths::exampleFolder() + QLatin1Char('/') + name;
}

/// Real books, numbered after the sample's examples, into the example master and the class lists.
QString addRealBooks(const DataTree &tree, const AnalysisData &data, const QString &aozoraFile)
{
    QFile tsv(aozoraFile);
    if (!tsv.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("cannot read %1").arg(aozoraFile));
    QHash<QString, QString> divisions;
    for (int d = 0; d <= 9; ++d)
        for (const QString &line : data.schedule(d).lines) {
            const QStringList f = SplitCommaText(line);
            if (f.size() >= 4 && f.at(0).size() == 4)
                divisions.insert(f.at(0).mid(1, 2), f.at(3));
        }
    std::array<QStringList, 10> classLists;
    const QList<Exercise> books = RealBooks(
        QString::fromUtf8(tsv.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts), 20001, divisions, &classLists);
    QStringList master = readLines(tree, DataPaths::exampleMaster());
    for (const Exercise &book : books)
        master.append(book.line());
    writeLines(tree, DataPaths::exampleMaster(), master);
    QStringList perClass;
    for (int d = 0; d <= 9; ++d) {
        const QStringList &numbers = classLists[static_cast<std::size_t>(d)];
        const QString list = exampleFile(QStringLiteral("ren_num_%1.txt").arg(d));
        writeLines(tree, list, readLines(tree, list) + numbers);
        perClass.append(QStringLiteral("%1: %2").arg(d).arg(numbers.size()));
    }
    return QStringLiteral("real books: %1 (per class %2)").arg(books.size()).arg(perClass.join(u", "));
}

/// Drills, after the sample's k-numbered examples, into REI_hojo.txt and the table lists.
QStringList addDrills(const DataTree &tree, const AnalysisData &data)
{
    const Drills drills = MakeDrills(data);
    QStringList hojo = readLines(tree, exampleFile(QStringLiteral("REI_hojo.txt")));
    QStringList all = readLines(tree, exampleFile(QStringLiteral("ren_num_hojo.txt")));
    QStringList perTable;
    int total = 0;
    for (int t = 0; t < 10; ++t) {
        const QList<Exercise> &kept = drills.kept[static_cast<std::size_t>(t)];
        const QString list = exampleFile(QStringLiteral("ren_num_hojo_%1.txt").arg(t));
        QStringList numbers = readLines(tree, list);
        for (const Exercise &drill : kept) {
            hojo.append(drill.line());
            numbers.append(drill.number);
            all.append(drill.number);
        }
        writeLines(tree, list, numbers);
        total += static_cast<int>(kept.size());
        perTable.append(QString::number(kept.size()));
    }
    writeLines(tree, exampleFile(QStringLiteral("REI_hojo.txt")), hojo);
    writeLines(tree, exampleFile(QStringLiteral("ren_num_hojo.txt")), all);
    QStringList report {QStringLiteral("drills: %1 kept (per table %2), %3 not shipped: they failed the proof")
                            .arg(total)
                            .arg(perTable.join(u", "))
                            .arg(drills.failed)};
    for (const QString &failure : drills.failures)
        report.append(QStringLiteral("  not shipped: ") + failure);
    return report;
}

} // namespace

Drills MakeDrills(const AnalysisData &data)
{
    return DrillMaker(data).make();
}

QStringList AddToTree(const DataTree &tree, const QString &aozoraFile)
{
    const AnalysisData data = AnalysisData::load(tree);
    return QStringList {addRealBooks(tree, data, aozoraFile)} + addDrills(tree, data);
}

} // namespace PracticeContent
