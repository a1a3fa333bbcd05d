#include "TestSupport.h"

#include "analysis/AnalysisData.h"
#include "analysis/AnalysisState.h"
#include "analysis/SynthesisRules.h"

#include <gtest/gtest.h>

namespace {

/// A small schedule and the tables it mirrors, enough for every rule.
struct Fixture
{
    AuxTables tables;
    QStringList schedule;

    Fixture()
    {
        tables[AuxTable::Keisiki] = L({u"01,理論．哲学", u"02,歴史的・地域的論述", u"03,参考図書", u"033,辞典",
            u"036,便覧", u"07,研究法．指導法．教育"});
        tables[AuxTable::Tiri] = L({u"1,日本", u"13,関東地方", u"136,東京都", u"2,アジア．東洋", u"22,中国",
            u"5,北アメリカ", u"53,アメリカ合衆国"});
        tables[AuxTable::Tihou] = L({u"3,関東地方", u"36,東京都"});
        tables[AuxTable::Gengo] = L({u"1,日本語", u"29,その他の東洋の諸言語", u"291,朝鮮語", u"3,英語"});
        tables[AuxTable::GengoCom] = L({u"3,辞典", u"7,読本．解釈．会話", u"78,会話"});
        tables[AuxTable::BungakuCom] = L({u"3,小説．物語"});
        tables[AuxTable::ZidaiRekisi] = L({u"01,通史", u"03,古代", u"7,昭和・平成時代（西洋史・外国文学では20世紀―）"});
        tables[AuxTable::ZidaiBun] = L({u"6,近代：明治以後"});
        for (const char16_t *line : {u"/160,宗教,哲学,宗教,宗教", u"/161,宗教学．宗教思想,哲学,宗教,宗教学",
                 u"/200,歴史,歴史,歴史,歴史", u"/210,日本史,歴史,日本史,日本史",
                 u"/210.07,（オーラルヒストリー）,歴史,日本史,日本史", u"/210.1,通史,歴史,日本史,日本史",
                 u"/213,関東地方,歴史,日本史,関東地方", u"/213.6,東京都,歴史,日本史,関東地方",
                 u"/222,中国,歴史,アジア史,中国", u"/222.03,殷・周,歴史,アジア史,中国",
                 u"/300,社会科学,社会科学,社会科学,社会科学", u"/302,政治・経済・社会・文化事情,社会科学,社会科学,事情",
                 u"/302.1,事情＠日本,社会科学,社会科学,事情", u"/302.13,事情＠関東地方,社会科学,社会科学,事情",
                 u"/319,外交,社会科学,政治,外交", u"/319.1,（排日運動）,社会科学,政治,外交",
                 u"/319.2,（アジア問題）,社会科学,政治,外交", u"/319.5,（アメリカ問題）,社会科学,政治,外交",
                 u"/319.22,（中国問題）,社会科学,政治,外交", u"/319.1053,（日米外交）,社会科学,政治,外交",
                 u"/400,自然科学,自然科学,自然科学,自然科学", u"/403,参考図書,自然科学,自然科学,参考図書",
                 u"/410,数学,自然科学,数学,数学", u"/410.3,参考図書,自然科学,数学,数学", u"/800,言語,言語,言語,言語",
                 u"/829,その他の東洋の諸言語,言語,中国語,その他", u"/829.1,朝鮮語,言語,中国語,その他",
                 u"/830,英語,言語,英語,英語", u"/837,読本．解釈．会話,言語,英語,読本", u"/837.8,英会話,言語,英語,読本",
                 u"/900,文学,文学,文学,文学", u"/910,日本文学,文学,日本文学,日本文学",
                 u"/913,小説．物語,文学,日本文学,小説", u"/913.6,近代：明治以後,文学,日本文学,小説",
                 u"/930,英米文学,文学,英米文学,英米文学", u"/933,小説．物語,文学,英米文学,小説",
                 u"/933.7,20世紀―,文学,英米文学,小説"})
            schedule.append(QString::fromUtf16(line));
    }
};

/// "kind:code" of each part, the alternatives marked with a star: "1:02 2:121".
QString partsText(const QList<SynthesisPart> &parts)
{
    QStringList out;
    for (const SynthesisPart &p : parts)
        out.append(
            QString::number(p.kind) + QLatin1Char(':') + p.code + (p.alternative ? QStringLiteral("*") : QString()));
    return out.join(QLatin1Char(' '));
}

} // namespace

