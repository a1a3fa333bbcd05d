#include "AdminRun.h"
#include "TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {
QJsonObject run(const TempRoot &root, const QStringList &args, int expectedStatus = 0)
{
    const AdminResult result = RunAdmin(QStringList {QStringLiteral("--json")} + args, root.root());
    EXPECT_EQ(result.status, expectedStatus) << result.err.toStdString();
    return QJsonDocument::fromJson(result.out.toUtf8()).object();
}

QString text(const QJsonObject &dump, const char *control)
{
    return dump[QStringLiteral("controls")][QString::fromLatin1(control)][QStringLiteral("text")].toString();
}
} // namespace

TEST(PracticeDriver, ASeedMakesTheRandomSetReproducibleAndTheStateIsReported)
{
    TempRoot root;
    QStringList numbers, block;
    for (int n = 1; n <= 30; ++n) {
        numbers.append(QString::number(n));
        block.append(QStringLiteral("%1,題%1,ヒント,%1").arg(n));
    }
    root.writeLines(QStringLiteral("StudyTaxel/ReidaiData/ren_num_4.txt"), numbers);
    root.writeLines(QStringLiteral("StudyTaxel/ReidaiData/REI_0.txt"), block);
    const QStringList steps {QStringLiteral("practice"), QStringLiteral("--seed"), QStringLiteral("11"),
        QStringLiteral("set:rui4"), QStringLiteral("count:3"), QStringLiteral("ask")};
    const QJsonObject first = run(root, steps);
    const QJsonObject second = run(root, steps);
    EXPECT_FALSE(text(first, "STren3").isEmpty());
    for (const char *slot : {"STren1", "STren2", "STren3"})
        EXPECT_EQ(text(first, slot), text(second, slot));
    const QJsonObject state = first[QStringLiteral("state")].toObject();
    EXPECT_EQ(state[QStringLiteral("SetCode")].toInt(), 5);
    EXPECT_FALSE(state[QStringLiteral("FixedOrderMode")].toBool());

    // a step a user could not take ends the command
    run(root, {QStringLiteral("practice"), QStringLiteral("table:3")}, 1);
    run(root, {QStringLiteral("practice"), QStringLiteral("fly")}, 1);
}

TEST(PracticeDriver, TheReviewSetHoldsMistakesUntilTheyAreRightInTwoRuns)
{
    TempRoot root;
    root.writeLines(QStringLiteral("StudyTaxel/ReidaiData/ren_num_9.txt"), {QStringLiteral("1")});
    root.writeLines(QStringLiteral("StudyTaxel/ReidaiData/REI_0.txt"), {QStringLiteral("1,坊っちゃん,ヒント,913")});
    auto review = [&](const QStringList &steps) {
        const QJsonObject out = run(root, QStringList {QStringLiteral("practice")} + steps);
        return out[QStringLiteral("state")][QStringLiteral("review")].toInt();
    };
    const QString ask = QStringLiteral("ask");
    EXPECT_EQ(review({QStringLiteral("set:review")}), 0);
    EXPECT_EQ(review({QStringLiteral("set:rui9"), ask, QStringLiteral("type:1:914")}), 1);
    // right twice in one run counts once; the exercise keeps its own set in the review set
    EXPECT_EQ(
        review({QStringLiteral("set:review"), ask, QStringLiteral("type:1:913.6"), ask, QStringLiteral("type:1:913")}),
        1);
    const QJsonObject second
        = run(root, {QStringLiteral("practice"), QStringLiteral("set:review"), ask, QStringLiteral("type:1:913")});
    EXPECT_EQ(text(second, "STren1"), QStringLiteral("[1] 坊っちゃん"));
    EXPECT_EQ(second[QStringLiteral("state")][QStringLiteral("review")].toInt(), 0) << "right in a second run";
    EXPECT_EQ(text(second, "RBfukusyu"), QStringLiteral("復習（0問）"));
    EXPECT_EQ(run(root, {QStringLiteral("practice"), QStringLiteral("set:review"), ask})[QStringLiteral("messages")]
                  .toArray()
                  .size(),
        2)
        << "an empty review set says so when chosen and when asked";
}

