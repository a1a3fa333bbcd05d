#include "U_tutorial.h"

#include "ui_U_tutorial.h"

#include "ExerciseRow.h"
#include "ResizeKit.h"
#include "StatusHints.h"
#include "analysis/AnalysisData.h"
#include "datafiles/DataPaths.h"
#include "datafiles/TextFileCache.h"
#include "learning/PracticeWindowState.h"

#include <QSignalBlocker>

namespace {

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

QFont gothic(int pixels)
{
    return pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), pixels, true);
}

QString verdictStyle(Verdict verdict)
{
    if (verdict == Verdict::Correct)
        return QStringLiteral("color: #008000;");
    if (verdict == Verdict::Wrong)
        return QStringLiteral("color: #e00000;");
    return QStringLiteral("color: #606060;");
}

void setStyleOf(QWidget *widget, const QString &style)
{
    if (widget->styleSheet() != style)
        widget->setStyleSheet(style);
}

void showBox(QComboBox *box, const ChoiceBox &shown)
{
    const QSignalBlocker quiet(box);
    box->setEnabled(shown.enabled);
    if (box->currentIndex() != shown.index)
        box->setCurrentIndex(shown.index);
    if (box->currentText() != shown.text)
        box->setEditText(shown.text);
}

void setItems(QComboBox *box, const QStringList &items)
{
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(items);
}

/// The example files the window keeps read while it is open: enough for the three exercises of one
/// question and the list they come from, while the sets of a long afternoon come and go.
constexpr int kKeptExampleFiles = 4;

} // namespace

TTutorialDialog::TTutorialDialog(WindowServices services, QWidget *parent)
    : QDialog(parent)
    , m_services(std::move(services))
    , m_ui(std::make_unique<Ui::TutorialDialog>())
    , m_examples(std::make_unique<TextFileCache>(kKeptExampleFiles))
{
    m_ui->setupUi(this);
    QStringList messages;
    m_state = std::make_unique<PracticeWindowState>(m_services.tree, &messages);
    setUpLooks();
    m_slots = {{
        {m_ui->STren1, m_ui->Eren1, m_ui->SThint1, m_ui->STkai1, m_ui->LhintM1, m_ui->Lkai1, m_ui->Lhantei1},
        {m_ui->STren2, m_ui->Eren2, m_ui->SThint2, m_ui->STkai2, m_ui->LhintM2, m_ui->Lkai2, m_ui->Lhantei2},
        {m_ui->STren3, m_ui->Eren3, m_ui->SThint3, m_ui->STkai3, m_ui->LhintM3, m_ui->Lkai3, m_ui->Lhantei3},
    }};
    for (const Slot &slot : m_slots)
        slot.verdict->setFont(gothic(VerdictPixels));
    setItems(m_ui->CBhojokoumoku, PracticeWindowState::tableItems());
    setItems(m_ui->CBreinum, PracticeWindowState::countItems());
    bindSetControls();
    bindSlotControls();
    bindPanelControls();

    m_exerciseRow = m_ui->STren1->geometry(); // every slot's row has the same place in its panel
    m_resizeKit = new ResizeKit(this, QSize(1080, 712));
    render(messages);
    InstallStatusHints(this, m_ui->StatusBar1);
}

TTutorialDialog::~TTutorialDialog() = default;

