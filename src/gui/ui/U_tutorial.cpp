#include "U_tutorial.h"

#include "ui_U_tutorial.h"

#include "DocumentView.h"
#include "ExerciseRow.h"
#include "Messages.h"
#include "ResizeKit.h"
#include "StatusHints.h"
#include "analysis/AnalysisData.h"
#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "datafiles/TextFileCache.h"
#include "index/ExampleLookup.h"
#include "learning/AnswerJudge.h"
#include "learning/PracticeState.h"
#include "learning/ReviewList.h"

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

// The design sizes of an exercise's text and of the verdict beside it, in pixels.
constexpr int ExercisePixels = 15;
constexpr int VerdictPixels = 13;

QFont pixelFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

TTutorialDialog::TTutorialDialog(QWidget *parent, std::shared_ptr<AnalysisData> data)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::TutorialDialog>())
    , m_state(std::make_unique<PracticeState>())
    , m_data(data ? std::move(data) : std::make_shared<AnalysisData>(AnalysisData::load()))
    , m_examples(std::make_unique<TextFileCache>())
    , m_review(std::make_unique<ReviewList>())
    , m_run(ReviewList::newRunId())
{
    m_ui->setupUi(this);
    setFont(pixelFont(QStringLiteral("Tahoma"), 15, false));
    const QFont bold = pixelFont(QStringLiteral("Tahoma"), 15, true);
    for (QWidget *w : std::initializer_list<QWidget *> {
             m_ui->Label1, m_ui->Bclose, m_ui->Bques, m_ui->Lkoumoku, m_ui->LkaisetuT, m_ui->LlastNum, m_ui->Label8})
        w->setFont(bold);
    const QFont areaFont = pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 15, true);
    const auto labels = findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->property("textArea").toBool()) {
            label->setFont(areaFont);
            label->setAutoFillBackground(true);
            label->setStyleSheet(QStringLiteral("background: white; border: 1px solid #a0a0a0; padding: 2px;"));
        }
        if (qobject_cast<LinkLabel *>(label)) {
            QFont f = label->font();
            f.setUnderline(true);
            label->setFont(f);
            label->setStyleSheet(QStringLiteral("color: #0000ff;"));
        }
    }
    m_ui->SThint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ui->STkihon->setFont(areaFont);
    for (QLineEdit *answer : {m_ui->Eren1, m_ui->Eren2, m_ui->Eren3}) {
        answer->setAttribute(Qt::WA_InputMethodEnabled, false);
        answer->setInputMethodHints(Qt::ImhLatinOnly);
    }
    m_slots = {{
        {m_ui->STren1, m_ui->Eren1, m_ui->SThint1, m_ui->STkai1, m_ui->LhintM1, m_ui->Lkai1, m_ui->Lhantei1},
        {m_ui->STren2, m_ui->Eren2, m_ui->SThint2, m_ui->STkai2, m_ui->LhintM2, m_ui->Lkai2, m_ui->Lhantei2},
        {m_ui->STren3, m_ui->Eren3, m_ui->SThint3, m_ui->STkai3, m_ui->LhintM3, m_ui->Lkai3, m_ui->Lhantei3},
    }};
    for (QLabel *mirror : {m_ui->Lrei, m_ui->Lkai, m_ui->Lkai1, m_ui->Lkai2, m_ui->Lkai3, m_ui->LhintM1, m_ui->LhintM2,
             m_ui->LhintM3, m_ui->LhintB, m_ui->Lito, m_ui->Lsetumei})
        mirror->hide();
    m_ui->Pren2->hide();
    m_ui->Pren3->hide();
    m_ui->PkihonExp->hide();
    m_ui->CBhojokoumoku->setCurrentIndex(-1);
    m_ui->CBreinum->setCurrentIndex(0);

    connect(m_ui->RBkihon, &QRadioButton::clicked, this, [this] { RBkihonClick(m_ui->RBkihon); });
    for (int d = 0; d <= 9; ++d)
        connect(classButton(d), &QRadioButton::clicked, this, [this, d] { RBkihonClick(classButton(d)); });
    connect(m_ui->RBouyou, &QRadioButton::clicked, this, &TTutorialDialog::RBouyouClick);
    connect(m_ui->RBhojo, &QRadioButton::clicked, this, &TTutorialDialog::RBhojoClick);
    connect(m_ui->RBfukusyu, &QRadioButton::clicked, this, &TTutorialDialog::RBfukusyuClick);
    connect(m_ui->CBhojokoumoku, &QComboBox::activated, this, &TTutorialDialog::CBhojokoumokuClick);
    // Enter on a text that names no item of the list chooses nothing, which the handler reports.
    connect(m_ui->CBhojokoumoku->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (m_ui->CBhojokoumoku->findText(m_ui->CBhojokoumoku->currentText()) < 0)
            CBhojokoumokuClick(-1);
    });
    connect(m_ui->CBreinum, &QComboBox::currentIndexChanged, this, &TTutorialDialog::CBreinumChange);
    connect(m_ui->CBreinum, &QComboBox::editTextChanged, this, &TTutorialDialog::CBreinumChange);
    connect(m_ui->Bques, &QPushButton::clicked, this, &TTutorialDialog::BquesClick);
    for (LinkLabel *link : {m_ui->Lhint1, m_ui->Lhint2, m_ui->Lhint3})
        connect(link, &LinkLabel::clicked, this, [this, link] { Lhint1Click(link); });
    for (int k = 0; k < 3; ++k) {
        m_slots[k].verdict->setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), VerdictPixels, true));
        connect(m_slots[k].answerBox, &QLineEdit::returnPressed, this, [this, k] { judge(k); });
    }
    showScore();
    try {
        m_review->load();
    } catch (const FileError &error) {
        ShowMessage(error.text());
    }
    showReviewCount();
    connect(m_ui->Bren1, &QPushButton::clicked, this, &TTutorialDialog::Bren1Click);
    connect(m_ui->Bren2, &QPushButton::clicked, this, &TTutorialDialog::Bren2Click);
    connect(m_ui->Bren3, &QPushButton::clicked, this, &TTutorialDialog::Bren3Click);
    connect(m_ui->Lreset, &LinkLabel::clicked, this, &TTutorialDialog::LresetClick);
    connect(m_ui->BsaveLast, &QPushButton::clicked, this, &TTutorialDialog::BsaveLastClick);
    connect(m_ui->CBstartNum, &QComboBox::activated, this, &TTutorialDialog::CBstartNumClick);
    connect(m_ui->Lbefore, &LinkLabel::clicked, this, &TTutorialDialog::LbeforeClick);
    for (LinkLabel *link : {m_ui->Lkihon, m_ui->Lrui0, m_ui->Lrui1, m_ui->Lrui2, m_ui->Lrui3, m_ui->Lrui4, m_ui->Lrui5,
             m_ui->Lrui6, m_ui->Lrui7, m_ui->Lrui8, m_ui->Lrui9, m_ui->Lhojo})
        connect(link, &LinkLabel::clicked, this, [this, link] { LkihonClick(link); });
    connect(m_ui->Bclose, &QPushButton::clicked, this, &TTutorialDialog::BcloseClick);

    m_exerciseRow = m_ui->STren1->geometry(); // every slot's row has the same place in its panel
    m_resizeKit = new ResizeKit(this, QSize(1080, 712));
    for (int k = 0; k < 3; ++k)
        layoutExerciseRow(k);
    InstallStatusHints(this, m_ui->StatusBar1);
}

