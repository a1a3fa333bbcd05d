#include "SynthesisRules.h"

#include "datafiles/CommaText.h"

#include <QSet>

#include <algorithm>
#include <tuple>

namespace {

constexpr int Form = 1;
constexpr int Geo = 2;
constexpr int Sea = 3;
constexpr int Language = 4;
constexpr int LanguageCommon = 5;
constexpr int LiteratureCommon = 6;
constexpr int Period = 7;
constexpr int Regional = 8;

const QStringList &tableOfKind(const AuxTables &tables, int kind, bool japaneseLiterature)
{
    static const QStringList none;
    switch (kind) {
    case Form: return tables[AuxTable::Keisiki];
    case Geo: return tables[AuxTable::Tiri];
    case Sea: return tables[AuxTable::Kaiyou];
    case Language: return tables[AuxTable::Gengo];
    case LanguageCommon: return tables[AuxTable::GengoCom];
    case LiteratureCommon: return tables[AuxTable::BungakuCom];
    case Period: return tables[japaneseLiterature ? AuxTable::ZidaiBun : AuxTable::ZidaiRekisi];
    case Regional: return tables[AuxTable::Tihou];
    default: return none;
    }
}

/// The longest leading part of \a digits that is a code of \a table: "31" in a table of 3 and 33 → "3".
QString longestCode(const QStringList &table, const QString &digits)
{
    for (qsizetype n = digits.size(); n > 0; --n)
        if (TableHasCode(table, digits.left(n)))
            return digits.left(n);
    return QString();
}

/// A 3-digit number ending in zeros stands for fewer digits: "410" → "41", "400" → "4", "000" → "0".
QString significantDigits(const QString &digits)
{
    if (digits.size() != 3)
        return digits;
    QString out = digits;
    while (out.size() > 1 && out.endsWith(QLatin1Char('0')))
        out.chop(1);
    return out;
}

/// The words a caption is made of: "政治・経済・社会・文化事情" → 政治, 経済, 社会, 文化事情.
QStringList wordsOf(const QString &caption)
{
    QString text = caption;
    for (QChar c : QStringLiteral("．・：，、（）［］＜＞()[] 　―-"))
        text.replace(c, QLatin1Char('|'));
    QStringList words = text.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    words.erase(std::remove_if(words.begin(), words.end(), [](const QString &w) { return w.size() < 2; }), words.end());
    return words;
}

/// Whether a schedule caption names the same thing as a table caption: one holds a word of the other.
/// "（建築史）" and "歴史的・地域的論述" do not; "アジア史．東洋史" and "アジア．東洋" do.
bool captionsAgree(const QString &schedule, const QString &table)
{
    if (schedule.isEmpty() || table.isEmpty())
        return false;
    for (const QString &word : wordsOf(table))
        if (schedule.contains(word))
            return true;
    for (const QString &word : wordsOf(schedule))
        if (table.contains(word))
            return true;
    return false;
}

/// The words by which a caption shows the form divisions 01 to 08 where the table's own captions
/// are not used: "宗教学．宗教思想" is the theory (01) of religion, "経済史・事情" its history (02).
bool captionShowsForm(const QString &caption, const QString &code, const QString &divisionName)
{
    const QString first = caption.section(QChar(u'．'), 0, 0);
    if (code == QLatin1String("01")) {
        // in a division named by one of these words (13 西洋哲学), they name its subjects instead
        for (const char16_t *word : {u"理論", u"思想", u"哲学"})
            if (caption.contains(QString::fromUtf16(word)) && !divisionName.contains(QString::fromUtf16(word)))
                return true;
        // 政治学 of 政治, 法学 of 法律: the division's subject made a science
        return first.endsWith(u'学') && !divisionName.isEmpty() && first.at(0) == divisionName.at(0);
    }
    if (code == QLatin1String("02"))
        return caption.contains(u'史') || caption.contains(u"事情");
    return false;
}

struct Candidate
{
    QList<SynthesisPart> parts;
    int score = -1;
};

} // namespace

