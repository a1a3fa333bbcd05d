#include "AdminRun.h"
#include "TestSupport.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPdfWriter>
#include <gtest/gtest.h>
#include <vector>

namespace {

const QString kData = QStringLiteral("StudyTaxel/TaxelData/");
const QString kExamples = QStringLiteral("StudyTaxel/ReidaiData/");
const QString kStudy = QStringLiteral("StudyTaxel/SaimokuData/");

void writePdf(const QString &path, int pages)
{
    QPdfWriter writer(path);
    QPainter painter(&writer);
    for (int i = 1; i < pages; ++i)
        writer.newPage();
}

/// The masters, the tables, the schedules and the section files of a clean tree.
void writeCleanData(const TempRoot &root)
{
    writePdf(root.path(QStringLiteral("StudyTaxel/Taxelマニュアル.pdf")), 1);
    root.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"),
        L({u"*id,class,item", u"1,/210.1,日本史,ニホンシ,歴史,日本史,/a1/2,10",
            u"2,/210,歴史,レキシ,歴史,日本史,,11"}));
    root.writeLines(QStringLiteral("StudyTaxel/Reidai_All.csv"), L({u"a1,題,ヒント,210.1", u"2,題2,ヒント,210"}));
    root.writeLines(kExamples + QStringLiteral("REI_A.txt"), L({u"a1,題,ヒント,210.1"}));
    root.writeLines(kExamples + QStringLiteral("REI_0.txt"), L({u"1::空き番号", u"2,題2,ヒント,210"}));
    for (const char *table : {"hojo_keisiki.txt", "hojo_tiri.txt", "hojo_tihou.txt", "hojo_kaiyou.txt",
             "hojo_gengo.txt", "hojo_gengoCOM.txt", "hojo_bungakuCOM.txt", "hojo_rekisiZIDAI.txt",
             "hojo_bungakuZIDAI.txt", "koumokuhyou.txt"})
        root.writeLines(kData + QString::fromLatin1(table), L({u"01,理論", u"1,日本"}));
    for (int d = 0; d <= 9; ++d) {
        QStringList schedule {QStringLiteral("/%100,見出し,a,b,c").arg(d)};
        QStringList sections {QStringLiteral("/%100,要目,類,綱").arg(d)};
        if (d == 2) {
            schedule += L({u"/210,日本史,a,b,c", u"/210.1,通史,a,b,c"});
            sections += L({u"/210,日本史,歴史,日本史,1/210/1/3,210+01/1/01"});
        }
        root.writeLines(kData + QStringLiteral("Saimoku_%1.txt").arg(d), schedule);
        root.writeLines(kData + QStringLiteral("Youmoku_%1.txt").arg(d), sections);
    }
}

/// The study documents with their topic lists, and the exercise lists of a clean tree.
void writeCleanStudy(const TempRoot &root)
{
    QStringList parts {QStringLiteral("kiso"), QStringLiteral("ouyou"), QStringLiteral("hojo")};
    for (int d = 0; d <= 9; ++d)
        parts.append(QStringLiteral("rui%1").arg(d));
    for (const QString &part : parts) {
        root.writeLines(kStudy + QStringLiteral("kubun_%1.txt").arg(part), L({u"はじめに：1", u"まとめ：2"}));
        writePdf(root.path(kStudy + QStringLiteral("taxel_%1.pdf").arg(part)), 2);
    }
    writePdf(root.path(kStudy + QStringLiteral("taxel_kihon.pdf")), 1);
    for (int d = 0; d <= 9; ++d)
        writePdf(root.path(kStudy + QStringLiteral("exp_rui%1.pdf").arg(d)), 1);
    root.writeLines(kExamples + QStringLiteral("REI_hojo.txt"), L({u"k1,題,ねらい,ヒント,解説,210"}));
    root.writeLines(kExamples + QStringLiteral("ren_num_kihon.txt"), L({u"k1"}));
    root.writeLines(kExamples + QStringLiteral("ren_num_ouyou.txt"), L({u"k1"}));
    root.writeLines(kExamples + QStringLiteral("ren_num_hojo.txt"), L({u"1"}));
    root.writeLines(kExamples + QStringLiteral("REI_all.txt"), L({u"1,題,ヒント,210"}));
    const char *named[] = {"kei", "tiri", "kai", "gen", "kenk", "bunk", "rekiz", "bunz", "kiko", "zu"};
    for (int i = 0; i <= 9; ++i) {
        root.writeLines(kExamples + QStringLiteral("ren_num_%1.txt").arg(i), L({u"2"}));
        root.writeLines(kExamples + QStringLiteral("ren_num_hojo_%1.txt").arg(i), L({u"1"}));
        root.writeLines(
            kExamples + QStringLiteral("REI_%1.txt").arg(QString::fromLatin1(named[i])), L({u"1,題,ヒント,210"}));
    }
}