TEST(StudyDriver, ReportsTheUrlToldAndTheViewsInThePanel)
{
    TempRoot root;
    root.writeLines(QStringLiteral("StudyTaxel/SaimokuData/kubun_kiso.txt"),
        {QStringLiteral("はじめに：1"), QStringLiteral("分類：0012")});
    const QJsonObject opened
        = run(root, {QStringLiteral("study"), QStringLiteral("set:kihon"), QStringLiteral("topic:1")});
    const QJsonObject state = opened[QStringLiteral("state")].toObject();
    EXPECT_EQ(state[QStringLiteral("documentUrl")].toString(),
        root.path(QStringLiteral("StudyTaxel/SaimokuData/taxel_kiso.pdf#page=12")));
    EXPECT_EQ(state[QStringLiteral("documentViews")].toInt(), 1);
    EXPECT_EQ(text(opened, "Lkoumoku"), QStringLiteral("分類作業の基礎"));

    const QJsonObject reopened = run(root,
        {QStringLiteral("study"), QStringLiteral("set:kihon"), QStringLiteral("topic:0"), QStringLiteral("close"),
            QStringLiteral("open")});
    EXPECT_EQ(reopened[QStringLiteral("state")][QStringLiteral("documentViews")].toInt(), 0);
    EXPECT_EQ(text(reopened, "Lkoumoku"), QStringLiteral("分類作業の基礎"));
    run(root, {QStringLiteral("study"), QStringLiteral("topic:0")}, 1); // the topic box is still disabled
}

TEST(PracticeDriver, TypedAnswersAreJudgedAndExplainReadsANumberBack)
{
    TempRoot root;
    root.writeLines(QStringLiteral("StudyTaxel/TaxelData/Saimoku_0.txt"),
        L({u"/016,各種の図書館,総記,図書館．図書館学,各種の図書館",
            u"/017,学校図書館,総記,図書館．図書館学,学校図書館"}));
    root.writeLines(QStringLiteral("StudyTaxel/ReidaiData/ren_num_0.txt"), L({u"1", u"2"}));
    root.writeLines(QStringLiteral("StudyTaxel/ReidaiData/REI_0.txt"),
        L({u"1,学校図書館の本,ヒント,017", u"2,答えのない題,ヒント,"}));
    const QJsonObject judged = run(root,
        L({u"practice", u"--seed", u"1", u"set:rui0", u"count:2", u"ask", u"type:1:０１６", u"type:2:016",
            u"type:1:017", u"answer:2"}));
    const QJsonObject state = judged[QStringLiteral("state")].toObject();
    const bool firstIsLibrary = text(judged, "STren1").contains(QStringLiteral("学校図書館"));
    EXPECT_EQ(state[QStringLiteral("verdicts")].toArray(),
        QJsonArray::fromStringList(
            firstIsLibrary ? L({u"correct", u"noreference", u""}) : L({u"noreference", u"wrong", u""})));
    // an exercise counts once, at its first right or wrong judgement
    EXPECT_EQ(state[QStringLiteral("score")].toArray(), (QJsonArray {0, 1}));
    const QJsonObject reset
        = run(root, L({u"practice", u"set:rui0", u"count:2", u"ask", u"type:1:017", u"type:2:017", u"reset"}));
    EXPECT_TRUE(text(reset, "Lhantei1").isEmpty());
    EXPECT_EQ(text(reset, "Lseiseki"), QStringLiteral("正解 1 / 1 問")) << "the tally of the run stays";
    run(root, L({u"practice", u"type:4:017"}), 1);

    const QJsonObject reading = run(root, L({u"explain", u"０１７．９"}));
    EXPECT_EQ(reading[QStringLiteral("number")], QStringLiteral("017.9"));
    EXPECT_EQ(reading[QStringLiteral("known")], QStringLiteral("017"));
    EXPECT_EQ(reading[QStringLiteral("caption")], QStringLiteral("学校図書館"));
    EXPECT_EQ(reading[QStringLiteral("rest")], QStringLiteral("9"));
    EXPECT_TRUE(reading[QStringLiteral("parts")].toArray().isEmpty());
    run(root, L({u"explain", u"なし"}), 1);
}