// ---- numbers and formulas ----------------------------------------------------------------------

QString DigitsOf(QStringView number)
{
    QString digits;
    for (QChar c : number)
        if (c.isDigit())
            digits += c;
    return digits;
}

QString NumberOfDigits(const QString &digits)
{
    if (digits.size() <= 3)
        return digits.leftJustified(3, QLatin1Char('0'));
    return digits.left(3) + QLatin1Char('.') + digits.mid(3);
}

bool TableHasCode(const QStringList &table, const QString &code)
{
    if (code.isEmpty())
        return false;
    const QString key = code + QLatin1Char(',');
    return std::any_of(table.begin(), table.end(), [&](const QString &entry) { return entry.startsWith(key); });
}

QString CaptionOfCode(const QStringList &table, const QString &code)
{
    const QString key = code + QLatin1Char(',');
    for (const QString &entry : table)
        if (entry.startsWith(key))
            return entry.mid(key.size());
    return QString();
}

QString FormulaOf(const SynthesisPart &part, const QString &digits)
{
    QString text = part.base + QLatin1Char('+');
    if (part.joint == SynthesisPart::Joint::ZeroDoubled || part.joint == SynthesisPart::Joint::ZeroJoined)
        text += QStringLiteral("0+");
    text += part.code;
    // a form division shows what it makes of the number, since its zeros come and go; so does a
    // period added to fewer than three digits (21 + 01 → 210.1)
    if (part.kind == Form || (part.kind == Period && DigitsOf(part.base).size() < 3))
        text += QStringLiteral("→") + NumberOfDigits(digits.left(part.end));
    return text;
}

QString SectionSynthesis::descriptor() const
{
    QList<int> kinds;
    for (const SynthesisPart &part : parts)
        if (!part.alternative)
            kinds.append(part.kind);
    while (kinds.size() > 2)
        kinds.removeFirst();
    QString kindText;
    for (int kind : kinds)
        kindText += QString::number(kind);
    if (kindText.isEmpty())
        kindText = QStringLiteral("0");
    QString text = kindText;
    if (!basic.isEmpty() || !extension.isEmpty() || firstNote || secondNote)
        text += QLatin1Char('/') + basic + QLatin1Char('/') + extension;
    if (firstNote || secondNote)
        text += QLatin1Char('/') + (firstNote ? QString::number(firstNote) : QString());
    if (secondNote)
        text += QLatin1Char('/') + QString::number(secondNote);
    return text;
}

QStringList SectionSynthesis::formulas(const QString &digits) const
{
    QStringList out;
    for (const SynthesisPart &part : parts) {
        if (out.size() == 3)
            break;
        out.append(
            FormulaOf(part, digits) + QLatin1Char('/') + QString::number(part.kind) + QLatin1Char('/') + part.code);
    }
    return out;
}

// ---- the steps from a schedule number to a longer one --------------------------------------------

namespace {

/// What the rules can read in the digits \a rest that follow a number (\a parentDigits, as it stands
/// or with its padding zeros left out: \a trimmed) whose parts are \a parts.
class Step
{
public:
    Step(const AuxTables &tables, const QString &digits, const QString &caption, const QString &divisionName,
        const QSet<QString> *placeSections = nullptr)
        : m_tables(tables)
        , m_digits(digits)
        , m_caption(caption)
        , m_divisionName(divisionName)
        , m_placeSections(placeSections)
    { }

