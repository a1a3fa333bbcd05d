#include "AdminRun.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

class IndexCommandsTest : public ::testing::Test
{
protected:
    TempRoot root;

    void SetUp() override
    {
        root.makeFolder(QStringLiteral("StudyTaxel/KoumokuIndex"));
        root.makeFolder(QStringLiteral("StudyTaxel/ReidaiData"));
        root.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"),
            {QStringLiteral("1,/010,図書館・学校,\"トショカン ガッコウ\",総記,図書館．図書館学,/a12/3,5"),
                QStringLiteral("2,/210,日本史,ニホンシ,歴史,日本史,,78")});
        root.writeLines(QStringLiteral("StudyTaxel/Reidai_All.csv"),
            {QStringLiteral("a12,学校図書館 の本,図書館は010。,010,,017"), QStringLiteral("3,三番,ヒント,1"),
                QStringLiteral("a7,fixed,aim,hint,why,p1")});
    }

    QJsonObject json(const QStringList &args, int expectedStatus = 0)
    {
        const AdminResult r = RunAdmin(QStringList {QStringLiteral("--json")} + args, root.root());
        EXPECT_EQ(r.status, expectedStatus) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out.toUtf8()).object();
    }

    QJsonObject build()
    {
        json({QStringLiteral("build-index")});
        return json({QStringLiteral("build-examples")});
    }
};

QStringList strings(const QJsonValue &value)
{
    QStringList out;
    for (const QJsonValue &v : value.toArray())
        out.append(v.toString());
    return out;
}

} // namespace

TEST_F(IndexCommandsTest, BuildersReportEveryMessageTheWindowShows)
{
    const QJsonObject index = json({QStringLiteral("build-index")});
    EXPECT_EQ(index.value(QStringLiteral("result")).toInt(), 3);
    EXPECT_EQ(strings(index.value(QStringLiteral("messages"))), QStringList({QStringLiteral("3 件 作成しました。")}));

    QFile::remove(root.path(QStringLiteral("StudyTaxel/Koumoku_All.csv")));
    const QJsonObject missing = json({QStringLiteral("build-index")}, 1);
    EXPECT_EQ(missing.value(QStringLiteral("result")).toInt(), -1);
    EXPECT_EQ(strings(missing.value(QStringLiteral("messages"))),
        QStringList({QStringLiteral("\\StudtTaxel\\ に項目データが見つかりません！"),
            QStringLiteral("分類項目データを読み込むことができませんでした！"),
            QStringLiteral("作成できませんでした！")}));

    QDir(root.path(QStringLiteral("StudyTaxel/ReidaiData"))).removeRecursively(); // the write fails
    const QStringList failed = strings(json({QStringLiteral("build-examples")}, 1).value(QStringLiteral("messages")));
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed.first().contains(QStringLiteral("REI_"))) << failed.first().toStdString();
}

TEST_F(IndexCommandsTest, KeywordsSearchesAndExampleLookups)
{
    EXPECT_EQ(
        strings(json({QStringLiteral("keywords"), QStringLiteral("cat/dog cat")}).value(QStringLiteral("keywords"))),
        QStringList({QStringLiteral("cat"), QStringLiteral("dog")}));
    EXPECT_EQ(json({QStringLiteral("keywords"), QStringLiteral("--item"), QStringLiteral("a　b")})
                  .value(QStringLiteral("result"))
                  .toInt(),
        1);

    build();
    EXPECT_EQ(strings(json({QStringLiteral("search"), QStringLiteral("図書館")}).value(QStringLiteral("hits"))),
        QStringList({QStringLiteral("00005,図書館,トショカン ガッコウ,総記,図書館．図書館学,010,a12/3,5")}));
    auto count = [&](const QStringList &args) { return json(args).value(QStringLiteral("result")).toInt(); };
    EXPECT_EQ(count({QStringLiteral("search"), QStringLiteral("--or"), QStringLiteral("学校 日本史")}), 2);
    EXPECT_EQ(count({QStringLiteral("search"), QStringLiteral("--or"), QStringLiteral("学校 none")}), -1);
    EXPECT_EQ(count({QStringLiteral("search"), QStringLiteral("--exact"), QStringLiteral("歴史")}), 0);

    const QJsonObject slot
        = json({QStringLiteral("example"), QStringLiteral("a12"), QStringLiteral("--slot"), QStringLiteral("2")});
    EXPECT_EQ(slot.value(QStringLiteral("title")).toString(), QStringLiteral("学校図書館　の本"));
    EXPECT_EQ(slot.value(QStringLiteral("answer")).toString(), QStringLiteral("図書館は010。∥010∥∥017∥"));
    const QJsonObject missing = json({QStringLiteral("example"), QStringLiteral("2001")});
    EXPECT_EQ(missing.value(QStringLiteral("result")).toInt(), -8);
    EXPECT_EQ(missing.keys().size(), 6); // every text present, empty
    const QJsonObject fixed = json({QStringLiteral("example"), QStringLiteral("a7"), QStringLiteral("--set"),
        QStringLiteral("0"), QStringLiteral("--fixed")});
    EXPECT_EQ(fixed.value(QStringLiteral("aim")).toString() + fixed.value(QStringLiteral("explanation")).toString(),
        QStringLiteral("aimwhy"));
    EXPECT_EQ(
        count({QStringLiteral("example"), QStringLiteral("3"), QStringLiteral("--set"), QStringLiteral("22")}), -3);
}

