#include "FullTreeDerivation.h"

#include "analysis/ClassEntry.h"
#include "analysis/SynthesisRules.h"
#include "datafiles/CommaText.h"
#include "datafiles/FileError.h"
#include "datafiles/LineList.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QSet>
#include <algorithm>

namespace FullTreeDerivation {

namespace {

struct Line
{
    QString number;
    QString digits;
    QString caption;
    QStringList fields;
};

QList<Line> linesOf(const QStringList &schedule)
{
    QList<Line> lines;
    for (const QString &text : schedule) {
        const QStringList fields = SplitCommaText(text);
        if (fields.size() < 5 || !fields.at(0).startsWith(QLatin1Char('/')))
            continue;
        const QString number = fields.at(0).mid(1);
        lines.append({number, DigitsOf(number), fields.at(1), fields});
    }
    return lines;
}

QString afterMark(const QString &caption)
{
    return caption.section(u'＠', 1);
}

QString codeOf(const QString &entry)
{
    return entry.section(QLatin1Char(','), 0, 0);
}

/// A table as code → caption, in code order: the order in which shorter codes come before the
/// longer ones that begin with them (1, 11, 12, 121, 2), which the prefix lookup needs.
using Table = QMap<QString, QString>;

Table tableOf(const QStringList &entries)
{
    Table table;
    for (const QString &entry : entries)
        if (!entry.isEmpty() && !table.contains(codeOf(entry)))
            table.insert(codeOf(entry), entry.section(QLatin1Char(','), 1));
    return table;
}

QStringList entriesOf(const Table &table)
{
    QStringList entries;
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        entries.append(it.key() + QLatin1Char(',') + it.value());
    return entries;
}

/// Adds the codes of \a found the table lacks; an existing code keeps its caption unless \a replace.
void complete(Table &table, const Table &found, bool replace, const QString &name, QStringList *report)
{
    int added = 0;
    int replaced = 0;
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        if (!table.contains(it.key())) {
            table.insert(it.key(), it.value());
            ++added;
        } else if (replace && table.value(it.key()) != it.value()) {
            report->append(
                QStringLiteral("%1 %2: 「%3」 → 「%4」").arg(name, it.key(), table.value(it.key()), it.value()));
            table.insert(it.key(), it.value());
            ++replaced;
        }
    }
    report->append(QStringLiteral("%1: %2 entries (%3 added, %4 captions taken from the schedules)")
                       .arg(name)
                       .arg(table.size())
                       .arg(added)
                       .arg(replaced));
}

/// The codes the generated items "<caption>＠<place>" under \a section give the places: the
/// digits after the number they are generated under (302; 469.9 for 469), which is the nearest
/// schedule number before the first of them that is no generated item.
Table placesUnder(const QList<Line> &lines, const QString &section)
{
    Table places;
    QString base;
    QString previous;
    for (const Line &line : lines) {
        if (!line.digits.startsWith(section))
            continue;
        if (!line.caption.contains(u'＠')) {
            if (base.isEmpty())
                previous = line.digits;
            continue;
        }
        if (base.isEmpty())
            base = previous;
        if (line.digits.size() > base.size() && line.digits.startsWith(base))
            places.insert(line.digits.mid(base.size()), afterMark(line.caption));
    }
    return places;
}

bool isParenthesised(const QString &caption)
{
    return caption.startsWith(u'（');
}

/// The languages class 8 names: 8 + the division digit (810 日本語 … 890 その他の諸言語), and the
/// numbers under the "other languages" sections 8X9 and 89X (829.1 朝鮮語, 849.3 オランダ語,
/// 893.61 フィンランド語). Generated items and parenthesised terms are not languages.
Table languagesOf(const QList<Line> &lines)
{
    Table languages;
    for (const Line &line : lines) {
        const QString &d = line.digits;
        if (!d.startsWith(u'8') || d.size() < 3 || line.caption.contains(u'＠') || isParenthesised(line.caption))
            continue;
        const bool division = d.size() == 3 && d.at(2) == u'0' && d.at(1) != u'0';
        const bool otherLanguages
            = (d.at(2) == u'9' && d.at(1) >= u'2' && d.at(1) <= u'8') || (d.at(1) == u'9' && d.at(2) != u'0');
        if (division)
            languages.insert(d.mid(1, 1), line.caption);
        else if (otherLanguages)
            languages.insert(d.mid(1), line.caption);
    }
    return languages;
}

/// The longest language code that begins \a digits.
QString languageAt(const Table &languages, const QString &digits)
{
    for (qsizetype n = digits.size(); n > 0; --n)
        if (languages.contains(digits.left(n)))
            return digits.left(n);
    return QString();
}

/// The common divisions of class \a mainClass (8 languages, 9 literatures): the sections 81X and 91X
/// of Japanese, and the generated items "<language>＠<division>" of every language.
Table commonDivisionsOf(const QList<Line> &lines, const Table &languages, QChar mainClass)
{
    Table found;
    for (const Line &line : lines) {
        const QString &d = line.digits;
        if (!d.startsWith(mainClass))
            continue;
        if (d.size() == 3 && d.at(1) == u'1' && d.at(2) >= u'1' && d.at(2) <= u'8' && mainClass == u'8')
            found.insert(d.mid(2), line.caption);
        if (!line.caption.contains(u'＠'))
            continue;
        const QString language = languageAt(languages, d.mid(1));
        const QString code = d.mid(1 + language.size());
        if (!language.isEmpty() && !code.isEmpty() && !code.startsWith(u'0'))
            found.insert(code, afterMark(line.caption));
    }
    return found;
}

QString numberOfLine(const QString &line)
{
    return line.section(QLatin1Char(','), 0, 0);
}

/// Every place the generated items of 302, 382 and 469 name; where the three differ, the report
/// says so and 302 holds.
Table generatedPlaces(const QList<Line> &lines, QStringList *report)
{
    Table places = placesUnder(lines, QStringLiteral("302"));
    for (const QString &other : {QStringLiteral("382"), QStringLiteral("469")}) {
        const Table more = placesUnder(lines, other);
        for (auto it = more.cbegin(); it != more.cend(); ++it) {
            if (!places.contains(it.key())) {
                report->append(QStringLiteral("地理区分 %1 「%2」: only under %3").arg(it.key(), it.value(), other));
                places.insert(it.key(), it.value());
            } else if (places.value(it.key()) != it.value()) {
                report->append(QStringLiteral("地理区分 %1: %2 gives 「%3」, 302 「%4」")
                                   .arg(it.key(), other, it.value(), places.value(it.key())));
            }
        }
    }
    return places;
}

/// Completes table \a table of \a tables from \a found, as complete() does, and returns it.
Table completeTable(AuxTables &tables, AuxTable table, const Table &found, bool replace, QStringList *report)
{
    Table entries = tableOf(tables[table]);
    complete(entries, found, replace, AuxTableCaption(table), report);
    tables[table] = entriesOf(entries);
    return entries;
}

/// The period tables are checked against the schedules that mirror them (210.2–210.7, 913.2–913.6).
void checkPeriods(const AuxTables &tables, const QList<Line> &lines, QStringList *report)
{
    for (const auto &[section, table, twoDigits] : {std::tuple {QStringLiteral("210"), AuxTable::ZidaiRekisi, true},
             std::tuple {QStringLiteral("913"), AuxTable::ZidaiBun, false}}) {
        for (const Line &line : lines) {
            if (line.digits.size() != 4 || !line.digits.startsWith(section))
                continue;
            const QString code = (twoDigits ? QStringLiteral("0") : QString()) + line.digits.mid(3);
            if (!TableHasCode(tables[table], code))
                report->append(QStringLiteral("%1 %2 (%3 %4) is not in the table")
                                   .arg(AuxTableCaption(table), code, line.number, line.caption));
        }
    }
}

} // namespace

