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
        const AdminResult r = RunAdmin(QStringList{QStringLiteral("--json")} + args, root.root());
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
    const QJsonObject examples = json({QStringLiteral("build-examples")});
    EXPECT_EQ(examples.value(QStringLiteral("result")).toInt(), 3);

    QFile::remove(root.path(QStringLiteral("StudyTaxel/Koumoku_All.csv")));
    const QJsonObject missing = json({QStringLiteral("build-index")}, 1);
    EXPECT_EQ(missing.value(QStringLiteral("result")).toInt(), -1);
    EXPECT_EQ(strings(missing.value(QStringLiteral("messages"))),
              QStringList({QStringLiteral("\\StudtTaxel\\ に項目データが見つかりません！"),
                           QStringLiteral("分類項目データを読み込むことができませんでした！"),
                           QStringLiteral("作成できませんでした！")}));

    // a write that fails ends the command with the error text
    QDir(root.path(QStringLiteral("StudyTaxel/ReidaiData"))).removeRecursively();
    const QJsonObject failed = json({QStringLiteral("build-examples")}, 1);
    const QStringList texts = strings(failed.value(QStringLiteral("messages")));
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts.first().contains(QStringLiteral("REI_"))) << texts.first().toStdString();
}

TEST_F(IndexCommandsTest, KeywordsAndSearches)
{
    const QJsonObject query = json({QStringLiteral("keywords"), QStringLiteral("cat/dog cat")});
    EXPECT_EQ(query.value(QStringLiteral("result")).toInt(), 2);
    EXPECT_EQ(strings(query.value(QStringLiteral("keywords"))), QStringList({QStringLiteral("cat"), QStringLiteral("dog")}));
    const QJsonObject item = json({QStringLiteral("keywords"), QStringLiteral("--item"), QStringLiteral("a　b")});
    EXPECT_EQ(strings(item.value(QStringLiteral("keywords"))), QStringList({QStringLiteral("a　b")}));

    build();
    const QJsonObject found = json({QStringLiteral("search"), QStringLiteral("図書館")});
    EXPECT_EQ(found.value(QStringLiteral("result")).toInt(), 1);
    EXPECT_EQ(strings(found.value(QStringLiteral("hits"))),
              QStringList({QStringLiteral("00005,図書館,トショカン ガッコウ,総記,図書館．図書館学,010,a12/3,5")}));
    EXPECT_EQ(json({QStringLiteral("search"), QStringLiteral("--or"), QStringLiteral("学校 日本史")})
                  .value(QStringLiteral("result")).toInt(), 2);
    EXPECT_EQ(json({QStringLiteral("search"), QStringLiteral("--or"), QStringLiteral("学校 none")})
                  .value(QStringLiteral("result")).toInt(), -1);
    EXPECT_EQ(json({QStringLiteral("search"), QStringLiteral("--exact"), QStringLiteral("歴史")})
                  .value(QStringLiteral("result")).toInt(), 0);
}

TEST_F(IndexCommandsTest, ExampleLookupForBothCallersAlwaysPrintsFiveTexts)
{
    build();
    const QJsonObject slot = json({QStringLiteral("example"), QStringLiteral("a12"), QStringLiteral("--slot"), QStringLiteral("2")});
    EXPECT_EQ(slot.value(QStringLiteral("result")).toInt(), 0);
    EXPECT_EQ(slot.value(QStringLiteral("title")).toString(), QStringLiteral("学校図書館　の本"));
    EXPECT_EQ(slot.value(QStringLiteral("answer")).toString(), QStringLiteral("図書館は010。∥010∥∥017∥"));
    EXPECT_TRUE(slot.contains(QStringLiteral("aim")));
    EXPECT_TRUE(slot.value(QStringLiteral("explanation")).toString().isEmpty());

    const QJsonObject missing = json({QStringLiteral("example"), QStringLiteral("2001")});
    EXPECT_EQ(missing.value(QStringLiteral("result")).toInt(), -8);
    EXPECT_EQ(missing.keys().size(), 6);

    const QJsonObject fixed = json({QStringLiteral("example"), QStringLiteral("a7"), QStringLiteral("--set"),
                                    QStringLiteral("0"), QStringLiteral("--fixed")});
    EXPECT_EQ(fixed.value(QStringLiteral("aim")).toString(), QStringLiteral("aim"));
    EXPECT_EQ(fixed.value(QStringLiteral("explanation")).toString(), QStringLiteral("why"));
    EXPECT_EQ(fixed.value(QStringLiteral("answer")).toString(), QStringLiteral("p1∥"));
    EXPECT_EQ(json({QStringLiteral("example"), QStringLiteral("3"), QStringLiteral("--set"), QStringLiteral("22")})
                  .value(QStringLiteral("result")).toInt(), -3);
}