TTutorialDialog::~TTutorialDialog() = default;

QRadioButton *TTutorialDialog::classButton(int digit) const
{
    return findChild<QRadioButton *>(QStringLiteral("RBrui%1").arg(digit));
}

QString TTutorialDialog::setDescription(int classDigit) const
{
    return classDigit < 0 ? QString::fromUtf16(kBasicDescription) : QString::fromUtf16(kClassDescriptions[classDigit]);
}

void TTutorialDialog::ResetExercises()
{
    m_ui->STkihon->clear();
    for (const Slot &slot : m_slots) {
        slot.exercise->clear();
        slot.answerBox->clear();
        slot.hintArea->clear();
        slot.answerArea->clear();
        slot.verdict->clear();
    }
    for (int k = 0; k < 3; ++k)
        layoutExerciseRow(k);
    for (SlotTexts &texts : m_slotTexts) {
        texts.asked = false; // the answers are kept for the mirrors, but nothing is judged against them
        texts.verdict = Verdict::NotJudged;
    }
    m_ui->CBhojokoumoku->setCurrentIndex(-1);
    m_ui->CBhojokoumoku->setEditText(QString());
}

void TTutorialDialog::layoutExerciseRow(int slot)
{
    const Slot &row = m_slots[slot];
    const ExerciseRowFit fit = FitExerciseRow(row.exercise->text(), row.verdict->text(),
        pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), ExercisePixels, true),
        pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), VerdictPixels, true), m_exerciseRow);
    ResizeKit::setDesignGeometry(row.exercise, fit.exercise);
    ResizeKit::setDesignFontPixels(row.exercise, fit.exercisePixels);
    row.exercise->setWordWrap(fit.wrapped);
    // two lines take the room of the padding; the frame stays
    row.exercise->setStyleSheet(fit.wrapped
            ? QStringLiteral("background: white; border: 1px solid #a0a0a0; padding: 0px;")
            : QStringLiteral("background: white; border: 1px solid #a0a0a0; padding: 2px;"));
    // an empty verdict keeps a sliver at the end of the row, beside the whole text
    ResizeKit::setDesignGeometry(row.verdict,
        fit.verdict.isEmpty() ? QRect(m_exerciseRow.right() + 1, m_exerciseRow.y(), 1, m_exerciseRow.height())
                              : fit.verdict);
    ResizeKit::setDesignFontPixels(row.verdict, fit.verdictPixels);
    row.verdict->setWordWrap(fit.wrapped);
}

