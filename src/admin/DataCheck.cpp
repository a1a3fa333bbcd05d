#include "DataCheck.h"

#include "analysis/AuxTables.h"
#include "analysis/ClassEntry.h"
#include "datafiles/CommaText.h"
#include "datafiles/DataPaths.h"
#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "datafiles/LineList.h"
#include "datafiles/NumberText.h"
#include "datafiles/TextFileCache.h"
#include "index/ExampleBuilder.h"
#include "index/ExampleLookup.h"
#include "index/RecordLayout.h"
#include "learning/AnswerJudge.h"
#include "learning/PracticeState.h"
#include "learning/StudyTopics.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QPdfDocument>
#include <optional>

namespace {

/// "hojo_tiri.txt" → "StudyTaxel/TaxelData/hojo_tiri.txt"
QString tableFile(const QString &name)
{
    return DataPaths::tableFolder() + QLatin1Char('/') + name;
}

QString studyFile(const QString &name)
{
    return DataPaths::studyFolder() + QLatin1Char('/') + name;
}

bool isDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

class Checker
{
public:
    struct Item
    {
        int line;
        QString classNumber;
        QString examples;
    };

    explicit Checker(const DataTree &tree)
        : m_tree(tree)
    { }

    DataCheckResult run()
    {
        checkManual();
        checkItemMaster();
        checkExampleMaster();
        checkTables();
        checkSchedules();
        checkTopics();
        checkPracticeSets();
        checkStaleness();
        return std::move(m_result);
    }

private:
    void problem(const QString &file, int line, const QString &message)
    {
        m_result.problems.append({file, line, message});
    }

    bool exists(const QString &relative) const { return DataRoot::fileExists(m_tree.path(relative)); }

    /// Reads a text file once; reports it missing (naming the window that misses it) or undecodable.
    std::optional<QStringList> read(const QString &relative, const QString &missedBy)
    {
        if (auto cached = m_cache.constFind(relative); cached != m_cache.constEnd())
            return *cached;
        if (!exists(relative)) {
            if (!missedBy.isEmpty())
                problem(relative, 0, QStringLiteral("missing (needed by %1)").arg(missedBy));
            return std::nullopt;
        }
        LineList list;
        try {
            list.loadFromFile(m_tree.path(relative));
        } catch (const FileError &error) {
            problem(relative, 0, QStringLiteral("cannot be read: %1").arg(error.text()));
            return std::nullopt;
        }
        ++m_result.filesRead;
        if (list.hadDecodeErrors())
            problem(relative, 0,
                list.encoding() == LineList::Encoding::Cp932
                    ? QStringLiteral("not valid code page 932 text (and no byte-order mark)")
                    : QStringLiteral("invalid byte sequences for its byte-order mark"));
        m_cache.insert(relative, list.lines());
        return list.lines();
    }

    int pdfPages(const QString &relative, const QString &missedBy)
    {
        if (auto cached = m_pages.constFind(relative); cached != m_pages.constEnd())
            return *cached;
        int pages = -1;
        if (!exists(relative)) {
            problem(relative, 0, QStringLiteral("missing (needed by %1)").arg(missedBy));
        } else {
            QPdfDocument document;
            ++m_result.filesRead;
            if (document.load(m_tree.path(relative)) != QPdfDocument::Error::None)
                problem(relative, 0, QStringLiteral("not a readable PDF document"));
            else
                pages = document.pageCount();
        }
        m_pages.insert(relative, pages);
        return pages;
    }

    void checkManual() { pdfPages(DataPaths::manual(), QStringLiteral("the main window's manual button")); }

    void checkItemMaster()
    {
        const QString file = DataPaths::itemMaster();
        const auto lines = read(file, QStringLiteral("the item index builder"));
        if (!lines)
            return;
        for (int i = 0; i < lines->size(); ++i) {
            const QString &line = lines->at(i);
            if (line.isEmpty() || line.startsWith(QLatin1Char('*')))
                continue;
            const QStringList fields = SplitCommaText(line);
            if (fields.size() < ItemRecord::FieldCount) {
                problem(file, i + 1,
                    QStringLiteral("item record has %1 fields, needs %2")
                        .arg(fields.size())
                        .arg(ItemRecord::FieldCount));
                continue;
            }
            if (fields[ItemRecord::ClassNumber].isEmpty())
                problem(file, i + 1, QStringLiteral("item record without a class number"));
            if (fields[ItemRecord::Name].isEmpty())
                problem(file, i + 1, QStringLiteral("item record without an item name"));
            if (!fields[ItemRecord::ClassNumber].isEmpty())
                m_items.append({i + 1, ItemRecord::classNumber(fields), ItemRecord::examples(fields)});
        }
    }