void TTutorialDialog::setUpLooks()
{
    setFont(pixelFont(QStringLiteral("Tahoma"), 15, false));
    const QFont bold = pixelFont(QStringLiteral("Tahoma"), 15, true);
    for (QWidget *w : std::initializer_list<QWidget *> {
             m_ui->Label1, m_ui->Bclose, m_ui->Bques, m_ui->Lkoumoku, m_ui->LkaisetuT, m_ui->LlastNum, m_ui->Label8})
        w->setFont(bold);
    const auto labels = findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->property("textArea").toBool()) {
            label->setFont(gothic(15));
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
    m_ui->STkihon->setFont(gothic(15));
    for (QLineEdit *answer : {m_ui->Eren1, m_ui->Eren2, m_ui->Eren3}) {
        answer->setAttribute(Qt::WA_InputMethodEnabled, false);
        answer->setInputMethodHints(Qt::ImhLatinOnly);
    }
    for (QLabel *mirror : {m_ui->Lrei, m_ui->Lkai, m_ui->Lkai1, m_ui->Lkai2, m_ui->Lkai3, m_ui->LhintM1, m_ui->LhintM2,
             m_ui->LhintM3, m_ui->LhintB, m_ui->Lito, m_ui->Lsetumei})
        mirror->hide();
}

void TTutorialDialog::bindSetControls()
{
    const std::array<QRadioButton *, 10> classButtons = {m_ui->RBrui0, m_ui->RBrui1, m_ui->RBrui2, m_ui->RBrui3,
        m_ui->RBrui4, m_ui->RBrui5, m_ui->RBrui6, m_ui->RBrui7, m_ui->RBrui8, m_ui->RBrui9};
    connect(m_ui->RBkihon, &QRadioButton::clicked, this, [this] { RBkihonClick(-1); });
    for (int d = 0; d <= 9; ++d)
        connect(classButtons[d], &QRadioButton::clicked, this, [this, d] { RBkihonClick(d); });
    connect(m_ui->RBouyou, &QRadioButton::clicked, this, &TTutorialDialog::RBouyouClick);
    connect(m_ui->RBhojo, &QRadioButton::clicked, this, &TTutorialDialog::RBhojoClick);
    connect(m_ui->RBfukusyu, &QRadioButton::clicked, this, &TTutorialDialog::RBfukusyuClick);
    connect(m_ui->CBhojokoumoku, &QComboBox::activated, this, &TTutorialDialog::CBhojokoumokuClick);
    connect(m_ui->CBhojokoumoku, &QComboBox::editTextChanged, this,
        [this](const QString &text) { m_state->setTableText(text); });
    connect(m_ui->CBhojokoumoku->lineEdit(), &QLineEdit::returnPressed, this,
        [this] { render(m_state->enterTableText(m_ui->CBhojokoumoku->lineEdit()->text())); });
    QComboBox *count = m_ui->CBreinum;
    connect(count, &QComboBox::currentIndexChanged, this,
        [this, count](int index) { CBreinumChange(index, count->currentText()); });
    connect(count, &QComboBox::editTextChanged, this,
        [this, count](const QString &text) { CBreinumChange(count->currentIndex(), text); });
    connect(m_ui->Bques, &QPushButton::clicked, this, &TTutorialDialog::BquesClick);
    connect(m_ui->Bclose, &QPushButton::clicked, this, &TTutorialDialog::BcloseClick);
}

void TTutorialDialog::bindSlotControls()
{
    const std::array<LinkLabel *, 3> hintLinks = {m_ui->Lhint1, m_ui->Lhint2, m_ui->Lhint3};
    for (int k = 0; k < 3; ++k) {
        connect(hintLinks[k], &LinkLabel::clicked, this, [this, k] { Lhint1Click(k); });
        connect(m_slots[k].answerBox, &QLineEdit::textChanged, this,
            [this, k](const QString &text) { m_state->setAnswerText(k, text); });
        connect(m_slots[k].answerBox, &QLineEdit::returnPressed, this,
            [this, k] { render(m_state->judge(k, *m_services.analysis)); });
    }
    connect(m_ui->Bren1, &QPushButton::clicked, this, &TTutorialDialog::Bren1Click);
    connect(m_ui->Bren2, &QPushButton::clicked, this, &TTutorialDialog::Bren2Click);
    connect(m_ui->Bren3, &QPushButton::clicked, this, &TTutorialDialog::Bren3Click);
    connect(m_ui->Lreset, &LinkLabel::clicked, this, &TTutorialDialog::LresetClick);
}