void TTutorialDialog::showProgress()
{
    m_ui->LlastNum->setText(m_state->progressDisplay());
}

void TTutorialDialog::showFixedOrderPanel(bool advanced)
{
    m_ui->LkaisetuT->setText(advanced ? QStringLiteral("◆発展問題の解説") : QStringLiteral("◆基本練習問題の解説"));
    m_ui->CBreinum->setCurrentIndex(0);
    m_ui->CBreinum->setEnabled(false);
    m_ui->Pren2->hide();
    m_ui->Pren3->hide();
    m_ui->PkihonExp->show();
    m_ui->LkihonNumCount->setText(QString::number(m_state->listLength()));
    m_ui->CBstartNum->clear();
    m_ui->CBstartNum->addItems(m_state->startEntries());
    m_ui->CBstartNum->setCurrentIndex(-1);
    m_ui->CBstartNum->setEditText(QString());
    showProgress();
}

void TTutorialDialog::RBkihonClick(QObject *sender)
{
    int classDigit = -2;
    if (sender == m_ui->RBkihon)
        classDigit = -1;
    for (int d = 0; d <= 9; ++d)
        if (sender == classButton(d))
            classDigit = d;
    if (classDigit < -1)
        return;

    ResetExercises();
    m_state->setFixedOrderMode(false);
    m_ui->PkihonExp->hide();
    m_ui->CBhojokoumoku->setCurrentIndex(-1);
    m_ui->CBhojokoumoku->setEditText(QString());
    m_ui->CBhojokoumoku->setEnabled(false);
    if (m_state->chooseBasicOrClass(classDigit) != PracticeState::Choice::Chosen) {
        ShowMessage(PracticeState::listMissingMessage());
        return;
    }
    m_ui->SThint->setText(setDescription(classDigit));
    if (classDigit < 0) {
        showFixedOrderPanel(false);
    } else {
        m_ui->CBreinum->setEnabled(true);
    }
}

void TTutorialDialog::RBouyouClick()
{
    ResetExercises();
    if (m_state->chooseAdvanced() != PracticeState::Choice::Chosen) {
        ShowMessage(PracticeState::listMissingMessage());
        return;
    }
    m_ui->SThint->setText(QString::fromUtf16(kAdvancedDescription));
    m_ui->CBhojokoumoku->setEnabled(false);
    showFixedOrderPanel(true);
}

void TTutorialDialog::RBhojoClick()
{
    if (m_state->chooseAllTables() != PracticeState::Choice::Chosen) {
        ShowMessage(PracticeState::listMissingMessage());
        return;
    }
    m_ui->CBhojokoumoku->setCurrentIndex(-1);
    m_ui->CBhojokoumoku->setEditText(QStringLiteral("選んで下さい。"));
    m_ui->CBhojokoumoku->setEnabled(true);
    m_ui->SThint->setText(QString::fromUtf16(kAllTablesDescription));
    m_ui->PkihonExp->hide();
    m_ui->CBreinum->setEnabled(true);
}