TEST_F(IndexCommandsTest, KoumokuDriverSearchesShowsAHitAndPrintsTheState)
{
    build();
    const QJsonObject out = json({QStringLiteral("koumoku"), QStringLiteral("andor"), QStringLiteral("exact"),
        QStringLiteral("normal"), QStringLiteral("query:図書館"), QStringLiteral("hit:0"), QStringLiteral("answer:1"),
        QStringLiteral("close"), QStringLiteral("open")});
    EXPECT_EQ(out.value(QStringLiteral("state")).toObject(),
        QJsonObject({{QStringLiteral("mode"), 1}, {QStringLiteral("exact"), 0}}));
    const QJsonObject controls = out.value(QStringLiteral("controls")).toObject();
    auto textOf = [&](const char *name) {
        return controls.value(QString::fromLatin1(name)).toObject().value(QStringLiteral("text")).toString();
    };
    EXPECT_EQ(textOf("STyomi"), QStringLiteral("トショカン ガッコウ"));
    EXPECT_EQ(textOf("STrei2"), QStringLiteral("三番"));
    EXPECT_EQ(textOf("STkai1"), QStringLiteral("図書館は010。∥010∥∥017∥"));
    EXPECT_FALSE(controls.value(QStringLiteral("Pmask3")).toObject().value(QStringLiteral("hidden")).toBool());
    EXPECT_EQ(
        strings(json({QStringLiteral("koumoku"), QStringLiteral("query:ない")}).value(QStringLiteral("messages"))),
        QStringList({QStringLiteral("一致する分類項目はありません！")}));

    // clicking a radio button takes the focus from the field; the option moves it back, which
    // empties the query and the hits, so the next query is searched alone
    const QJsonObject refocused
        = json({QStringLiteral("koumoku"), QStringLiteral("query:図書"), QStringLiteral("exact")});
    const QJsonObject after = refocused.value(QStringLiteral("controls")).toObject();
    EXPECT_TRUE(after.value(QStringLiteral("Ekoumoku")).toObject().value(QStringLiteral("text")).toString().isEmpty());
    EXPECT_TRUE(after.value(QStringLiteral("LBhitdata")).toObject().value(QStringLiteral("items")).toArray().isEmpty());

    // a covered slot cannot be used, nor a line that is not there
    for (const char *step : {"hint:1", "hit:3", "fly"})
        EXPECT_EQ(RunAdmin({QStringLiteral("koumoku"), QString::fromLatin1(step)}, root.root()).status, 1) << step;
}

TEST_F(IndexCommandsTest, UsageErrors)
{
    for (const QStringList &args :
        {QStringList {QStringLiteral("keywords")}, QStringList {QStringLiteral("search"), QStringLiteral("--or")},
            QStringList {QStringLiteral("example"), QStringLiteral("1"), QStringLiteral("--slot"), QStringLiteral("5")},
            QStringList {QStringLiteral("example"), QStringLiteral("1"), QStringLiteral("--fixed")},
            QStringList {QStringLiteral("build-index"), QStringLiteral("x")}})
        EXPECT_EQ(RunAdmin(args, root.root()).status, 2) << args.join(QLatin1Char(' ')).toStdString();

    // several words are one query, as typed with blanks between them
    const AdminResult two = RunAdmin(
        {QStringLiteral("--json"), QStringLiteral("keywords"), QStringLiteral("b"), QStringLiteral("a")}, root.root());
    EXPECT_EQ(two.status, 0);
    EXPECT_TRUE(two.out.contains(QStringLiteral("\"a\",\n        \"b\""))) << two.out.toStdString();
}