TEST(SynthesisRules, SchedulesAreReadByTheRulesOfSynthesis)
{
    const Fixture f;
    const ScheduleSynthesis synthesis(f.tables, f.schedule);
    struct Case
    {
        const char *number;
        const char *parts;
        const char16_t *lastFormula;
    } cases[] = {
        {"161", "1:01", u"160+01→161"}, // the form code's own zero dropped, as the caption shows
        {"403", "1:03", u"4+03→403"}, // two zeros of the main class dropped
        {"410.3", "1:03", u"41+03→410.3"}, // one zero of the division dropped
        {"410.33", "1:033", u"41+033→410.33"}, // no schedule number: its digits alone
        {"210.07", "2:1 1:07", u"21+0+07→210.07"}, // a zero doubled where periods divide the number
        {"210.1", "2:1 7:01", u"21+01→210.1"}, // the period 通史, not the form division 01
        {"213.6", "8:36 2:136*", u"2+136"}, // the region, with the place as its other reading
        {"222.03", "2:22 7:03", u"222+03"}, // after a place, 0 and a period code are a period
        {"302.13", "1:02 2:13", u"302+13"}, // a place after the form division 02
        {"319.22", "2:22", u"319+22"}, // a section the schedule divides by place
        {"319.1053", "2:1 2:53", u"319.1+0+53"}, // two places joined through a zero
        {"829.1", "4:291", u"8+291"},
        {"837.8", "4:3 5:78", u"83+78"},
        {"913.6", "4:1 6:3 7:6", u"913+6"},
        {"933.7", "4:3 6:3 7:7", u"933+7"},
        {"300", "", u""},
    };
    for (const Case &c : cases) {
        const QString number = QString::fromLatin1(c.number);
        const QList<SynthesisPart> parts = synthesis.partsOf(number);
        EXPECT_EQ(partsText(parts), QString::fromLatin1(c.parts)) << c.number;
        if (!parts.isEmpty()) {
            EXPECT_EQ(FormulaOf(parts.last(), DigitsOf(number)), QString::fromUtf16(c.lastFormula)) << c.number;
        }
    }

    // the descriptor: kinds of the last two components, the basic part, the extension, the notes
    EXPECT_EQ(synthesis.synthesisOf(QStringLiteral("161")).descriptor(), QStringLiteral("1/16/1/1"));
    EXPECT_EQ(synthesis.synthesisOf(QStringLiteral("302.13")).descriptor(), QStringLiteral("12/302/13/1"));
    EXPECT_EQ(synthesis.synthesisOf(QStringLiteral("213.6")).descriptor(), QStringLiteral("8/21/36/10"));
    EXPECT_EQ(synthesis.synthesisOf(QStringLiteral("210.07")).descriptor(), QStringLiteral("21/210/07/2"));
    EXPECT_EQ(synthesis.synthesisOf(QStringLiteral("319.1053")).descriptor(), QStringLiteral("22/319.1/053/7"));
    EXPECT_EQ(synthesis.synthesisOf(QStringLiteral("829.1")).descriptor(), QStringLiteral("4/829.1/"));
}

TEST(SynthesisRules, TheWindowReadsANumberBeyondTheScheduleItsSectionDataDoesNotExplain)
{
    const Fixture f;
    AnalysisData data;
    data.tables = f.tables;
    data.setSchedule(4, f.schedule.filter(QStringLiteral("/4")));
    data.setSections(4, L({u"/410,数学,自然科学,数学", u"/410.3,数学,自然科学,数学,1/410/3,41+03→410.3/1/03"}));
    AnalysisState window;
    window.entry = QStringLiteral("410.36");
    window.enter(data);
    window.pickHit(data, 0);
    EXPECT_EQ(window.rows[0].formula, QStringLiteral("41+03→410.3")) << "the section line of 410.3 explains it";

    window.entry = QStringLiteral("410.036");
    window.enter(data);
    window.pickHit(data, 0); // 410 has no synthesis of its own; written whole it keeps its zero
    EXPECT_EQ(window.rows[0].formula, QStringLiteral("41+0+036→410.036"));
    EXPECT_EQ(window.rows[0].entry.text, QStringLiteral("036,便覧"));
    EXPECT_EQ(window.kindCaption, QStringLiteral("形式区分"));
    EXPECT_TRUE(window.isTicked(1));
    EXPECT_EQ(window.list(AuxList::Keisiki1).text, QStringLiteral("036,便覧"));
}
