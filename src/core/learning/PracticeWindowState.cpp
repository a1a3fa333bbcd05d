#include "PracticeWindowState.h"

#include "datafiles/FileError.h"
#include "datafiles/ProgramRandom.h"
#include "datafiles/TextFileCache.h"

namespace {

const char16_t *const kClassDescriptions[10] = {
    u"０類：総記の練習問題を出題します。情報・図書館・百科事典・ジャーナリズムのように明らかに総記となるもののほかに、"
    u"総記に分類するか、主題の類に分類するかを見分けることを学びます。",
    u"１類：哲学・心理学・宗教についての練習問題を出題します。",
    u"２類：歴史・伝記・地理についての練習問題を出題します。",
    u"３類：政治・経済・法律・教育・社会・国防などの社会科学についての練習問題を出題します。",
    u"４類：数学・化学・物理・地学・生物・医学などの自然科学についての練習問題を出題します。",
    u"５類：土木・建築・機械・運輸・造船・原子力・海洋など様々な工業の技術や、家政学についての練習問題を出題します。",
    u"６類：農林・水産・商業・運輸・観光・通信など様々な産業についての練習問題を出題します。",
    u"７類：美術・工芸・音楽・演劇などの芸術や、スポーツ・娯楽などについての練習問題を出題します。",
    u"８類：各国の言語についての練習問題を出題します。",
    u"９類：文学と文学作品についての練習問題を出題します。",
};

const char16_t *const kTableDescriptions[10] = {
    u"形式区分：すべての細目に付加することができる。形式区分を複数付加することもできるが、通常は、より重要な方のみ、1つ"
    u"を付加する。",
    u"地理区分：＊地理区分と指示がある細目に付加する。ただし、形式区分02[歴史的･地域的論述]"
    u"を介することで、この制約は無くなる。",
    u"海洋区分：＊海洋区分と指示がある細目に付加する。この区分を付加できる細目は限定的。",
    u"言語区分：8類および9類の言語の指定に適用する。他の一部の類で、＊言語区分と指示がある場合に付加できる。",
    u"言語共通区分：8類の言語の要素に対して付加する。",
    u"文学共通区分：9類の文学の形式に対して付加する。",
    u"日本各地の歴史の時代区分：211～219（日本各地の歴史）に適用する。時代区分の後に地域の細区分が続く場合も同様。"
    u"この範囲で形式区分だけを付加する場合は、時代区分と取り違えないよう形式区分の前に0を付ける。"
    u"時代区分の後に形式区分を付加する場合は、0は不要。",
    u"日本文学の時代区分：詩歌(910)･物語･小説(930)･随筆(914)･日記･紀行(915)･作品集(918)に適用できる。",
    u"地理･紀行における細区分：013 景観地理、017 集落地理、02 史跡･名勝、087 写真集、09 紀行、091 探検記、"
    u"092 漂流記、093 案内記。",
    u"建築･芸術･美術の図集：087（図集）は、521～523（様式別の建築）と、芸術･美術の700～、彫刻710～、絵画720～、"
    u"版画730～に適用する。写真や印刷には適用しない。",
};

const char16_t kBasicDescription[]
    = u"基本練習問題では、分類記号を組み立てるための基礎を練習します。初めての方は、必ずここから始めて下さい。\n"
      u"各類の問題とは違い、ランダムではなく、常に決まった順番で出題します。";
const char16_t kAdvancedDescription[]
    = u"発展練習問題では、注意が必要な分類や、NDCの規定の中でも理解の難しい部分を含む複雑な合成を練習します。"
      u"基本練習問題を終えてから取り組んで下さい。　各類の問題とは違い、ランダムではなく、常に決まった順番で出題します"
      u"。";
const char16_t kReviewDescription[]
    = u"復習：これまでに間違えた問題から、ランダムに出題します。別々の日に（Taxelを起動し直して）2回正解した問題は、"
      u"復習の問題から外れます。";
const char16_t kAllTablesDescription[]
    = u"補助表の項目を指定しないで＜出題する＞をクリックすると、全ての補助表を対象として、ランダムに問題を出題します。";

QStringList listMissing()
{
    return {PracticeState::listMissingMessage()};
}

} // namespace

PracticeWindowState::PracticeWindowState(const DataTree &tree, QStringList *messages)
    : m_tree(tree)
    , m_practice(tree)
    , m_run(ReviewList::newRunId())
{
    countBox.text = countItems().constFirst();
    try {
        m_review.load(m_tree);
    } catch (const FileError &error) {
        messages->append(error.text());
    }
}

