// The analysis on the full tree a learner starts with: names for every schedule number, every
// generated item taken apart as its caption says, every formula's code in its table, and the
// console's read-back agreeing with the window. Skipped when the build made no full tree.

#include "TestSupport.h"

#include "analysis/AnalysisData.h"
#include "analysis/AnalysisState.h"
#include "datafiles/CommaText.h"
#include "datafiles/DataRoot.h"
#include "learning/AnswerJudge.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#ifndef TAXEL_FULL_TREE
#define TAXEL_FULL_TREE ""
#endif

namespace {

class FullTree : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const QString tree = QStringLiteral(TAXEL_FULL_TREE);
        if (tree.isEmpty() || !QFileInfo::exists(tree + QStringLiteral("/StudyTaxel/TaxelData/Saimoku_0.txt")))
            return;
        data = new AnalysisData(AnalysisData::load(DataTree(tree)));
        for (int d = 0; d <= 9; ++d)
            for (const QString &line : data->schedule(d).lines)
                lines.append(SplitCommaText(line));
    }
    static void TearDownTestSuite()
    {
        delete data;
        data = nullptr;
        lines.clear();
    }
    void SetUp() override
    {
        if (!data)
            GTEST_SKIP() << "no full tree built";
    }

    /// The window after the number is entered and its own line chosen, as a user does.
    static AnalysisState analysed(const QString &number)
    {
        AnalysisState window;
        window.entry = number;
        window.enter(*data);
        const QString own = QLatin1Char('/') + number + QLatin1Char(',');
        for (int row = 0; row < window.hits.size() && window.classNumber != number; ++row)
            if (window.hits.at(row).startsWith(own))
                window.pickHit(*data, row);
        return window;
    }

    static inline AnalysisData *data = nullptr;
    static inline QList<QStringList> lines;
};

/// Whether two captions share a word ("語源．意味［語義］" and "語源．語義．意味" do), the two ways of
/// writing ヴ counted as one (スロヴェニア語, スロベニア語).
bool shareAWord(QString a, QString b)
{
    for (QString *text : {&a, &b})
        for (const auto &[from, to] :
            {std::pair {u"ヴァ", u"バ"}, {u"ヴィ", u"ビ"}, {u"ヴェ", u"ベ"}, {u"ヴォ", u"ボ"}, {u"ヴ", u"ブ"}})
            text->replace(QString::fromUtf16(from), QString::fromUtf16(to));
    QString text = a;
    for (QChar c : QStringLiteral("．・：，（）［］ "))
        text.replace(c, QLatin1Char('|'));
    for (const QString &word : text.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        if (word.size() >= 2 && b.contains(word))
            return true;
    return a == b;
}

} // namespace

TEST_F(FullTree, EveryScheduleNumberShowsItsClassNames)
{
    int named = 0;
    QStringList unnamed;
    for (const QStringList &fields : lines) {
        const AnalysisState window = analysed(fields.at(0).mid(1));
        const bool ok = window.mainClassName == fields.value(2) && window.divisionName == fields.value(3)
            && !window.sectionNames.isEmpty();
        named += ok;
        if (!ok && unnamed.size() < 5)
            unnamed.append(fields.at(0));
    }
    EXPECT_EQ(named, lines.size()) << unnamed.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(lines.size(), 11797);
}

TEST_F(FullTree, EveryGeneratedItemIsItsBaseAndTheCodeItsCaptionNames)
{
    int items = 0;
    QStringList wrong;
    for (const QStringList &fields : lines) {
        const QString caption = fields.value(1);
        if (!caption.contains(u'＠'))
            continue;
        ++items;
        const QString number = fields.at(0).mid(1);
        const NumberReading reading = ReadClassNumber(number, *data);
        const QString named = caption.section(u'＠', 1);
        const bool ok = !reading.parts.isEmpty() && shareAWord(reading.parts.last().caption, named)
            && QString(number).remove(u'.').endsWith(reading.parts.last().code.mid(
                reading.parts.last().code.startsWith(u'0') && !number.contains(reading.parts.last().code) ? 1 : 0));
        if (!ok && wrong.size() < 20)
            wrong.append(number + QLatin1Char(' ') + caption);
    }
    EXPECT_EQ(items, 1125);
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join(QLatin1Char('\n')).toStdString();
}

TEST_F(FullTree, EveryFormulaCodeStandsInItsTableAndExplainShowsWhatTheWindowShows)
{
    int formulas = 0;
    QStringList missing;
    QStringList disagreeing;
    for (const QStringList &fields : lines) {
        const QString number = fields.at(0).mid(1);
        const AnalysisState window = analysed(number);
        QStringList shown;
        for (const FormulaRow &row : window.rows) {
            if (row.kind == 0)
                continue;
            ++formulas;
            const QString code = row.formula.isEmpty() ? QString() : row.entry.text.section(u',', 0, 0);
            if (!row.entry.found() && missing.size() < 20)
                missing.append(number + QLatin1Char(' ') + row.formula);
            if (row.entry.found())
                shown.append(code);
        }
        QStringList explained;
        for (const AuxPart &part : ReadClassNumber(number, *data).parts)
            explained.append(part.code);
        for (const FormulaRow &row : window.rows)
            if (row.kind == 0 && row.entry.found())
                shown.insert(0, row.entry.text.section(u',', 0, 0));
        if (explained != shown && disagreeing.size() < 20)
            disagreeing.append(number);
    }
    EXPECT_GT(formulas, 5000);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(disagreeing.isEmpty()) << disagreeing.join(QLatin1Char(' ')).toStdString();
}