AuxTables CompleteTables(const AuxTables &sample, const QStringList &schedule, QStringList *report)
{
    const QList<Line> lines = linesOf(schedule);
    AuxTables tables = sample;
    const Table geo = completeTable(tables, AuxTable::Tiri, generatedPlaces(lines, report), true, report);

    // the regional table: the Japanese places without their leading 1
    Table japan;
    for (auto it = geo.cbegin(); it != geo.cend(); ++it)
        if (it.key().size() > 1 && it.key().startsWith(u'1'))
            japan.insert(it.key().mid(1), it.value());
    completeTable(tables, AuxTable::Tihou, japan, true, report);

    // the seas: 299 + the sea code
    Table seas;
    for (const Line &line : lines)
        if (line.digits.startsWith(QStringLiteral("299")) && line.digits.size() > 3 && !isParenthesised(line.caption))
            seas.insert(line.digits.mid(3), line.caption);
    completeTable(tables, AuxTable::Kaiyou, seas, false, report);

    const Table language = completeTable(tables, AuxTable::Gengo, languagesOf(lines), false, report);
    completeTable(tables, AuxTable::GengoCom, commonDivisionsOf(lines, language, u'8'), false, report);
    completeTable(tables, AuxTable::BungakuCom, commonDivisionsOf(lines, language, u'9'), false, report);

    // the summary table: the hundred divisions as the schedules name them
    Table divisions;
    for (const Line &line : lines)
        if (line.digits.size() == 3 && line.digits.endsWith(u'0'))
            divisions.insert(line.digits.left(2), line.caption);
    completeTable(tables, AuxTable::Koumokuhyou, divisions, false, report);

    checkPeriods(tables, lines, report);
    return tables;
}