QStringList PracticeWindowState::tableItems()
{
    return {QStringLiteral("１．形式区分"), QStringLiteral("２．地理区分"), QStringLiteral("３．海洋区分"),
        QStringLiteral("４．言語区分"), QStringLiteral("５．言語共通区分"), QStringLiteral("６．文学共通区分"),
        QStringLiteral("７．歴史における時代区分"), QStringLiteral("８．日本文学における時代区分"),
        QStringLiteral("９．地理･紀行における細区分"), QStringLiteral("１０．建築･芸術における図集")};
}

QStringList PracticeWindowState::countItems()
{
    return {QStringLiteral("１問"), QStringLiteral("２問"), QStringLiteral("３問")};
}

void PracticeWindowState::clearExercises()
{
    aimText.clear();
    for (PracticeSlot &slot : m_slots) {
        slot.exercise.clear();
        slot.answerText.clear();
        slot.hintArea.clear();
        slot.answerArea.clear();
        slot.judgement.clear();
        slot.asked = false; // the answers are kept for the mirrors, but nothing is judged against them
        slot.verdict = Verdict::NotJudged;
    }
    tableBox.index = -1;
    tableBox.text.clear();
}

void PracticeWindowState::leaveTableBox(bool enabled, const QString &text)
{
    tableBox = {enabled, -1, text};
}

void PracticeWindowState::showFixedOrderPanel(bool advanced)
{
    fixedPanelTitle = advanced ? QStringLiteral("◆発展問題の解説") : QStringLiteral("◆基本練習問題の解説");
    countBox = {false, 0, countItems().constFirst()};
    fixedPanelShown = true;
    listLength = QString::number(m_practice.listLength());
    startEntries = m_practice.startEntries();
    startBox = {true, -1, QString()};
}

QStringList PracticeWindowState::chooseBasicOrClass(int classDigit)
{
    clearExercises();
    m_practice.setFixedOrderMode(false);
    fixedPanelShown = false;
    leaveTableBox(false);
    if (m_practice.chooseBasicOrClass(classDigit) != PracticeState::Choice::Chosen)
        return listMissing();
    setText = QString::fromUtf16(classDigit < 0 ? kBasicDescription : kClassDescriptions[classDigit]);
    if (classDigit < 0)
        showFixedOrderPanel(false);
    else
        countBox.enabled = true;
    return {};
}

QStringList PracticeWindowState::chooseAdvanced()
{
    clearExercises();
    if (m_practice.chooseAdvanced() != PracticeState::Choice::Chosen)
        return listMissing();
    setText = QString::fromUtf16(kAdvancedDescription);
    tableBox.enabled = false;
    showFixedOrderPanel(true);
    return {};
}

QStringList PracticeWindowState::chooseAllTables()
{
    if (m_practice.chooseAllTables() != PracticeState::Choice::Chosen)
        return listMissing();
    leaveTableBox(true, QStringLiteral("選んで下さい。"));
    setText = QString::fromUtf16(kAllTablesDescription);
    fixedPanelShown = false;
    countBox.enabled = true;
    return {};
}

QStringList PracticeWindowState::chooseReview()
{
    clearExercises();
    m_review.load(m_tree);
    m_practice.chooseReview(m_review);
    fixedPanelShown = false;
    leaveTableBox(false);
    countBox.enabled = true;
    setText = QString::fromUtf16(kReviewDescription);
    if (m_review.count() == 0)
        return {PracticeState::emptyReviewMessage()};
    return {};
}

QStringList PracticeWindowState::chooseTable(int item)
{
    if (item < 0 || item > 9)
        return {PracticeState::invalidItemMessage()};
    tableBox.index = item;
    tableBox.text = tableItems().at(item);
    setText = QString::fromUtf16(kTableDescriptions[item]);
    if (m_practice.chooseTable(item) != PracticeState::Choice::Chosen)
        return listMissing();
    return {};
}

QStringList PracticeWindowState::enterTableText(const QString &text)
{
    tableBox.text = text;
    if (tableItems().contains(text))
        return {};
    return chooseTable(-1);
}

void PracticeWindowState::setCountBox(int index, const QString &text)
{
    countBox.index = index;
    countBox.text = text;
}

int PracticeWindowState::questionCount() const
{
    // typed text is no selection, whatever item was chosen before it
    const QStringList items = countItems();
    if (countBox.index < 0 || countBox.index >= items.size() || countBox.text != items.at(countBox.index))
        return 1;
    return countBox.index + 1;
}

void PracticeWindowState::setAnswerText(int slot, const QString &text)
{
    if (slot >= 0 && slot < 3)
        m_slots[static_cast<std::size_t>(slot)].answerText = text;
}