TEST_F(IndexCommandsTest, KoumokuDriverSearchesShowsAHitAndPrintsTheState)
{
    build();
    const QJsonObject out = json({QStringLiteral("koumoku"), QStringLiteral("andor"), QStringLiteral("exact"),
                                  QStringLiteral("normal"), QStringLiteral("query:図書館"), QStringLiteral("hit:0"),
                                  QStringLiteral("answer:1"), QStringLiteral("close"), QStringLiteral("open")});
    const QJsonObject state = out.value(QStringLiteral("state")).toObject();
    EXPECT_EQ(state.value(QStringLiteral("mode")).toInt(), 1);
    EXPECT_EQ(state.value(QStringLiteral("exact")).toInt(), 0);
    const QJsonObject controls = out.value(QStringLiteral("controls")).toObject();
    auto textOf = [&](const char *name) {
        return controls.value(QString::fromLatin1(name)).toObject().value(QStringLiteral("text")).toString();
    };
    EXPECT_EQ(textOf("STyomi"), QStringLiteral("トショカン ガッコウ"));
    EXPECT_EQ(textOf("STreinum2"), QStringLiteral("3"));
    EXPECT_EQ(textOf("STkai1"), QStringLiteral("図書館は010。∥010∥∥017∥"));
    EXPECT_EQ(textOf("LhitDataNum"), QStringLiteral("1 件のデータ"));
    EXPECT_EQ(textOf("STrei2"), QStringLiteral("三番"));
    EXPECT_TRUE(controls.value(QStringLiteral("Pmask2")).toObject().value(QStringLiteral("hidden")).toBool());
    EXPECT_FALSE(controls.value(QStringLiteral("Pmask3")).toObject().value(QStringLiteral("hidden")).toBool());
    EXPECT_TRUE(out.value(QStringLiteral("messages")).toArray().isEmpty());

    const QJsonObject none = json({QStringLiteral("koumoku"), QStringLiteral("query:ない")});
    EXPECT_EQ(strings(none.value(QStringLiteral("messages"))), QStringList({QStringLiteral("一致する分類項目はありません！")}));

    // a covered slot cannot be used, nor a line that is not there
    EXPECT_EQ(RunAdmin({QStringLiteral("koumoku"), QStringLiteral("hint:1")}, root.root()).status, 1);
    EXPECT_EQ(RunAdmin({QStringLiteral("koumoku"), QStringLiteral("hit:3")}, root.root()).status, 1);
    EXPECT_EQ(RunAdmin({QStringLiteral("koumoku"), QStringLiteral("fly")}, root.root()).status, 1);
}

TEST_F(IndexCommandsTest, UsageErrors)
{
    for (const QStringList &args :
         {QStringList{QStringLiteral("keywords")}, QStringList{QStringLiteral("search"), QStringLiteral("a"), QStringLiteral("b")},
          QStringList{QStringLiteral("example"), QStringLiteral("1"), QStringLiteral("--slot"), QStringLiteral("5")},
          QStringList{QStringLiteral("example"), QStringLiteral("1"), QStringLiteral("--set")},
          QStringList{QStringLiteral("example"), QStringLiteral("1"), QStringLiteral("--fixed")},
          QStringList{QStringLiteral("build-index"), QStringLiteral("x")}})
        EXPECT_EQ(RunAdmin(args, root.root()).status, 2) << args.join(QLatin1Char(' ')).toStdString();
}