    void checkExampleMaster()
    {
        const QString file = DataPaths::exampleMaster();
        const auto lines = read(file, QStringLiteral("the example database builder"));
        if (!lines)
            return;
        for (int i = 0; i < lines->size(); ++i) {
            const QString &line = lines->at(i);
            if (line.isEmpty())
                continue;
            const QStringList fields = SplitCommaText(line);
            if (fields.size() < ExampleLine::LeastFields) {
                problem(file, i + 1,
                    QStringLiteral("example record has %1 fields, needs %2")
                        .arg(fields.size())
                        .arg(ExampleLine::LeastFields));
                continue;
            }
            const QString &number = fields[ExampleLine::Number];
            if (number.isEmpty())
                problem(file, i + 1, QStringLiteral("example record without a number"));
            else if (ExampleFileLetter(number) < 0 && ReadInt(number) < 1)
                problem(file, i + 1,
                    QStringLiteral("example number \"%1\" is neither lettered (a-f) nor a number of 1 or more")
                        .arg(number));
        }
    }

    /// Every table as the analysis window loads it; each file missing or undecodable is reported.
    void checkTables()
    {
        for (int table = 0; table < AuxTableCount; ++table)
            read(tableFile(AuxTableFileName(static_cast<AuxTable>(table))),
                QStringLiteral("the class-number analysis window"));
        QStringList errors;
        m_tables = LoadAuxTables(m_tree, &errors); // unreadable files were reported by the reading above
    }

    void checkSchedules()
    {
        const QString window = QStringLiteral("the class-number analysis window");
        for (int d = 0; d <= 9; ++d) {
            const QString schedule = ScheduleFilePath(d);
            if (const auto lines = read(schedule, window)) {
                for (int i = 0; i < lines->size(); ++i) {
                    const QString &line = lines->at(i);
                    const QStringList fields = SplitCommaText(line);
                    if (!line.startsWith(QLatin1Char('/')))
                        problem(schedule, i + 1, QStringLiteral("schedule line does not begin with \"/\""));
                    else if (fields.size() < 5)
                        problem(
                            schedule, i + 1, QStringLiteral("schedule line has %1 fields, needs 5").arg(fields.size()));
                }
            }
            const QString sections = SectionFilePath(d);
            if (const auto lines = read(sections, window)) {
                for (int i = 0; i < lines->size(); ++i)
                    checkSectionLine(sections, i + 1, lines->at(i));
            }
        }
        for (const Item &item : qAsConst(m_items)) {
            checkItemClass(item);
            checkItemExamples(item);
        }
    }

    /// Whether the analysis window, given \a number, lists a schedule line (its own, or that of its
    /// longest leading part that is a schedule number).
    bool scheduleFinds(const QString &number)
    {
        auto known = m_foundNumbers.constFind(number);
        if (known == m_foundNumbers.constEnd()) {
            const QString schedule = ScheduleFilePath(MainClassOfEntry(number));
            const auto lines = read(schedule, QString());
            known = m_foundNumbers.insert(number, lines && !ScheduleHitsFor(number, *lines).isEmpty());
        }
        return *known;
    }

    /// An item's class number is sound when the analysis window, given it, lists a schedule line:
    /// its own, or by the window's fallback that of its longest leading part that is a schedule
    /// number (a built number such as 678.2102 finds 678.21).
    void checkItemClass(const Item &item)
    {
        const QString file = DataPaths::itemMaster();
        const QString &number = item.classNumber;
        const EntryCheck form = CheckClassEntry(number);
        if (form != EntryCheck::Accepted) {
            problem(file, item.line,
                QStringLiteral("class number %1 is refused by the class-number analysis window: %2")
                    .arg(number, EntryCheckMessage(form)));
            return;
        }
        if (!scheduleFinds(number))
            problem(file, item.line,
                QStringLiteral("class number %1 is not in the schedule file %2, nor any leading part of it")
                    .arg(number, QFileInfo(ScheduleFilePath(MainClassOfEntry(number))).fileName()));
    }