void TTutorialDialog::RBfukusyuClick()
{
    ResetExercises();
    m_review->load(); // another run may have changed it
    m_state->chooseReview(*m_review);
    showReviewCount();
    m_ui->PkihonExp->hide();
    m_ui->CBhojokoumoku->setCurrentIndex(-1);
    m_ui->CBhojokoumoku->setEditText(QString());
    m_ui->CBhojokoumoku->setEnabled(false);
    m_ui->CBreinum->setEnabled(true);
    m_ui->SThint->setText(QString::fromUtf16(kReviewDescription));
    if (m_review->count() == 0)
        ShowMessage(PracticeState::emptyReviewMessage());
}

int TTutorialDialog::reviewCount() const
{
    return m_review->count();
}

void TTutorialDialog::showReviewCount()
{
    m_ui->RBfukusyu->setText(QStringLiteral("復習（%1問）").arg(m_review->count()));
}

void TTutorialDialog::recordForReview(int slot, Verdict verdict)
{
    const SlotTexts &texts = m_slotTexts[slot];
    const bool changed = verdict == Verdict::Correct ? m_review->answeredRight(texts.setCode, texts.number, m_run)
                                                     : m_review->answeredWrong(texts.setCode, texts.number);
    if (!changed)
        return;
    showReviewCount();
    try {
        m_review->save();
    } catch (const FileError &error) {
        ShowMessage(QStringLiteral("復習の問題を保存できませんでした。\n") + error.text());
    }
}

void TTutorialDialog::CBhojokoumokuClick(int item)
{
    if (item < 0 || item > 9) {
        ShowMessage(PracticeState::invalidItemMessage());
        return;
    }
    m_ui->SThint->setText(QString::fromUtf16(kTableDescriptions[item]));
    if (m_state->chooseTable(item) != PracticeState::Choice::Chosen)
        ShowMessage(PracticeState::listMissingMessage());
}

int TTutorialDialog::questionCount() const
{
    // typed text is no selection, whatever item was chosen before it
    const int index = m_ui->CBreinum->currentIndex();
    if (index < 0 || m_ui->CBreinum->currentText() != m_ui->CBreinum->itemText(index))
        return 1;
    return index + 1;
}

void TTutorialDialog::CBreinumChange()
{
    const int count = questionCount();
    m_ui->Pren2->hide();
    m_ui->Pren3->hide();
    if (count >= 2)
        m_ui->Pren2->show();
    if (count == 3)
        m_ui->Pren3->show();
}

void TTutorialDialog::showLookupMirrors()
{
    m_ui->Lrei->setText(m_lookup.title);
    m_ui->LhintB->setText(m_lookup.hint);
    m_ui->Lkai->setText(m_lookup.answer);
    m_ui->Lito->setText(m_lookup.aim);
    m_ui->Lsetumei->setText(m_lookup.explanation);
    for (size_t k = 0; k < m_slots.size(); ++k) {
        m_slots[k].hintMirror->setText(m_slotTexts[k].hint);
        m_slots[k].answerMirror->setText(m_slotTexts[k].answer);
    }
}

void TTutorialDialog::BquesClick()
{
    ResetExercises();
    QString message;
    const PracticeState &state = *m_state;
    const QVector<Exercise> exercises = m_state->setExercises(
        questionCount(),
        [this, &state](const QString &number, int setCode) {
            return FindReidai(number, ExampleCaller::Practice, setCode, state.fixedOrderMode(), m_examples.get());
        },
        &message);
    // Every exercise set is a lookup that wrote its texts, in slot order: the last one's stay in the
    // lookup's own fields, and the aim and explanation stay until a lookup writes them again.
    for (int k = 0; k < exercises.size(); ++k) {
        const ExampleTexts &texts = exercises.at(k).texts;
        m_lookup.title = texts.title;
        m_lookup.hint = texts.hint;
        m_lookup.answer = texts.answer;
        if (texts.aimWritten) {
            m_lookup.aim = texts.aim;
            m_lookup.explanation = texts.explanation;
            m_ui->STkihon->setPlainText(texts.aim);
        }
        m_slotTexts[k] = {texts.hint, texts.answer, exercises.at(k).number, exercises.at(k).setCode, true};
        m_slots[k].exercise->setText(QStringLiteral("[") + exercises.at(k).number + QStringLiteral("] ") + texts.title);
        layoutExerciseRow(k);
    }
    showLookupMirrors();
    if (m_state->fixedOrderMode())
        showProgress();
    if (!message.isEmpty())
        ShowMessage(message);
}

int TTutorialDialog::slotOf(QObject *sender, const char *prefix) const
{
    for (int k = 1; k <= 3; ++k)
        if (sender->objectName() == QString::fromLatin1(prefix) + QString::number(k))
            return k;
    return 0;
}