    Candidate best(const QList<SynthesisPart> &parts, const QString &parentText, int prefixLength, bool trimmed) const
    {
        m_parts = parts;
        m_parentText = parentText;
        m_prefix = prefixLength;
        m_rest = m_digits.mid(prefixLength);
        m_trimmed = trimmed;
        Candidate best;
        auto offer = [&best](Candidate c) {
            if (c.score > best.score)
                best = std::move(c);
        };
        offer(refine());
        offer(language());
        offer(commonDivision());
        offer(literaryPeriod());
        offer(form());
        offer(ownZeroDroppedForm());
        offer(historyPeriodOrDoubledForm());
        offer(place());
        offer(zeroJoinedPlace());
        offer(regional());
        offer(namedCode(Sea, 5));
        offer(namedCode(Language, 5));
        return best;
    }

private:
    static constexpr int ByStructure = 5; ///< the digits alone say it
    static constexpr int ByCaption = 10; ///< and the caption confirms it
    static constexpr int Whole = 2; ///< the reading accounts for every digit that follows

    bool japaneseLiterature() const { return m_digits.startsWith(QStringLiteral("91")); }
    const QStringList &table(int kind) const { return tableOfKind(m_tables, kind, japaneseLiterature()); }
    const SynthesisPart *last() const
    {
        for (auto it = m_parts.crbegin(); it != m_parts.crend(); ++it)
            if (!it->alternative)
                return &*it;
        return nullptr;
    }
    bool captionAgrees(int kind, const QString &code) const
    {
        return captionsAgree(m_caption, CaptionOfCode(table(kind), code));
    }
    /// The caption is the table's own for the code (031 日本語 is the language, not the place 日本).
    int sameCaption(int kind, const QString &code) const
    {
        return m_caption == CaptionOfCode(table(kind), code) ? 3 : 0;
    }
    /// The parent as the formula writes it: "41" for 410 read without its zero, "319.1" as it stands.
    QString base() const { return m_trimmed ? m_digits.left(m_prefix) : m_parentText; }

    /// The parts of the parent with \a part added; a reading that accounts for every digit that
    /// follows counts for more than one that leaves some to the schedule.
    Candidate with(SynthesisPart part, int score) const
    {
        Candidate c;
        c.parts = m_parts;
        part.base = part.base.isEmpty() ? base() : part.base;
        part.parent = m_parentText;
        c.score = score + (part.end == m_digits.size() ? Whole : 0);
        c.parts.append(part);
        return c;
    }
    SynthesisPart part(int kind, const QString &code, int start, int length) const
    {
        SynthesisPart p;
        p.kind = kind;
        p.code = code;
        p.start = start;
        p.end = start + length;
        return p;
    }

    /// The last code goes on: 302.12 + 1 is 地理区分 121, 969.1 + 8 文学共通区分 18, 410.2 + 8 形式区分 028;
    /// also past a number of the schedule's own between (382.223 （チワン族） + 8: 382 + 2238 マカオ).
    Candidate refine() const
    {
        Candidate c;
        const SynthesisPart *end = last();
        if (!end || m_rest.isEmpty() || end->end > m_prefix)
            return c;
        const int from = end->end;
        const QString longer = end->code + m_digits.mid(from);
        // a form code whose own zero was left out (161) is a section of its own: 421.2 is no 学史
        if (!TableHasCode(table(end->kind), longer) || end->joint == SynthesisPart::Joint::OwnZeroDropped)
            return c;
        // a place goes on by its digits alone only where the number is built on places: 521 日本の
        // 建築 (52 + 1) is named after a place, but 521.3 is no 関東地方
        const bool agrees = captionAgrees(end->kind, longer);
        const bool place = end->kind == Geo || end->kind == Regional;
        if (place && !agrees && !placeContext())
            return c;
        c.parts = m_parts;
        for (SynthesisPart &p : c.parts) {
            if (p.end != from)
                continue;
            const QString code = p.code + m_digits.mid(from);
            if (TableHasCode(table(p.kind), code)) {
                p.code = code;
                p.end = static_cast<int>(m_digits.size());
            }
        }
        // the code going on comes before a new code: 989 + 3 is スロベニア語 (893), not its novels
        c.score = ByStructure + 3 + (agrees ? ByCaption : 0) + Whole;
        return c;
    }