void TTutorialDialog::bindPanelControls()
{
    connect(m_ui->BsaveLast, &QPushButton::clicked, this, &TTutorialDialog::BsaveLastClick);
    connect(m_ui->CBstartNum, &QComboBox::activated, this, &TTutorialDialog::CBstartNumClick);
    connect(m_ui->CBstartNum, &QComboBox::editTextChanged, this,
        [this](const QString &text) { m_state->setStartText(text); });
    connect(m_ui->Lbefore, &LinkLabel::clicked, this, &TTutorialDialog::LbeforeClick);
    // each link opens its own explanation
    const std::array<LinkLabel *, 10> classLinks = {m_ui->Lrui0, m_ui->Lrui1, m_ui->Lrui2, m_ui->Lrui3, m_ui->Lrui4,
        m_ui->Lrui5, m_ui->Lrui6, m_ui->Lrui7, m_ui->Lrui8, m_ui->Lrui9};
    connect(m_ui->Lkihon, &LinkLabel::clicked, this, [this] { LkihonClick(DataPaths::basicsGuide()); });
    for (int d = 0; d <= 9; ++d)
        connect(classLinks[d], &LinkLabel::clicked, this, [this, d] { LkihonClick(DataPaths::classGuide(d)); });
    connect(m_ui->Lhojo, &LinkLabel::clicked, this, [this] { LkihonClick(DataPaths::tablesGuide()); });
}

void TTutorialDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // a schedule or section file changed since it was read is read again when the window opens
    render(m_services.analysis->refresh());
}

void TTutorialDialog::hideEvent(QHideEvent *event)
{
    // a closed window keeps no example file (the largest hold thousands of lines, a megabyte or
    // more); the first question after it opens reads them again
    m_examples->clear();
    QDialog::hideEvent(event);
}

// ---- handlers: one call on the state each ------------------------------------------------------

void TTutorialDialog::RBkihonClick(int classDigit)
{
    render(m_state->chooseBasicOrClass(classDigit));
}

void TTutorialDialog::RBouyouClick()
{
    render(m_state->chooseAdvanced());
}

void TTutorialDialog::RBhojoClick()
{
    render(m_state->chooseAllTables());
}

void TTutorialDialog::RBfukusyuClick()
{
    render(m_state->chooseReview());
}

void TTutorialDialog::CBhojokoumokuClick(int item)
{
    render(m_state->chooseTable(item));
}

void TTutorialDialog::CBreinumChange(int index, const QString &text)
{
    m_state->setCountBox(index, text);
    render();
}

void TTutorialDialog::BquesClick()
{
    render(m_state->ask(*m_services.random, *m_examples));
}

void TTutorialDialog::Lhint1Click(int slot)
{
    m_state->showHint(slot);
    render();
}

void TTutorialDialog::Bren1Click()
{
    render(m_state->showAnswer(0, *m_services.analysis));
}

void TTutorialDialog::Bren2Click()
{
    render(m_state->showAnswer(1, *m_services.analysis));
}

void TTutorialDialog::Bren3Click()
{
    render(m_state->showAnswer(2, *m_services.analysis));
}

void TTutorialDialog::LresetClick()
{
    m_state->reset();
    render();
}

void TTutorialDialog::BsaveLastClick()
{
    render(m_state->saveProgress());
}

void TTutorialDialog::CBstartNumClick(int index)
{
    m_state->chooseStart(index);
    render();
}

void TTutorialDialog::LbeforeClick()
{
    m_state->stepBack();
    render();
}

void TTutorialDialog::LkihonClick(const QString &document)
{
    m_services.openUrl(QUrl::fromLocalFile(m_services.tree.path(document)));
}

void TTutorialDialog::BcloseClick()
{
    close();
}

// ---- render: the state, shown ------------------------------------------------------------------