    static QStringList items(const QString &field)
    {
        QString text = field;
        text.replace(QLatin1Char('/'), QLatin1Char(','));
        return SplitCommaText(text);
    }

    void checkSectionLine(const QString &file, int line, const QString &text)
    {
        const QStringList fields = SplitCommaText(text);
        if (!text.startsWith(QLatin1Char('/'))) {
            problem(file, line, QStringLiteral("section line does not begin with \"/\""));
            return;
        }
        if (fields.size() < 4) {
            problem(file, line, QStringLiteral("section line has %1 fields, needs 4").arg(fields.size()));
            return;
        }
        const int division = ReadInt(QStringView(fields[0]).mid(1)) / 10;
        if (fields.size() > 4 && !fields[4].isEmpty()) {
            const QStringList descriptor = items(fields[4]);
            if (!descriptor.isEmpty() && !descriptor[0].isEmpty() && !isDigits(descriptor[0]))
                problem(file, line,
                    QStringLiteral("kind code \"%1\" of the analysis descriptor is not a number").arg(descriptor[0]));
            for (int note = 3; note <= 4 && note < descriptor.size(); ++note) {
                const QString &n = descriptor[note];
                if (!n.isEmpty() && (!isDigits(n) || n.toInt() < 1 || n.toInt() > 19))
                    problem(file, line, QStringLiteral("special note \"%1\" is not a number from 1 to 19").arg(n));
            }
        }
        for (int f = 5; f <= 7 && f < fields.size(); ++f) {
            if (fields[f].isEmpty())
                continue;
            const QStringList formula = items(fields[f]);
            const QString kind = formula.value(1);
            const QString code = formula.value(2);
            if (kind.isEmpty() || kind == QLatin1String("0"))
                continue;
            if (!isDigits(kind) || kind.toInt() < 1 || kind.toInt() > 9) {
                problem(file, line,
                    QStringLiteral("formula %1: kind code \"%2\" names no auxiliary table").arg(f - 4).arg(kind));
                continue;
            }
            // the lookup the analysis window's formula rows use must find the code itself, not a
            // longer one that begins with it (1 finding 11,北海道地方 when 1,日本 is missing)
            if (!code.isEmpty()
                && !LookupAuxItem(m_tables, division, kind.toInt(), code).text.startsWith(code + QLatin1Char(',')))
                problem(file, line,
                    QStringLiteral("formula %1: code %2 is not in the %3 table")
                        .arg(f - 4)
                        .arg(code, AuxTableFileName(AuxTableOfKind(kind.toInt(), division))));
        }
    }

    void checkItemExamples(const Item &item);

    void checkTopics()
    {
        for (int set = 0; set < kTopicSetCount; ++set) {
            const TopicSet topics = StudyTopicSet(set);
            const QString window = QStringLiteral("the rules study window");
            const auto lines = read(topics.topicList, window);
            const int pages = pdfPages(topics.document, window);
            if (!lines)
                continue;
            for (int i = 0; i < lines->size(); ++i) {
                const std::optional<int> page = TopicPage(lines->at(i));
                if (!page)
                    problem(topics.topicList, i + 1, QStringLiteral("topic line without \"：\" and a page"));
                else if (*page < 1)
                    problem(topics.topicList, i + 1, QStringLiteral("topic line without a page number after \"：\""));
                else if (pages > 0 && *page > pages)
                    problem(topics.topicList, i + 1,
                        QStringLiteral("page %1 is past the end of %2 (%3 pages)")
                            .arg(*page)
                            .arg(QFileInfo(topics.document).fileName())
                            .arg(pages));
            }
        }
        const QString window = QStringLiteral("the practice window's document links");
        pdfPages(studyFile(QStringLiteral("taxel_kihon.pdf")), window);
        for (int d = 0; d <= 9; ++d)
            pdfPages(studyFile(QStringLiteral("exp_rui%1.pdf").arg(d)), window);
    }