void TTutorialDialog::Lhint1Click(QObject *sender)
{
    const int k = slotOf(sender, "Lhint");
    if (k > 0)
        m_slots[k - 1].hintArea->setText(m_slotTexts[k - 1].hint);
}

void TTutorialDialog::showAnswer(int slot)
{
    m_slots[slot].answerArea->setText(m_slotTexts[slot].answer);
}

void TTutorialDialog::judge(int slot)
{
    SlotTexts &texts = m_slotTexts[slot];
    if (!texts.asked)
        return; // no exercise in this slot: nothing to judge
    m_data->refresh(); // a schedule or section file changed since it was read is read again
    const Judgement judgement = JudgeAnswer(m_slots[slot].answerBox->text(), texts.answer, *m_data);
    texts.verdict = judgement.verdict;
    // each exercise counts once in the tally, at its first judgement that gives a right or wrong
    if (judgement.verdict == Verdict::Correct || judgement.verdict == Verdict::Wrong)
        recordForReview(slot, judgement.verdict);
    if (!texts.counted && (judgement.verdict == Verdict::Correct || judgement.verdict == Verdict::Wrong)) {
        texts.counted = true;
        ++m_judged;
        if (judgement.verdict == Verdict::Correct)
            ++m_correct;
    }
    QLabel *label = m_slots[slot].verdict;
    label->setText(judgement.text);
    layoutExerciseRow(slot);
    label->setStyleSheet(judgement.verdict == Verdict::Correct ? QStringLiteral("color: #008000;")
            : judgement.verdict == Verdict::Wrong              ? QStringLiteral("color: #e00000;")
                                                               : QStringLiteral("color: #606060;"));
    showScore();
}

void TTutorialDialog::showScore()
{
    m_ui->Lseiseki->setText(QStringLiteral("正解 %1 / %2 問").arg(m_correct).arg(m_judged));
}

QStringList TTutorialDialog::verdicts() const
{
    QStringList names;
    for (const SlotTexts &texts : m_slotTexts)
        names.append(VerdictName(texts.verdict));
    return names;
}

void TTutorialDialog::showAnswerAndJudge(int slot)
{
    showAnswer(slot);
    if (!m_slots[slot].answerBox->text().isEmpty())
        judge(slot);
}

void TTutorialDialog::Bren1Click()
{
    showAnswerAndJudge(0);
    if (m_state->fixedOrderMode())
        m_ui->STkihon->setPlainText(m_lookup.aim + QStringLiteral("\n\n") + m_lookup.explanation);
}

void TTutorialDialog::Bren2Click()
{
    showAnswerAndJudge(1);
}

void TTutorialDialog::Bren3Click()
{
    showAnswerAndJudge(2);
}

void TTutorialDialog::LresetClick()
{
    ResetExercises();
}

void TTutorialDialog::BsaveLastClick()
{
    try {
        m_state->saveProgress();
    } catch (const FileError &error) {
        ShowMessage(QStringLiteral("現在の終了番号を保存できませんでした。\n") + error.text());
        return;
    }
    ShowMessage(PracticeState::savedMessage());
}

void TTutorialDialog::CBstartNumClick(int index)
{
    if (index < 0 || index >= m_state->listLength())
        return;
    m_state->chooseStart(index);
    showProgress();
    m_ui->CBstartNum->setCurrentIndex(-1);
    m_ui->CBstartNum->setEditText(QString());
    ResetExercises();
}

void TTutorialDialog::LbeforeClick()
{
    m_state->stepBack();
    showProgress();
    ResetExercises();
}

void TTutorialDialog::LkihonClick(QObject *sender)
{
    const QString name = sender->objectName();
    QString document;
    if (name == QLatin1String("Lkihon"))
        document = QStringLiteral("StudyTaxel/SaimokuData/taxel_kihon.pdf");
    else if (name == QLatin1String("Lhojo"))
        document = QStringLiteral("StudyTaxel/SaimokuData/taxel_hojo.pdf");
    else if (name.startsWith(QLatin1String("Lrui")))
        document = QStringLiteral("StudyTaxel/SaimokuData/exp_rui%1.pdf").arg(name.mid(4));
    if (!document.isEmpty())
        OpenDocumentWindow(DataRoot::path(document));
}

void TTutorialDialog::BcloseClick()
{
    close();
}
