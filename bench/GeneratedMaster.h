#pragma once

// Generated item master lines for the benchmark and the tests: names drawn from a small vocabulary
// so that records share index files, with the awkward cases mixed in (comments, short records,
// quoted fields, text code page 932 cannot hold, surrogate pairs cut in half by the 30-character
// reading).

#include <QString>
#include <QStringList>
#include <random>

/// \a records master lines, the same for the same \a seed.
inline QStringList GenerateItemMaster(unsigned seed, int records)
{
    std::mt19937 rng(seed);
    auto pick
        = [&](const QStringList &from) { return from.at(std::uniform_int_distribution<int>(0, from.size() - 1)(rng)); };
    auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(rng) < percent; };
    const QStringList words = {
        QStringLiteral("図書館"),
        QStringLiteral("図書"),
        QStringLiteral("学校"),
        QStringLiteral("日本史"),
        QStringLiteral("日本語"),
        QStringLiteral("日本"),
        QStringLiteral("日"),
        QStringLiteral("小説"),
        QStringLiteral("map"),
        QStringLiteral("Map"),
        QStringLiteral("X"),
        QStringLiteral("ab"),
        QStringLiteral("ＤＮＡ"),
        QStringLiteral("한국"),
        QStringLiteral("€uro"),
        QStringLiteral("\U0001F600笑"),
        QStringLiteral("∥記号"),
        QStringLiteral("～波"),
        QStringLiteral("①番"),
        QStringLiteral("ｶﾅ名"),
        QStringLiteral("歴史"),
        QStringLiteral("歴史学"),
        QStringLiteral("文学"),
        QStringLiteral("ab\U0001F600"),
    };
    const QStringList seps = {QStringLiteral("・"), QStringLiteral("/"), QStringLiteral("（"), QStringLiteral("）"),
        QStringLiteral("["), QStringLiteral(" "), QStringLiteral("／")};
    const QStringList readings = {QStringLiteral("としょかん"), QStringLiteral("ニホンシ"), QStringLiteral(""),
        QStringLiteral("\"ジンブン カガク\""), QStringLiteral("ｶﾞｸ")};
    QStringList lines;
    for (int i = 0; i < records; ++i) {
        if (chance(3)) {
            lines.append(QStringLiteral("*%1,/000,図書館,x,y,z,,1").arg(i));
            continue;
        }
        if (chance(3)) {
            lines.append(QStringLiteral("%1,/000,図書館,x,y,z,1").arg(i)); // 7 fields
            continue;
        }
        if (chance(2)) {
            lines.append(QString());
            continue;
        }
        // Now and then a new word, so that new index files keep coming after loads of old ones.
        auto word = [&] {
            if (!chance(40))
                return pick(words);
            QString w;
            for (int k = std::uniform_int_distribution<int>(1, 4)(rng); k > 0; --k)
                w += QChar(std::uniform_int_distribution<int>(0x4E00, 0x4E00 + 40)(rng));
            return w;
        };
        QString name = word();
        for (int k = std::uniform_int_distribution<int>(0, 2)(rng); k > 0; --k)
            name += pick(seps) + word();
        if (name.contains(QLatin1Char(' ')))
            name = QLatin1Char('"') + name + QLatin1Char('"');
        QString reading = pick(readings);
        if (chance(10)) // a pair cut in half by the 30-character reading
            reading = QString(29, QChar(u'ア')) + QStringLiteral("\U0001F600ア");
        const QString classNumber = chance(50) ? QStringLiteral("/210.123456") : QStringLiteral("%1").arg(i % 1000);
        const QString examples = chance(30) ? QStringLiteral("/a1/a2/a3/a4/a5/a6/a7/a8/a9")
                                            : (chance(50) ? QString() : QStringLiteral("a12/1005"));
        lines.append(QStringLiteral("%1,%2,%3,%4,総記,図書館情報学,%5,%6")
                         .arg(i)
                         .arg(classNumber, name, reading, examples)
                         .arg(std::uniform_int_distribution<int>(-5, 123456)(rng)));
    }
    return lines;
}