/// A small data tree in which every file is present and every reference resolves.
void writeCleanTree(const TempRoot &root)
{
    writeCleanData(root);
    writeCleanStudy(root);
    // the built index is newer than its master
    root.writeLines(
        QStringLiteral("StudyTaxel/KoumokuIndex/115/120/40"), L({u"日本史,ニホンシ,歴史,日本史,210.1,a1/2,10"}));
    QFile index(root.path(QStringLiteral("StudyTaxel/KoumokuIndex/115/120/40")));
    index.open(QIODevice::ReadWrite);
    index.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    for (const char *built : {"REI_A.txt", "REI_0.txt"}) {
        QFile file(root.path(kExamples + QString::fromLatin1(built)));
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    }
}

QJsonArray checkProblems(const TempRoot &root, int *status)
{
    const AdminResult result = RunAdmin({QStringLiteral("--json"), QStringLiteral("check")}, root.root());
    *status = result.status;
    const QJsonObject json = QJsonDocument::fromJson(result.out.toUtf8()).object();
    EXPECT_GT(json[QStringLiteral("files")].toInt(), 60);
    return json[QStringLiteral("problems")].toArray();
}

/// True when a problem of \a file (and \a line, unless 0) mentions \a words.
bool reported(const QJsonArray &problems, const QString &file, int line, const QString &words)
{
    for (const QJsonValue &value : problems) {
        const QJsonObject p = value.toObject();
        if (p[QStringLiteral("file")].toString() == file && (line == 0 || p[QStringLiteral("line")].toInt() == line)
            && p[QStringLiteral("message")].toString().contains(words))
            return true;
    }
    return false;
}

} // namespace

TEST(CheckCommand, ACompleteTreeChecksClean)
{
    TempRoot root;
    writeCleanTree(root);
    int status = -1;
    const QJsonArray problems = checkProblems(root, &status);
    EXPECT_EQ(problems.size(), 0) << QJsonDocument(problems).toJson().toStdString();
    EXPECT_EQ(status, 0);
    const AdminResult plain = RunAdmin({QStringLiteral("check")}, root.root());
    EXPECT_TRUE(plain.out.contains(QStringLiteral(" files read, 0 problems found")));
}

namespace {

/// One mistake per kind, each in its own line of a clean tree.
void plantMistakes(const TempRoot &root)
{
    QFile::remove(root.path(kData + QStringLiteral("Youmoku_5.txt")));
    root.writeBytes(kData + QStringLiteral("hojo_gengo.txt"), QByteArray("01,\x82\x20\r\n"));
    root.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"),
        L({u"1,/210.1,日本史,ニホンシ,歴史,日本史,/a1/2,10", u"2,/210,歴史,レキシ,歴史,日本史,11",
            u"3,/210,,レキシ,歴史,日本史,,11", u"4,/299.9,架空,カクウ,歴史,地理,,12",
            u"5,/210,歴史,レキシ,歴史,日本史,/a9,13", u"6,/210.19,通史細目,ツウシ,歴史,日本史,,14",
            u"7,/2101,誤記,ゴキ,歴史,日本史,,15"}));
    root.writeLines(
        QStringLiteral("StudyTaxel/Reidai_All.csv"), L({u"a1,題,ヒント,210.1", u"B12,題,ヒント,1", u"3,題"}));
    root.writeLines(
        kData + QStringLiteral("Saimoku_3.txt"), L({u"/300,社会科学,a,b,c", u"300.1,x,a,b,c", u"/301,x,a"}));
    root.writeLines(kData + QStringLiteral("Youmoku_2.txt"),
        L({u"/210,日本史,歴史", u"/211,x,y,z,x/211", u"/212,x,y,z,1/212/1/25", u"/213,x,y,z,1/213/1,213+01/12/01",
            u"/214,x,y,z,1/214/1,214+99/9/99", u"/215,x,y,z,1/215/0,215+0/1/0"}));
    root.writeLines(kStudy + QStringLiteral("kubun_rui4.txt"), L({u"はじめに：1", u"目次だけ", u"まとめ：9"}));
    root.writeLines(kExamples + QStringLiteral("ren_num_7.txt"), L({u"2", u"", u"1", u"3", u"4"}));
    root.writeLines(kExamples + QStringLiteral("REI_0.txt"),
        L({u"1::空き番号", u"2,題2,ヒント,210", u"3,題3,ヒント,日本史の本", u"4,題4,ヒント,999"}));
    root.writeLines(kExamples + QStringLiteral("study_kihon.txt"), L({u"abc"}));
    QFile master(root.path(QStringLiteral("StudyTaxel/Reidai_All.csv")));
    master.open(QIODevice::ReadWrite);
    master.setFileTime(QDateTime::currentDateTime().addSecs(600), QFileDevice::FileModificationTime);
}

