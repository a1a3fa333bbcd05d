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
