#include "U_koumoku.h"

#include "ui_U_koumoku.h"

#include "LinkLabel.h"
#include "ResizeKit.h"
#include "StatusHints.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalBlocker>

TKoumokuDialog::TKoumokuDialog(WindowServices services, QWidget *parent)
    : QDialog(parent)
    , m_services(std::move(services))
    , m_ui(std::make_unique<Ui::KoumokuDialog>())
{
    m_ui->setupUi(this);
    m_resizeKit = new ResizeKit(this, QSize(1195, 723));
    InstallStatusHints(this, m_ui->StatusBar1);
    m_slots = {{
        {m_ui->STreinum1, m_ui->STrei1, m_ui->STkai1, m_ui->LhintM1, m_ui->Lkai1, m_ui->Pmask1},
        {m_ui->STreinum2, m_ui->STrei2, m_ui->STkai2, m_ui->LhintM2, m_ui->Lkai2, m_ui->Pmask2},
        {m_ui->STreinum3, m_ui->STrei3, m_ui->STkai3, m_ui->LhintM3, m_ui->Lkai3, m_ui->Pmask3},
        {m_ui->STreinum4, m_ui->STrei4, m_ui->STkai4, m_ui->LhintM4, m_ui->Lkai4, m_ui->Pmask4},
    }};
    bindControls();
    render();
    m_ui->Ekoumoku->installEventFilter(this);
    m_ui->Ekoumoku->setFocus();
}

TKoumokuDialog::~TKoumokuDialog() = default;

void TKoumokuDialog::bindControls()
{
    const std::array<QPushButton *, 4> answerButtons = {m_ui->Bkai1, m_ui->Bkai2, m_ui->Bkai3, m_ui->Bkai4};
    const std::array<LinkLabel *, 4> hintLinks = {m_ui->Lhint1, m_ui->Lhint2, m_ui->Lhint3, m_ui->Lhint4};
    for (int k = 0; k < 4; ++k) {
        connect(answerButtons[k], &QPushButton::clicked, this, [this, k] { Bkai1Click(k + 1); });
        connect(hintLinks[k], &LinkLabel::clicked, this, [this, k] { Lhint1Click(k + 1); });
    }
    connect(m_ui->Ekoumoku, &QLineEdit::textChanged, this, [this](const QString &text) { m_state.query = text; });
    connect(m_ui->Landor, &LinkLabel::clicked, this, &TKoumokuDialog::LandorClick);
    connect(m_ui->Lsaiken, &LinkLabel::clicked, this, &TKoumokuDialog::LsaikenClick);
    connect(m_ui->RBnormal, &QRadioButton::clicked, this, [this] { RBnormalClick(false); });
    connect(m_ui->RBkanzen, &QRadioButton::clicked, this, [this] { RBnormalClick(true); });
    // the arrow keys move the choice between the two options as well
    connect(m_ui->RBkanzen, &QRadioButton::toggled, this, [this](bool on) { m_state.exact = on; });
    QListWidget *hits = m_ui->LBhitdata;
    connect(hits, &QListWidget::itemClicked, this,
        [this, hits](QListWidgetItem *item) { LBhitdataClick(hits->row(item)); });
    // Choosing another hit with the keyboard shows it as a click does (focus alone chooses nothing).
    connect(hits, &QListWidget::itemSelectionChanged, this, [this, hits] {
        // a mouse click changes the selection while the button is down; its click follows
        if (hits->hasFocus() && hits->currentItem() && QApplication::mouseButtons() == Qt::NoButton)
            LBhitdataClick(hits->currentRow());
    });
    connect(m_ui->Bclose, &QPushButton::clicked, this, &TKoumokuDialog::BcloseClick);
}

bool TKoumokuDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->Ekoumoku) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                EkoumokuKeyPress();
                return true; // Enter never reaches the window's buttons
            }
        } else if (event->type() == QEvent::FocusIn) {
            // The field receives the focus from another control (a click, Tab, or the focus moved
            // back by the options). The window getting active again, for instance when a message
            // box closes, is not the field being entered.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                EkoumokuEnter();
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- handlers: one call on the state each ------------------------------------------------------

void TKoumokuDialog::EkoumokuKeyPress()
{
    render(m_state.search(m_services.tree));
}

void TKoumokuDialog::EkoumokuEnter()
{
    m_state.enterEntry();
    render();
}

void TKoumokuDialog::LandorClick()
{
    m_state.toggleMode();
    render();
}

void TKoumokuDialog::RBnormalClick(bool exact)
{
    m_state.chooseExact(exact);
    render();
}

void TKoumokuDialog::LsaikenClick()
{
    m_state.startAgain();
    render();
}

void TKoumokuDialog::LBhitdataClick(int row)
{
    m_state.pickHit(m_services.tree, row);
    render();
}

void TKoumokuDialog::Bkai1Click(int slot)
{
    m_state.showAnswer(slot - 1);
    render();
}

void TKoumokuDialog::Lhint1Click(int slot)
{
    m_state.showHint(slot - 1);
    render();
}

void TKoumokuDialog::BcloseClick()
{
    close();
}

// ---- render: the state, shown ------------------------------------------------------------------

void TKoumokuDialog::render(const QStringList &messages)
{
    const ItemSearchState &s = m_state;
    if (m_ui->Ekoumoku->text() != s.query)
        m_ui->Ekoumoku->setText(s.query);
    m_ui->Landor->setText(s.modeText());
    if (m_shownHits != s.hits) {
        const QSignalBlocker quiet(m_ui->LBhitdata);
        m_ui->LBhitdata->clear();
        m_ui->LBhitdata->addItems(s.hits);
        m_shownHits = s.hits;
    }
    m_ui->LhitDataNum->setText(s.hitCount);
    m_ui->Lmask->setVisible(s.noExamplesNote);
    m_ui->STkoumoku->setText(s.key);
    m_ui->STyomi->setText(s.reading);
    m_ui->STtaxel->setText(s.classNumber);
    m_ui->STitizi->setText(s.division1);
    m_ui->STnizi->setText(s.division2);
    for (std::size_t k = 0; k < m_slots.size(); ++k) {
        const ItemExampleSlot &shown = s.examples[k];
        const Slot &slot = m_slots[k];
        slot.mask->setVisible(shown.masked);
        slot.number->setText(shown.number);
        slot.title->setText(shown.title);
        slot.answerArea->setText(shown.answerArea);
        slot.hintMirror->setText(shown.hint);
        slot.answerMirror->setText(shown.answer);
    }
    for (const QString &message : messages)
        m_services.show(message);
    if (std::exchange(m_state.focusEntry, false))
        m_ui->Ekoumoku->setFocus(Qt::OtherFocusReason); // from another control, it clears the search
}