QStringList PracticeWindowState::ask(ProgramRandom &random, TextFileCache &examples)
{
    clearExercises();
    QString message;
    const bool fixedOrder = m_practice.fixedOrderMode();
    const QVector<Exercise> exercises = m_practice.setExercises(
        questionCount(),
        [&](const QString &number, int setCode) {
            return FindReidai(m_tree, number, ExampleCaller::Practice, setCode, fixedOrder, &examples);
        },
        random, &message);
    // Every exercise set is a lookup that wrote its texts, in slot order: the last one's stay in the
    // lookup's own fields, and the aim and explanation stay until a lookup writes them again.
    for (int k = 0; k < exercises.size(); ++k) {
        const Exercise &exercise = exercises.at(k);
        const ExampleTexts &texts = exercise.texts;
        lookup.title = texts.title;
        lookup.hint = texts.hint;
        lookup.answer = texts.answer;
        if (texts.aimWritten) {
            lookup.aim = texts.aim;
            lookup.explanation = texts.explanation;
            aimText = texts.aim;
        }
        PracticeSlot &slot = m_slots[static_cast<std::size_t>(k)];
        slot.hint = texts.hint;
        slot.answer = texts.answer;
        slot.number = exercise.number;
        slot.setCode = exercise.setCode;
        slot.asked = true;
        slot.counted = false;
        slot.exercise = QStringLiteral("[") + exercise.number + QStringLiteral("] ") + texts.title;
    }
    if (message.isEmpty())
        return {};
    return {message};
}

void PracticeWindowState::showHint(int slot)
{
    PracticeSlot &s = m_slots.at(static_cast<std::size_t>(slot));
    s.hintArea = s.hint;
}

QStringList PracticeWindowState::showAnswer(int slot, const AnalysisData &data)
{
    PracticeSlot &s = m_slots.at(static_cast<std::size_t>(slot));
    s.answerArea = s.answer;
    QStringList messages;
    if (!s.answerText.isEmpty())
        messages = judge(slot, data);
    if (slot == 0 && m_practice.fixedOrderMode())
        aimText = lookup.aim + QStringLiteral("\n\n") + lookup.explanation;
    return messages;
}

QStringList PracticeWindowState::judge(int slot, const AnalysisData &data)
{
    PracticeSlot &s = m_slots.at(static_cast<std::size_t>(slot));
    if (!s.asked)
        return {}; // no exercise in this slot: nothing to judge
    const Judgement judgement = JudgeAnswer(s.answerText, s.answer, data);
    s.verdict = judgement.verdict;
    s.judgement = judgement.text;
    s.colouredBy = judgement.verdict;
    const bool decided = judgement.verdict == Verdict::Correct || judgement.verdict == Verdict::Wrong;
    const QStringList messages = decided ? recordForReview(s, judgement.verdict) : QStringList();
    // each exercise counts once in the tally, at its first judgement that gives a right or wrong
    if (decided && !s.counted) {
        s.counted = true;
        ++judged;
        if (judgement.verdict == Verdict::Correct)
            ++correct;
    }
    return messages;
}

QStringList PracticeWindowState::recordForReview(const PracticeSlot &slot, Verdict verdict)
{
    const bool changed = verdict == Verdict::Correct ? m_review.answeredRight(slot.setCode, slot.number, m_run)
                                                     : m_review.answeredWrong(slot.setCode, slot.number);
    if (!changed)
        return {};
    try {
        m_review.save(m_tree);
    } catch (const FileError &error) {
        return {QStringLiteral("復習の問題を保存できませんでした。\n") + error.text()};
    }
    return {};
}

void PracticeWindowState::reset()
{
    clearExercises();
}

QStringList PracticeWindowState::saveProgress()
{
    try {
        m_practice.saveProgress();
    } catch (const FileError &error) {
        return {QStringLiteral("現在の終了番号を保存できませんでした。\n") + error.text()};
    }
    return {PracticeState::savedMessage()};
}

void PracticeWindowState::chooseStart(int index)
{
    if (index < 0 || index >= m_practice.listLength())
        return;
    m_practice.chooseStart(index);
    startBox = {true, -1, QString()};
    clearExercises();
}

void PracticeWindowState::stepBack()
{
    m_practice.stepBack();
    clearExercises();
}

QStringList PracticeWindowState::verdictNames() const
{
    QStringList names;
    for (const PracticeSlot &slot : m_slots)
        names.append(VerdictName(slot.verdict));
    return names;
}

QString PracticeWindowState::scoreText() const
{
    return QStringLiteral("正解 %1 / %2 問").arg(correct).arg(judged);
}

QString PracticeWindowState::reviewButtonText() const
{
    return QStringLiteral("復習（%1問）").arg(m_review.count());
}
