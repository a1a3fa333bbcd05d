#include "StudyTopics.h"

#include "datafiles/NumberText.h"

namespace {
const char16_t *const kClassTitles[10] = {
    u"総記･情報･図書･百科事典",
    u"1類：哲学･心理学･宗教",
    u"2類：歴史･伝記･地誌",
    u"3類：社会科学･教育･軍事",
    u"4類：自然科学・医学",
    u"5類：工学･技術･工業･家政",
    u"6類：産業･運輸･通信",
    u"7類：芸術･スポーツ･娯楽",
    u"8類：言語",
    u"9類：文学",
};
} // namespace

TopicSet StudyTopicSet(int index)
{
    const QString folder = QStringLiteral("StudyTaxel/SaimokuData/");
    switch (index) {
    case 0:
        return {QStringLiteral("分類作業の基礎"), folder + QStringLiteral("kubun_kiso.txt"),
            folder + QStringLiteral("taxel_kiso.pdf")};
    case 1:
        return {QStringLiteral("分類作業の発展･注意点"), folder + QStringLiteral("kubun_ouyou.txt"),
            folder + QStringLiteral("taxel_ouyou.pdf")};
    case 2:
        return {QStringLiteral("補助表"), folder + QStringLiteral("kubun_hojo.txt"),
            folder + QStringLiteral("taxel_hojo.pdf")};
    default: break;
    }
    const int digit = qBound(0, index - 3, 9);
    return {QString::fromUtf16(kClassTitles[digit]), folder + QStringLiteral("kubun_rui%1.txt").arg(digit),
        folder + QStringLiteral("taxel_rui%1.pdf").arg(digit)};
}

std::optional<int> TopicPage(QStringView line)
{
    const qsizetype colon = line.indexOf(u'：');
    if (colon < 0)
        return std::nullopt;
    return ReadInt(line.mid(colon + 1, 4));
}

QString DocumentUrl(const QString &path, int page)
{
    return path + QStringLiteral("#page=") + QString::number(page);
}