QString DeriveSectionLine(const ScheduleSynthesis &synthesis, const QString &scheduleLine)
{
    const QStringList fields = SplitCommaText(scheduleLine);
    if (fields.size() < 5 || !fields.at(0).startsWith(QLatin1Char('/')))
        return QString();
    const QString number = fields.at(0).mid(1);
    QStringList out {fields.at(0), fields.at(4), fields.at(2), fields.at(3)};
    const SectionSynthesis s = synthesis.synthesisOf(number);
    if (s.isEmpty()) {
        // the number itself is the basic part, so that a longer entry is split right after it (the
        // analysis skips the character after a matched section number: the period of a 3-digit one)
        if (number.size() > 3)
            out.append(QStringLiteral("0/") + number);
    } else {
        out.append(s.descriptor());
        out.append(s.formulas(DigitsOf(number)));
    }
    return JoinCommaText(out);
}

std::array<QStringList, 10> SectionFiles(
    const AuxTables &tables, const std::array<QStringList, 10> &schedules, const std::array<QStringList, 10> &sample)
{
    QStringList all;
    for (const QStringList &schedule : schedules)
        all += schedule;
    const ScheduleSynthesis synthesis(tables, all);
    std::array<QStringList, 10> files;
    for (std::size_t d = 0; d < 10; ++d) {
        QSet<QString> written;
        QList<std::pair<QString, QString>> lines; // number, line
        // a sample line that writes no synthesis (names only) takes the derived one after its names
        QHash<QString, QString> bare;
        for (const QString &line : sample[d]) {
            written.insert(numberOfLine(line));
            if (SplitCommaText(line).size() == 4 && !bare.contains(numberOfLine(line)))
                bare.insert(numberOfLine(line), line);
            else
                lines.append({numberOfLine(line), line});
        }
        for (const QString &line : schedules[d]) {
            const QString number = numberOfLine(line);
            if (bare.contains(number)) {
                const QStringList derived = SplitCommaText(DeriveSectionLine(synthesis, line));
                QString merged = bare.take(number);
                for (const QString &field : derived.mid(4))
                    merged += QLatin1Char(',') + field;
                lines.append({number, merged});
                continue;
            }
            if (written.contains(number))
                continue;
            const QString derived = DeriveSectionLine(synthesis, line);
            if (!derived.isEmpty()) {
                written.insert(number);
                lines.append({number, derived});
            }
        }
        for (auto it = bare.cbegin(); it != bare.cend(); ++it)
            lines.append({it.key(), it.value()});
        std::stable_sort(lines.begin(), lines.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &line : lines)
            files[d].append(line.second);
    }
    return files;
}

namespace {

/// The schedule line of \a number, or that of the longest schedule number it begins with, written
/// for \a number (\a slashed: "/" and the number).
QString scheduleLineFor(const QString &number, const QString &slashed, const QStringList &schedule)
{
    const QStringList hits = ScheduleHitsFor(number, schedule);
    QString scheduleLine;
    for (const QString &hit : hits)
        if (SplitCommaText(hit).value(0) == slashed)
            scheduleLine = hit;
    if (scheduleLine.isEmpty() && !hits.isEmpty())
        scheduleLine = slashed + hits.first().mid(hits.first().indexOf(QLatin1Char(',')));
    return scheduleLine;
}

/// The count of the sample's section lines and fields that the derivation writes alike.
struct Agreement
{
    int lines = 0;
    int fields = 0;
    int agreeing = 0;
    int wholeLines = 0;
    QStringList differences;