void TTutorialDialog::render(const QStringList &messages)
{
    const PracticeWindowState &s = *m_state;
    m_ui->SThint->setText(s.setText);
    renderBoxes();
    const int count = s.questionCount();
    m_ui->Pren2->setVisible(count >= 2);
    m_ui->Pren3->setVisible(count == 3);
    m_ui->PkihonExp->setVisible(s.fixedPanelShown);
    m_ui->LkaisetuT->setText(s.fixedPanelTitle);
    m_ui->LkihonNumCount->setText(s.listLength);
    m_ui->LlastNum->setText(s.progressText());
    if (m_ui->STkihon->toPlainText() != s.aimText)
        m_ui->STkihon->setPlainText(s.aimText);
    for (int k = 0; k < 3; ++k)
        renderSlot(k);
    // the mirrors of what the example lookup wrote last
    m_ui->Lrei->setText(s.lookup.title);
    m_ui->LhintB->setText(s.lookup.hint);
    m_ui->Lkai->setText(s.lookup.answer);
    m_ui->Lito->setText(s.lookup.aim);
    m_ui->Lsetumei->setText(s.lookup.explanation);
    m_ui->Lseiseki->setText(s.scoreText());
    m_ui->RBfukusyu->setText(s.reviewButtonText());
    for (const QString &message : messages)
        m_services.show(message);
}

void TTutorialDialog::renderBoxes()
{
    const PracticeWindowState &s = *m_state;
    showBox(m_ui->CBhojokoumoku, s.tableBox);
    showBox(m_ui->CBreinum, s.countBox);
    if (m_shownStartEntries != s.startEntries) {
        setItems(m_ui->CBstartNum, s.startEntries);
        m_shownStartEntries = s.startEntries;
    }
    showBox(m_ui->CBstartNum, s.startBox);
}

void TTutorialDialog::renderSlot(int k)
{
    const PracticeSlot &shown = m_state->exercises()[static_cast<std::size_t>(k)];
    const Slot &slot = m_slots[static_cast<std::size_t>(k)];
    slot.exercise->setText(shown.exercise);
    if (slot.answerBox->text() != shown.answerText) {
        const QSignalBlocker quiet(slot.answerBox);
        slot.answerBox->setText(shown.answerText);
    }
    slot.hintArea->setText(shown.hintArea);
    slot.answerArea->setText(shown.answerArea);
    slot.hintMirror->setText(shown.hint);
    slot.answerMirror->setText(shown.answer);
    slot.verdict->setText(shown.judgement);
    if (shown.colouredBy != Verdict::NotJudged)
        setStyleOf(slot.verdict, verdictStyle(shown.colouredBy));
    layoutExerciseRow(k);
}

void TTutorialDialog::layoutExerciseRow(int slot)
{
    const Slot &row = m_slots[static_cast<std::size_t>(slot)];
    const ExerciseRowFit fit = FitExerciseRow(
        row.exercise->text(), row.verdict->text(), gothic(ExercisePixels), gothic(VerdictPixels), m_exerciseRow);
    ResizeKit::setDesignGeometry(row.exercise, fit.exercise);
    ResizeKit::setDesignFontPixels(row.exercise, fit.exercisePixels);
    row.exercise->setWordWrap(fit.wrapped);
    // two lines take the room of the padding; the frame stays
    setStyleOf(row.exercise,
        fit.wrapped ? QStringLiteral("background: white; border: 1px solid #a0a0a0; padding: 0px;")
                    : QStringLiteral("background: white; border: 1px solid #a0a0a0; padding: 2px;"));
    // an empty verdict keeps a sliver at the end of the row, beside the whole text
    ResizeKit::setDesignGeometry(row.verdict,
        fit.verdict.isEmpty() ? QRect(m_exerciseRow.right() + 1, m_exerciseRow.y(), 1, m_exerciseRow.height())
                              : fit.verdict);
    ResizeKit::setDesignFontPixels(row.verdict, fit.verdictPixels);
    row.verdict->setWordWrap(fit.wrapped);
}