    /// Whether the number is built on places: history and geography, a section divided by place, or
    /// a place after the form division 02.
    bool placeContext() const
    {
        if (m_digits.startsWith(u'2') || (m_placeSections && m_placeSections->contains(m_digits.left(3))))
            return true;
        return std::any_of(m_parts.begin(), m_parts.end(), [](const SynthesisPart &p) {
            return p.kind == Form && p.code == QLatin1String("02") && p.joint != SynthesisPart::Joint::ZeroDoubled;
        });
    }

    /// Classes 8 and 9 are built on the language: 8 + 291 朝鮮語, 9 + 3 英米文学.
    Candidate language() const
    {
        const bool mainClass = m_prefix == 1 && (m_digits.startsWith(u'8') || m_digits.startsWith(u'9'));
        if (!mainClass || !m_parts.isEmpty())
            return {};
        const QString code = longestCode(table(Language), m_rest);
        if (code.isEmpty())
            return {};
        return with(part(Language, code, 1, static_cast<int>(code.size())), ByStructure + ByCaption);
    }

    /// After the language, the common divisions of languages (class 8) or literatures (class 9).
    Candidate commonDivision() const
    {
        const SynthesisPart *end = last();
        const bool languagesOrLiteratures = m_digits.startsWith(u'8') || m_digits.startsWith(u'9');
        if (!end || end->kind != Language || end->end != m_prefix || m_rest.startsWith(u'0') || !languagesOrLiteratures)
            return {};
        const int kind = m_digits.startsWith(u'8') ? LanguageCommon : LiteratureCommon;
        const QString code = longestCode(table(kind), m_rest);
        if (code.isEmpty())
            return {};
        return with(part(kind, code, m_prefix, static_cast<int>(code.size())),
            ByStructure + 2 + (captionAgrees(kind, code) ? ByCaption : 0));
    }

    /// The period of a literary form: 913 + 6 近代, 933 + 7 20世紀―; the caption must say so.
    Candidate literaryPeriod() const
    {
        const SynthesisPart *end = last();
        if (!end || end->kind != LiteratureCommon || end->end != m_prefix)
            return {};
        const QString code = m_rest.left(1);
        if (!TableHasCode(table(Period), code) || !captionAgrees(Period, code))
            return {};
        return with(part(Period, code, m_prefix, 1), ByCaption);
    }

    /// A form division after the number by the rule of its zeros: after a division number one zero
    /// goes (41 + 01 → 410.1), after a main class two (4 + 03 → 403), after anything else none
    /// (911.1 + 02 → 911.102). A main class with a form code is a section of its own: its caption
    /// must say so (601 産業政策 is no theory of industry).
    Candidate form() const
    {
        if (!m_rest.startsWith(u'0'))
            return {};
        const QString code = longestCode(table(Form), m_rest);
        if (code.isEmpty())
            return {};
        const bool agrees = captionAgrees(Form, code) || captionShowsForm(m_caption, code, m_divisionName);
        const bool section = m_trimmed && m_prefix == 1;
        if (section && !agrees)
            return {};
        SynthesisPart p = part(Form, code, m_prefix, static_cast<int>(code.size()));
        // a division number written whole before the code keeps the zero a period would need
        if (!m_trimmed && m_parentText.size() == 3 && m_parentText.endsWith(u'0'))
            p.joint = SynthesisPart::Joint::ZeroDoubled, p.base = m_digits.left(2);
        return with(p, (agrees ? ByCaption : 0) + ByStructure - (afterPlace() ? 2 : 0));
    }

    /// A section that is its division with a form code whose own zero is left out: 16 + 01 → 161,
    /// 31 + 02 → 312. The schedule shows it by the caption alone.
    Candidate ownZeroDroppedForm() const
    {
        if (!m_trimmed || m_prefix != 2 || m_digits.size() != 3 || m_rest.startsWith(u'0'))
            return {};
        const QString code = QLatin1Char('0') + m_rest;
        if (!TableHasCode(table(Form), code) || !captionShowsForm(m_caption, code, m_divisionName))
            return {};
        SynthesisPart p = part(Form, code, 2, 1);
        p.joint = SynthesisPart::Joint::OwnZeroDropped;
        p.base = m_parentText; // 160 + 01 → 161: the division as it is written
        return with(p, ByCaption + ByStructure + 3);
    }