    void compare(const QString &number, const QStringList &mine, const QStringList &derived)
    {
        static constexpr const char *names[]
            = {"number", "section", "main class", "division", "descriptor", "formula 1", "formula 2", "formula 3"};
        ++lines;
        bool whole = true;
        for (int field = 1; field < 8; ++field) {
            const QString a = mine.value(field);
            QString b = derived.value(field);
            if (field == 4 && a.isEmpty() && b.startsWith(QStringLiteral("0/")))
                b.clear(); // a plain number: the sample writes no descriptor
            if (a.isEmpty() && b.isEmpty())
                continue;
            ++fields;
            if (a == b) {
                ++agreeing;
                continue;
            }
            whole = false;
            differences.append(QStringLiteral("%1 %2: sample 「%3」, derived 「%4」")
                                   .arg(number, QString::fromLatin1(names[field]), a, b));
        }
        wholeLines += whole;
    }
};

} // namespace

QStringList CompareWithSample(
    const AuxTables &tables, const std::array<QStringList, 10> &schedules, const std::array<QStringList, 10> &sample)
{
    QStringList all;
    for (const QStringList &schedule : schedules)
        all += schedule;
    const ScheduleSynthesis synthesis(tables, all);
    Agreement agreement;
    for (std::size_t d = 0; d < 10; ++d) {
        for (const QString &line : sample[d]) {
            const QStringList mine = SplitCommaText(line);
            const QString number = mine.value(0).mid(1);
            const QString scheduleLine = scheduleLineFor(number, mine.value(0), schedules[d]);
            agreement.compare(number, mine, SplitCommaText(DeriveSectionLine(synthesis, scheduleLine)));
        }
    }
    const Agreement &t = agreement;
    QStringList report;
    report.append(QStringLiteral("sample section lines: %1, of them derived alike in every field: %2; fields: %3 of %4 "
                                 "agree (%5 %)")
                      .arg(t.lines)
                      .arg(t.wholeLines)
                      .arg(t.agreeing)
                      .arg(t.fields)
                      .arg(t.fields ? 100.0 * t.agreeing / t.fields : 100.0, 0, 'f', 1));
    report += t.differences;
    return report;
}

namespace {

QStringList readLines(const QString &path)
{
    if (!QFile::exists(path))
        return {};
    LineList list;
    list.loadFromFile(path);
    return list.lines();
}

void writeLines(const QString &path, const QStringList &lines)
{
    LineList list;
    list.lines() = lines;
    list.saveToFile(path);
}

} // namespace

QStringList DeriveTree(const QString &target, const QString &reportFile)
{
    const QString folder = target + QStringLiteral("/TaxelData/");
    AuxTables sampleTables;
    for (int i = 0; i < AuxTableCount; ++i) {
        const auto table = static_cast<AuxTable>(i);
        sampleTables[table] = readLines(folder + AuxTableFileName(table));
    }
    std::array<QStringList, 10> schedules;
    std::array<QStringList, 10> sample;
    QStringList all;
    for (int d = 0; d < 10; ++d) {
        schedules[static_cast<std::size_t>(d)] = readLines(folder + QStringLiteral("Saimoku_%1.txt").arg(d));
        sample[static_cast<std::size_t>(d)] = readLines(folder + QStringLiteral("Youmoku_%1.txt").arg(d));
        all += schedules[static_cast<std::size_t>(d)];
    }

    QStringList tableReport;
    const AuxTables tables = CompleteTables(sampleTables, all, &tableReport);
    for (int i = 0; i < AuxTableCount; ++i) {
        const auto table = static_cast<AuxTable>(i);
        if (tables[table] != sampleTables[table])
            writeLines(folder + AuxTableFileName(table), tables[table]);
    }
    const std::array<QStringList, 10> files = SectionFiles(tables, schedules, sample);
    int lineCount = 0;
    for (int d = 0; d < 10; ++d) {
        writeLines(folder + QStringLiteral("Youmoku_%1.txt").arg(d), files[static_cast<std::size_t>(d)]);
        lineCount += static_cast<int>(files[static_cast<std::size_t>(d)].size());
    }
    const QStringList comparison = CompareWithSample(tables, schedules, sample);

    QFile report(reportFile);
    if (!report.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FileError(QStringLiteral("cannot write %1").arg(reportFile));
    report.write(QStringLiteral("The tables\n").toUtf8());
    report.write(
        (tableReport.join(QLatin1Char('\n')) + QStringLiteral("\n\nThe derivation against the sample\n")).toUtf8());
    report.write((comparison.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    report.close();
    return {QStringLiteral("section lines: %1 (%2)").arg(lineCount).arg(comparison.value(0))};
}

} // namespace FullTreeDerivation
