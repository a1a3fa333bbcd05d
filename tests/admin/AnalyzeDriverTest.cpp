#include "AdminRun.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {
QString S(const char16_t *text)
{
    return QString::fromUtf16(text);
}

class AnalyzeDriverTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString tables = QStringLiteral("StudyTaxel/TaxelData/");
        root.writeLines(tables + QStringLiteral("hojo_tiri.txt"), {S(u"1,日本"), S(u"53,アメリカ合衆国")});
        root.writeLines(tables + QStringLiteral("Saimoku_3.txt"),
            {S(u"/319,外交,社会科学,政治,外交"), S(u"/319.1,日本,社会科学,政治,外交")});
        root.writeLines(tables + QStringLiteral("Youmoku_3.txt"),
            {S(u"/319,外交．国際問題,社会科学,政治,2/319//7"),
                S(u"/319.1,外交．国際問題,社会科学,政治,22/319/1/7/3,319+1/2/1,319.1+0+53/2/53")});
    }

    QJsonObject run(const QStringList &steps, int expectedStatus = 0)
    {
        const AdminResult result
            = RunAdmin(QStringList {QStringLiteral("--json"), QStringLiteral("analyze")} + steps, root.root());
        EXPECT_EQ(result.status, expectedStatus) << result.err.toStdString();
        return QJsonDocument::fromJson(result.out.toUtf8()).object();
    }

    TempRoot root;
};
} // namespace

TEST_F(AnalyzeDriverTest, PrintsMessagesControlsAndState)
{
    const QJsonObject out = run({QStringLiteral("enter:319"), QStringLiteral("pick:1"), QStringLiteral("tick:CBtiriCH"),
        QStringLiteral("untick:CBtiriCH"), QStringLiteral("tick:CBtiriCH"), QStringLiteral("close"),
        QStringLiteral("open")});
    const QJsonObject controls = out.value(QStringLiteral("controls")).toObject();
    const QJsonObject state = out.value(QStringLiteral("state")).toObject();
    EXPECT_EQ(state.value(QStringLiteral("division")).toInt(), 31);
    EXPECT_EQ(state.value(QStringLiteral("geoCount")).toInt(), 2);
    EXPECT_EQ(state.value(QStringLiteral("formCount")).toInt(), 0);
    EXPECT_EQ(state.value(QStringLiteral("rowKinds")).toArray(), QJsonArray({2, 2, 0}));
    EXPECT_TRUE(out.value(QStringLiteral("messages")).toArray().isEmpty());

    EXPECT_EQ(controls.value(QStringLiteral("STtaxel")).toObject().value(QStringLiteral("text")).toString(),
        QStringLiteral("319.1"));
    EXPECT_EQ(
        controls.value(QStringLiteral("LBhitdata")).toObject().value(QStringLiteral("items")).toArray().size(), 2);
    const QJsonObject second = controls.value(QStringLiteral("CBtiri2")).toObject();
    EXPECT_FALSE(second.value(QStringLiteral("hidden")).toBool()) << "re-ticked by hand while the count is 2";
    EXPECT_EQ(second.value(QStringLiteral("text")).toString(), QString()) << "unticking emptied it";
    const QJsonObject notes = controls.value(QStringLiteral("Pzizyou")).toObject();
    EXPECT_EQ(notes.value(QStringLiteral("top")).toInt(), 325);
    EXPECT_EQ(notes.value(QStringLiteral("height")).toInt(), 340);
    EXPECT_FALSE(controls.contains(QStringLiteral("LBsaimokuList"))) << "working lists are not controls";
}

TEST_F(AnalyzeDriverTest, ReanalysisAndStepsThatCannotBePerformed)
{
    const QJsonObject out = run({QStringLiteral("enter:319.1053"), QStringLiteral("pick:0"),
        QStringLiteral("reanalyze"), QStringLiteral("sanzi:0"), QStringLiteral("reset"), QStringLiteral("enter:3191")});
    const QJsonArray messages = out.value(QStringLiteral("messages")).toArray();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.at(0).toString(), QStringLiteral("22")); // the kind value of 319.1
    EXPECT_EQ(messages.at(1).toString(), S(u"入力した分類記号が不正です！"));

    const QJsonObject beforeReset = run({QStringLiteral("enter:319.1053"), QStringLiteral("pick:0"),
        QStringLiteral("reanalyze"), QStringLiteral("closenotes")});
    const QJsonObject controls = beforeReset.value(QStringLiteral("controls")).toObject();
    EXPECT_EQ(controls.value(QStringLiteral("STkaiseki")).toObject().value(QStringLiteral("text")).toString(),
        QStringLiteral("1+53"));
    EXPECT_FALSE(controls.value(QStringLiteral("Lkaisekiexp2")).toObject().value(QStringLiteral("hidden")).toBool());

    run({QStringLiteral("enter:319"), QStringLiteral("pick:5")}, 1);
    run({QStringLiteral("sanzi:0")}, 1);
    run({QStringLiteral("tick:CBnothing")}, 1);
    run({QStringLiteral("jump")}, 1);
}

TEST_F(AnalyzeDriverTest, AHitLineWiderThanTheListIsClickedWhereItShows)
{
    root.writeLines(QStringLiteral("StudyTaxel/TaxelData/Saimoku_3.txt"),
        {S(u"/319,外交,社会科学,政治,外交"), S(u"/319.1,") + QString(120, u'長') + S(u",社会科学,政治,外交")});
    const QJsonObject out = run({QStringLiteral("enter:319"), QStringLiteral("pick:1")});
    EXPECT_EQ(out.value(QStringLiteral("controls"))
                  .toObject()
                  .value(QStringLiteral("STtaxel"))
                  .toObject()
                  .value(QStringLiteral("text")),
        QStringLiteral("319.1"));
}