    void checkPracticeSets()
    {
        for (const PracticeSet &set : PracticeSets()) {
            const QString &file = set.numberList;
            const auto lines = read(file, QStringLiteral("the practice window"));
            if (!lines)
                continue;
            for (int i = 0; i < lines->size(); ++i) {
                const QString &number = lines->at(i);
                if (number.isEmpty()) {
                    problem(file, i + 1, QStringLiteral("empty line in an exercise number list"));
                    continue;
                }
                const ExampleTexts found
                    = FindReidai(m_tree, number, ExampleCaller::Practice, set.setCode, set.fixedOrder, &m_examples);
                if (found.result != LookupResult::Found)
                    problem(file, i + 1,
                        QStringLiteral("exercise %1 cannot be set: the example lookup answers %2 (%3)")
                            .arg(number)
                            .arg(static_cast<int>(found.result))
                            .arg(DescribeLookupResult(found.result)));
                else if (found.title.isEmpty())
                    problem(file, i + 1, QStringLiteral("exercise %1 has no example line").arg(number));
                else if (const QStringList answers = ClassNumbersIn(NormaliseAnswerText(found.answer));
                         answers.isEmpty())
                    problem(file, i + 1,
                        QStringLiteral(
                            "exercise %1: its answer holds no class number, so no answer to it can be judged")
                            .arg(number));
                else if (std::none_of(
                             answers.begin(), answers.end(), [this](const QString &a) { return scheduleFinds(a); }))
                    problem(file, i + 1,
                        QStringLiteral("exercise %1: its answer %2 names no number of the schedules")
                            .arg(number, answers.join(QStringLiteral(", "))));
            }
        }
        for (ProgressKind kind : {ProgressKind::Basic, ProgressKind::Advanced}) {
            const QString file = ProgressFilePath(kind);
            const auto lines = read(file, QString());
            if (lines && (lines->isEmpty() || !isDigits(lines->first())))
                problem(file, 1, QStringLiteral("progress file does not hold a number"));
        }
    }

    QDateTime newestIn(const QString &relativeFolder, const QStringList &filters)
    {
        QDateTime newest;
        QDirIterator it(m_tree.path(relativeFolder), filters, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const QDateTime modified = it.fileInfo().lastModified();
            if (!newest.isValid() || modified > newest)
                newest = modified;
        }
        return newest;
    }

    void checkStaleness()
    {
        const QString itemMaster = DataPaths::itemMaster();
        if (exists(itemMaster)) {
            const QDateTime index = newestIn(DataPaths::keywordIndexFolder(), {});
            const QDateTime master = QFileInfo(m_tree.path(itemMaster)).lastModified();
            if (!index.isValid())
                problem(DataPaths::keywordIndexFolder(), 0,
                    QStringLiteral("no keyword index: the item search window finds nothing until it is built"));
            else if (index < master)
                problem(DataPaths::keywordIndexFolder(), 0,
                    QStringLiteral("keyword index is older than Koumoku_All.csv: build it again"));
        }
        const QString exampleMaster = DataPaths::exampleMaster();
        if (exists(exampleMaster)) {
            const QDateTime examples
                = newestIn(DataPaths::exampleFolder(), {QStringLiteral("REI_?.txt"), QStringLiteral("REI_[0-9]*.txt")});
            const QDateTime master = QFileInfo(m_tree.path(exampleMaster)).lastModified();
            if (examples.isValid() && examples < master)
                problem(DataPaths::exampleFolder(), 0,
                    QStringLiteral("example files are older than Reidai_All.csv: build them again"));
        }
    }

    const DataTree &m_tree;
    DataCheckResult m_result;
    AuxTables m_tables;
    TextFileCache m_examples; ///< the example files, read once for all the lookups of the check
    QHash<QString, QStringList> m_cache;
    QHash<QString, int> m_pages;
    QVector<Item> m_items;
    QHash<QString, bool> m_foundNumbers; ///< class number → the analysis window finds a line for it
};

void Checker::checkItemExamples(const Item &item)
{
    if (item.examples.isEmpty())
        return;
    const QStringList numbers = ExampleNumbersForSlots(item.examples); // as the window gives its slots
    for (int k = 0; k < numbers.size(); ++k) {
        const QString &number = numbers.at(k);
        if (number.isEmpty())
            continue;
        const ExampleTexts found = FindReidai(m_tree, number, ExampleSlot(k + 1), 0, false, &m_examples);
        if (found.result != LookupResult::Found)
            problem(DataPaths::itemMaster(), item.line,
                QStringLiteral("example %1 is not found by the item search window (%2)")
                    .arg(number, DescribeLookupResult(found.result)));
    }
}

} // namespace

DataCheckResult CheckDataTree(const DataTree &tree)
{
    return Checker(tree).run();
}