    bool afterPlace() const
    {
        const SynthesisPart *end = last();
        return end && (end->kind == Geo || end->kind == Regional) && end->end == m_prefix;
    }

    /// After a place the digits 0 and a period code are a period (222 + 03, 332.1 + 02), and a form
    /// division takes a zero more (222 + 0 + 01 → 222.001): note 2 of the analysis window.
    Candidate historyPeriodOrDoubledForm() const
    {
        const bool japan = m_trimmed && m_digits.startsWith(QStringLiteral("21")) && m_prefix == 2;
        // geography divides a country by its own subdivisions (291.09 紀行), not by periods
        if (!(afterPlace() || japan) || !m_rest.startsWith(u'0') || m_digits.startsWith(QStringLiteral("29")))
            return {};
        if (m_rest.startsWith(QStringLiteral("00"))) {
            const QString code = longestCode(table(Form), m_rest.mid(1));
            if (code.isEmpty())
                return {};
            SynthesisPart p = part(Form, code, m_prefix + 1, static_cast<int>(code.size()));
            p.joint = SynthesisPart::Joint::ZeroDoubled;
            return with(p, ByStructure + 3);
        }
        const QString code = m_rest.left(2);
        if (!TableHasCode(table(Period), code))
            return {};
        return with(part(Period, code, m_prefix, 2), ByStructure + 3 + (captionAgrees(Period, code) ? ByCaption : 0));
    }

    /// A geographic code: after the form division 02 by rule (302 + 1, 520.2 + 53), elsewhere where
    /// the caption names the place (281 日本, 222 中国, 302.121 …＠青森県).
    Candidate place() const
    {
        if (m_rest.isEmpty() || !TableHasCode(table(Geo), m_rest))
            return {};
        const SynthesisPart *end = last();
        const bool afterHistory = end && end->kind == Form && end->code == QLatin1String("02") && end->end == m_prefix
            && end->joint != SynthesisPart::Joint::ZeroDoubled;
        const bool takesPlaces = !m_trimmed && m_placeSections && m_placeSections->contains(m_digits.left(m_prefix));
        // at the main class only history is built on places (2 + 22 中国); 120 東洋思想 is no place
        // languages and literatures are named after places, but built on the language
        const bool named = captionAgrees(Geo, m_rest) && (m_prefix > 1 || m_digits.startsWith(u'2'))
            && !m_digits.startsWith(u'8') && !m_digits.startsWith(u'9');
        if (!afterHistory && !takesPlaces && !named)
            return {};
        return with(part(Geo, m_rest, m_prefix, static_cast<int>(m_rest.size())),
            (afterHistory || takesPlaces ? ByStructure : 0) + (named ? ByCaption + sameCaption(Geo, m_rest) : 0));
    }

    /// Two places joined through a zero, for the relation of two countries: 319.1 + 0 + 53.
    Candidate zeroJoinedPlace() const
    {
        const SynthesisPart *end = last();
        if (!end || end->kind != Geo || end->end != m_prefix || !m_rest.startsWith(u'0')
            || !TableHasCode(table(Geo), m_rest.mid(1)))
            return {};
        // relations of countries are expressed where the schedule divides by place (319 外交);
        // history puts periods after the zero, and 051 日本の雑誌 has no second place
        if (m_digits.startsWith(u'2') || !placeContext())
            return {};
        SynthesisPart p = part(Geo, m_rest.mid(1), m_prefix + 1, static_cast<int>(m_rest.size()) - 1);
        p.joint = SynthesisPart::Joint::ZeroJoined;
        return with(p, ByStructure + 2);
    }