struct ExpectedProblem
{
    QString file;
    int line;
    const char16_t *words;
};

/// What the check says about each planted mistake.
std::vector<ExpectedProblem> plantedProblems()
{
    const QString items = QStringLiteral("StudyTaxel/Koumoku_All.csv");
    return {
        {kData + QStringLiteral("Youmoku_5.txt"), 0, u"missing (needed by the class-number analysis window)"},
        {kData + QStringLiteral("hojo_gengo.txt"), 0, u"not valid code page 932"},
        {items, 2, u"has 7 fields, needs 8"},
        {items, 3, u"without an item name"},
        {items, 4, u"299.9 is not in the schedule file Saimoku_2.txt"},
        {items, 5, u"example a9 is not found"},
        // 210.19 is found through its leading part 210.1, as the analysis window finds it
        {items, 7, u"2101 is refused by the class-number analysis window"},
        {QStringLiteral("StudyTaxel/Reidai_All.csv"), 2, u"\"B12\" is neither lettered"},
        {QStringLiteral("StudyTaxel/Reidai_All.csv"), 3, u"has 2 fields, needs 3"},
        {kData + QStringLiteral("Saimoku_3.txt"), 2, u"does not begin with \"/\""},
        {kData + QStringLiteral("Saimoku_3.txt"), 3, u"has 3 fields, needs 5"},
        {kData + QStringLiteral("Youmoku_2.txt"), 1, u"has 3 fields, needs 4"},
        {kData + QStringLiteral("Youmoku_2.txt"), 2, u"kind code \"x\""},
        {kData + QStringLiteral("Youmoku_2.txt"), 3, u"special note \"25\""},
        {kData + QStringLiteral("Youmoku_2.txt"), 4, u"kind code \"12\" names no auxiliary table"},
        {kData + QStringLiteral("Youmoku_2.txt"), 5, u"code 99 is not in the koumokuhyou.txt table"},
        // the lookup finds 01 for 0, but the table has no code 0
        {kData + QStringLiteral("Youmoku_2.txt"), 6, u"code 0 is not in the hojo_keisiki.txt table"},
        {kStudy + QStringLiteral("kubun_rui4.txt"), 2, u"without \"：\""},
        {kStudy + QStringLiteral("kubun_rui4.txt"), 3, u"page 9 is past the end of taxel_rui4.pdf (2 pages)"},
        {kExamples + QStringLiteral("ren_num_7.txt"), 2, u"empty line"},
        {kExamples + QStringLiteral("ren_num_7.txt"), 3, u"exercise 1 cannot be set"},
        {kExamples + QStringLiteral("ren_num_7.txt"), 4, u"exercise 3: its answer holds no class number"},
        {kExamples + QStringLiteral("ren_num_7.txt"), 5,
            u"exercise 4: its answer 999 names no number of the schedules"},
        {kExamples + QStringLiteral("study_kihon.txt"), 1, u"does not hold a number"},
        {QStringLiteral("StudyTaxel/ReidaiData"), 0, u"older than Reidai_All.csv"},
    };
}

} // namespace

TEST(CheckCommand, EveryPlantedMistakeIsReportedWithFileAndLine)
{
    TempRoot root;
    writeCleanTree(root);
    plantMistakes(root);
    const std::vector<ExpectedProblem> expected = plantedProblems();
    int status = -1;
    const QJsonArray problems = checkProblems(root, &status);
    EXPECT_EQ(status, 1);
    for (const auto &e : expected)
        EXPECT_TRUE(reported(problems, e.file, e.line, QString::fromUtf16(e.words)))
            << e.file.toStdString() << ":" << e.line << " " << QString::fromUtf16(e.words).toStdString() << "\n"
            << QJsonDocument(problems).toJson().toStdString();
    EXPECT_EQ(problems.size(), static_cast<qsizetype>(expected.size()))
        << QJsonDocument(problems).toJson().toStdString();
}
