#include "FuzzSupport.h"

#include "analysis/AnalysisData.h"
#include "learning/AnswerJudge.h"

// The input is a learner's text and an exercise's answer text, separated by the first line break,
// judged against a small schedule with section data.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    EnsureApplication();
    static const AnalysisData analysis = [] {
        AnalysisData a;
        a.tables[AuxTable::Keisiki] = {QStringLiteral("02,歴史"), QStringLiteral("033,辞典")};
        a.tables[AuxTable::Tiri] = {QStringLiteral("1,日本"), QStringLiteral("22,中国")};
        a.setSchedule(3,
            {QStringLiteral("/300,社会科学,a,b,c"), QStringLiteral("/302,事情,a,b,c"),
                QStringLiteral("/302.1,事情＠日本,a,b,c")});
        a.setSections(3, {QStringLiteral("/302.1,事情,a,b,12/302/1/1,300+02→302/1/02,302+1/2/1")});
        a.setSchedule(9, {QStringLiteral("/913,小説,文学,日本文学,小説")});
        return a;
    }();
    const QString text = AsUtf16(data, size);
    const qsizetype cut = text.indexOf(QLatin1Char('\n'));
    const QString learner = cut < 0 ? text : text.left(cut);
    const QString answer = cut < 0 ? QString() : text.mid(cut + 1);
    (void)JudgeAnswer(learner, answer, analysis);
    (void)JudgeAnswer(answer, learner, analysis);
    (void)ClassNumbersIn(NormaliseAnswerText(text));
    return 0;
}