    /// Japanese history and geography name the region by the regional division, whose code is the
    /// geographic one without its 1: 21 + 3 (2 + 13), 291 + 36 (29 + 136).
    Candidate regional() const
    {
        const bool history = m_trimmed && m_prefix == 2 && m_digits.startsWith(QStringLiteral("21"));
        const bool geography = !m_trimmed && m_prefix == 3 && m_digits.startsWith(QStringLiteral("291"));
        // the parent is 日本 itself (21 as 2 + 1, 291 as 29 + 1), whose code the regional one replaces
        const bool japan = m_parts.size() == 1 && m_parts.first().kind == Geo && m_parts.first().code == u'1';
        if (!(history || geography) || !(m_parts.isEmpty() || japan) || m_rest.startsWith(u'0'))
            return {};
        if (!TableHasCode(table(Regional), m_rest) || !TableHasCode(table(Geo), QLatin1Char('1') + m_rest))
            return {};
        const QList<SynthesisPart> parentParts = m_parts;
        m_parts.clear();
        Candidate c = with(part(Regional, m_rest, m_prefix, static_cast<int>(m_rest.size())),
            ByStructure + 4 + (captionAgrees(Regional, m_rest) ? ByCaption : 0));
        m_parts = parentParts;
        SynthesisPart geo = part(Geo, QLatin1Char('1') + m_rest, m_prefix - 1, static_cast<int>(m_rest.size()) + 1);
        geo.base = m_digits.left(m_prefix - 1);
        geo.parent = m_parentText;
        geo.alternative = true;
        c.parts.append(geo);
        return c;
    }

    /// A code of another table where the caption names it: 299 + 21 ベーリング海, 03 + 1 日本語.
    Candidate namedCode(int kind, int bonus) const
    {
        if (m_rest.isEmpty() || !TableHasCode(table(kind), m_rest) || !captionAgrees(kind, m_rest))
            return {};
        return with(part(kind, m_rest, m_prefix, static_cast<int>(m_rest.size())),
            ByCaption + bonus - 5 + sameCaption(kind, m_rest));
    }

    const AuxTables &m_tables;
    QString m_digits;
    QString m_caption;
    QString m_divisionName;
    const QSet<QString> *m_placeSections;
    mutable QList<SynthesisPart> m_parts;
    mutable QString m_parentText;
    mutable int m_prefix = 0;
    mutable QString m_rest;
    mutable bool m_trimmed = false;
};

} // namespace

// ---- the derivation over the schedules -----------------------------------------------------------

ScheduleSynthesis::ScheduleSynthesis(const AuxTables &tables, const QStringList &schedule)
    : m_tables(tables)
{
    for (const QString &line : schedule) {
        const QStringList fields = SplitCommaText(line);
        if (fields.size() < 5 || !fields.at(0).startsWith(QLatin1Char('/')))
            continue;
        Line l {fields.at(0).mid(1), fields.at(1), fields.at(1).startsWith(u'（')};
        // a generated item "政治・経済・社会・文化事情＠青森県" names its added code after the mark
        if (l.caption.contains(u'＠'))
            l.caption = l.caption.section(u'＠', 1);
        l.caption.remove(u'（').remove(u'）');
        const QString digits = DigitsOf(l.number);
        if (!m_byDigits.contains(digits))
            m_byDigits.insert(digits, l);
        m_divisionNames.insert(digits.left(2), fields.at(3));
    }
    findPlaceSections();
}

void ScheduleSynthesis::findPlaceSections()
{
    // A section divides by place where at least three numbers right under it (no schedule number
    // between) add a geographic code to it and either name the place or give, in parentheses, a
    // term found there: 312.1 （民本主義）, 312.22 （三民主義，文化大革命） under 312. History,
    // geography and the classes of languages and literatures are built on places and languages by
    // rules of their own.
    QHash<QString, int> places;
    for (auto it = m_byDigits.cbegin(); it != m_byDigits.cend(); ++it) {
        const QString &digits = it.key();
        if (digits.size() <= 3 || digits.startsWith(u'2') || digits.startsWith(u'8') || digits.startsWith(u'9'))
            continue;
        const QString section = digits.left(3);
        const QString code = digits.mid(3);
        if (section.endsWith(u'0') || !TableHasCode(m_tables[AuxTable::Tiri], code))
            continue;
        bool direct = true;
        for (qsizetype n = 4; n < digits.size() && direct; ++n)
            direct = !m_byDigits.contains(digits.left(n));
        const QString &caption = it.value().caption;
        const bool example
            = it.value().parenthesised || captionsAgree(caption, CaptionOfCode(m_tables[AuxTable::Tiri], code));
        if (direct && example)
            ++places[section];
    }
    for (auto it = places.cbegin(); it != places.cend(); ++it)
        if (it.value() >= 3)
            m_placeSections.insert(it.key());
}

const ScheduleSynthesis::Line *ScheduleSynthesis::lineOfDigits(const QString &digits) const
{
    const auto it = m_byDigits.constFind(digits);
    return it == m_byDigits.constEnd() ? nullptr : &it.value();
}

QList<SynthesisPart> ScheduleSynthesis::partsOf(const QString &number) const
{
    const auto known = m_memo.constFind(number);
    if (known != m_memo.constEnd())
        return known.value();
    QString digits = DigitsOf(number);
    const Line *line = lineOfDigits(digits);
    const Line unknown {number, QString(), false};
    const QList<SynthesisPart> parts = derive(line && line->number == number ? *line : unknown);
    m_memo.insert(number, parts);
    return parts;
}

QList<SynthesisPart> ScheduleSynthesis::derive(const Line &line) const
{
    const QString digits = significantDigits(DigitsOf(line.number));
    const Step step(m_tables, digits, line.caption, m_divisionNames.value(digits.left(2)), &m_placeSections);
    Candidate best;
    bool inherited = false;
    QList<SynthesisPart> inheritedParts;
    // the nearest schedule number the digits extend: as it stands, and a 3-digit number also
    // without its padding zeros (410 as 41)
    for (int length = static_cast<int>(digits.size()) - 1; length >= 1 && !inherited; --length) {
        const QString prefix = digits.left(length);
        QList<std::tuple<const Line *, int, bool>> readings;
        if (const Line *whole = lineOfDigits(prefix)) {
            readings.append({whole, length, false});
            const QString short3 = significantDigits(prefix);
            if (short3.size() < prefix.size())
                readings.append({whole, static_cast<int>(short3.size()), true});
        } else if (length < 3) {
            // 41 stands for 410; 30 for 300 read as its division (30 + 02 → 302)
            const QString padded = prefix.leftJustified(3, QLatin1Char('0'));
            const Line *line3 = lineOfDigits(padded);
            if (line3 && significantDigits(padded) == prefix)
                readings.append({line3, length, true});
            if (line3 && length == 2 && prefix.endsWith(u'0')) {
                readings.append({line3, 2, true});
                readings.append({line3, 1, true});
            }
        }
        for (const auto &[parent, prefixLength, trimmed] : readings) {
            const QList<SynthesisPart> parentParts = partsOf(parent->number);
            if (!inherited) {
                inherited = true;
                inheritedParts = parentParts;
            }
            Candidate c = step.best(parentParts, parent->number, prefixLength, trimmed);
            if (c.score > best.score)
                best = std::move(c);
        }
    }
    return best.score >= 0 ? best.parts : inheritedParts;
}

namespace {

/// The basic part of \a s (what \a last, its last code, was added to, as the number writes it) and
/// its extension (the digits that follow, as the tables write codes).
void SetBasicAndExtension(SectionSynthesis &s, const QString &number, const QString &digits, const SynthesisPart &last)
{
    // what the last code was added to as the number writes it (410 for 410.1), else the digits it
    // stands on (16 for 161, 4 for 403)
    const int stands = last.start;
    const QString onDigits = digits.left(stands
        - (last.joint == SynthesisPart::Joint::ZeroDoubled || last.joint == SynthesisPart::Joint::ZeroJoined ? 1 : 0));
    // a language is a number of its own (829.1 = 8 + 291): it is its basic part
    const bool language
        = last.kind == Language && number.size() > 3 && (digits.startsWith(u'8') || digits.startsWith(u'9'));
    s.basic = language                   ? number
        : number.startsWith(last.parent) ? last.parent
        : onDigits.size() >= 3           ? NumberOfDigits(onDigits)
                                         : onDigits;
    // digits of the schedule's own after the last code (908.9 after 9 + 08): the number up to the
    // code is the basic part, so that the extension is not split by the period
    if (DigitsOf(s.basic).size() < 3 && last.end < digits.size() && last.end >= 3
        && number.startsWith(NumberOfDigits(digits.left(last.end))))
        s.basic = NumberOfDigits(digits.left(last.end));
    // the extension as the digits that follow (213.6 after 21: 36)
    s.extension = digits.mid(DigitsOf(s.basic).size());
}

/// The numbered notes that the parts of \a digits call for, each once, in the order found;
/// \a geographyNine: the number is a schedule's .9 of geography (312.9), which adds note 6.
QList<int> NotesOfParts(const QList<SynthesisPart> &parts, const QString &digits, bool geographyNine)
{
    QList<int> notes;
    auto note = [&notes](int n) {
        if (!notes.contains(n))
            notes.append(n);
    };
    int forms = 0;
    QString firstForm;
    bool joined = false;
    for (const SynthesisPart &part : parts) {
        if (part.joint == SynthesisPart::Joint::OwnZeroDropped)
            note(1);
        if (part.kind == Form && part.joint == SynthesisPart::Joint::ZeroDoubled)
            note(2);
        if (part.kind == Regional)
            note(10);
        if (part.joint == SynthesisPart::Joint::ZeroJoined)
            note(7);
        if (part.kind == Form && joined)
            note(3); // a form division after two places joined through a zero
        joined = joined || part.joint == SynthesisPart::Joint::ZeroJoined;
        if (part.kind == Period && !digits.startsWith(u'9')) {
            if (!(digits.size() >= 3 && digits.at(0) == u'2' && digits.at(1) == u'1' && digits.at(2) != u'0'))
                note(8);
            if (part.code == QLatin1String("01") || part.code.startsWith(QStringLiteral("07")))
                note(13);
        }
        if (part.kind == Form) {
            if (forms++ && part.code == firstForm)
                note(15);
            firstForm = part.code;
            if (part.code == QLatin1String("087"))
                note(16);
            if (part.code.startsWith(QStringLiteral("067")) || part.code.startsWith(QStringLiteral("069")))
                note(17);
        }
    }
    if (geographyNine)
        note(6);
    for (const SynthesisPart &part : parts)
        if (part.kind == Sea && digits.startsWith(QStringLiteral("299")))
            note(14); // 299 has no instruction for the sea division, yet its numbers add it
    return notes;
}

} // namespace

SectionSynthesis ScheduleSynthesis::synthesisOf(const QString &number) const
{
    SectionSynthesis s;
    s.parts = partsOf(number);
    const QString digits = DigitsOf(number);
    const SynthesisPart *last = nullptr;
    for (const SynthesisPart &part : s.parts)
        if (!part.alternative)
            last = &part;
    // A 3-digit number padded with zeros (810 = 8 + 1) is its own basic part: what follows it in a
    // longer entry comes after its period, which the analysis skips.
    const bool padded = number.size() == 3 && number.endsWith(u'0');
    if (last && !padded)
        SetBasicAndExtension(s, number, digits, *last);
    const Line *line = lineOfDigits(digits);
    const QList<int> notes = NotesOfParts(
        s.parts, digits, line && number.endsWith(QStringLiteral(".9")) && line->caption.contains(u"地理"));
    s.firstNote = notes.value(0);
    s.secondNote = notes.value(1);
    if (padded && !s.parts.isEmpty() && s.firstNote)
        s.basic = number;
    return s;
}
