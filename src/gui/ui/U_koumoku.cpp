#include "U_koumoku.h"

#include "ui_U_koumoku.h"

#include "LinkLabel.h"
#include "Messages.h"
#include "ResizeKit.h"
#include "StatusHints.h"
#include "index/ExampleLookup.h"
#include "index/KeywordSearch.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

TKoumokuDialog::TKoumokuDialog(QWidget *parent)
    : QDialog(parent)
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
    const std::array<QPushButton *, 4> answerButtons = {m_ui->Bkai1, m_ui->Bkai2, m_ui->Bkai3, m_ui->Bkai4};
    const std::array<LinkLabel *, 4> hintLinks = {m_ui->Lhint1, m_ui->Lhint2, m_ui->Lhint3, m_ui->Lhint4};
    for (int k = 0; k < 4; ++k) {
        connect(answerButtons[k], &QPushButton::clicked, this, [this, k] { Bkai1Click(k + 1); });
        connect(hintLinks[k], &LinkLabel::clicked, this, [this, k] { Lhint1Click(k + 1); });
    }
    connect(m_ui->Landor, &LinkLabel::clicked, this, &TKoumokuDialog::LandorClick);
    connect(m_ui->Lsaiken, &LinkLabel::clicked, this, &TKoumokuDialog::LsaikenClick);
    connect(m_ui->RBnormal, &QRadioButton::clicked, this, &TKoumokuDialog::RBnormalClick);
    connect(m_ui->RBkanzen, &QRadioButton::clicked, this, &TKoumokuDialog::RBnormalClick);
    connect(m_ui->LBhitdata, &QListWidget::itemClicked, this, &TKoumokuDialog::LBhitdataClick);
    // Choosing another hit with the keyboard shows it as a click does (focus alone chooses nothing).
    connect(m_ui->LBhitdata, &QListWidget::itemSelectionChanged, this, [this] {
        // a mouse click changes the selection while the button is down; its click follows
        if (m_ui->LBhitdata->hasFocus() && m_ui->LBhitdata->currentItem()
            && QApplication::mouseButtons() == Qt::NoButton)
            LBhitdataClick();
    });
    connect(m_ui->Bclose, &QPushButton::clicked, this, &TKoumokuDialog::BcloseClick);
    m_ui->Ekoumoku->installEventFilter(this);
    m_ui->Ekoumoku->setFocus();
}

TKoumokuDialog::~TKoumokuDialog() = default;

int TKoumokuDialog::exact() const
{
    return m_ui->RBkanzen->isChecked() ? 1 : 0;
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

void TKoumokuDialog::ClearKoumokuDetail()
{
    for (QLabel *field : {m_ui->STkoumoku, m_ui->STyomi, m_ui->STtaxel, m_ui->STitizi, m_ui->STnizi})
        field->clear();
    for (size_t k = 0; k < m_slots.size(); ++k) {
        const Slot &slot = m_slots[k];
        slot.mask->show();
        slot.number->clear();
        slot.title->clear();
        slot.answerArea->clear();
        m_slotTexts[k].answer.clear();
        slot.answerMirror->clear();
    }
}

void TKoumokuDialog::EkoumokuKeyPress()
{
    const QString query = m_ui->Ekoumoku->text();
    const SearchResult found
        = m_andOrTag == 1 ? SearchKoumokuOr(query, exact() == 1) : SearchKoumokuAnd(query, exact() == 1);
    m_ui->LBhitdata->clear();
    m_ui->LBhitdata->addItems(found.hits);
    m_ui->LhitDataNum->setText(QString::number(found.result) + QStringLiteral(" 件のデータ"));
    if (found.result < 1) {
        m_ui->Lmask->hide();
        ShowMessage(QStringLiteral("一致する分類項目はありません！"));
    }
}

void TKoumokuDialog::EkoumokuEnter()
{
    ClearKoumokuDetail();
    m_ui->LBhitdata->clear();
    m_ui->Ekoumoku->clear();
}

void TKoumokuDialog::LandorClick()
{
    if (m_andOrTag == 0) {
        m_andOrTag = 1;
        m_ui->Landor->setText(QStringLiteral("OR検索"));
    } else {
        m_andOrTag = 0;
        m_ui->Landor->setText(QStringLiteral("AND検索"));
    }
    m_ui->Ekoumoku->setFocus(Qt::OtherFocusReason);
}

void TKoumokuDialog::RBnormalClick()
{
    m_ui->Ekoumoku->setFocus(Qt::OtherFocusReason);
}

void TKoumokuDialog::LsaikenClick()
{
    ClearKoumokuDetail();
    m_ui->LBhitdata->clear();
    m_ui->Ekoumoku->clear();
    m_ui->Ekoumoku->setFocus(Qt::OtherFocusReason);
}

void TKoumokuDialog::LBhitdataClick()
{
    const QListWidgetItem *item = m_ui->LBhitdata->currentItem();
    const QString line = item ? item->text() : QString();
    ClearKoumokuDetail();
    if (line.isEmpty())
        return;
    const HitFields hit = SplitHitLine(line);
    if (!hit.valid)
        return;
    m_ui->STkoumoku->setText(hit.key);
    m_ui->STyomi->setText(hit.reading);
    m_ui->STtaxel->setText(hit.classNumber);
    m_ui->STitizi->setText(hit.division1);
    m_ui->STnizi->setText(hit.division2);
    if (hit.examples.isEmpty())
        return;
    const QStringList numbers = ExampleNumbersForSlots(hit.examples);
    for (int k = 0; k < numbers.size(); ++k)
        if (!numbers.at(k).isEmpty())
            showExample(k, numbers.at(k));
    m_ui->Lmask->show();
}

void TKoumokuDialog::showExample(int slot, const QString &number)
{
    const Slot &s = m_slots[slot];
    s.number->setText(number);
    const ExampleTexts texts = FindReidai(number, ExampleSlot(slot + 1));
    if (!texts.written)
        return;
    m_slotTexts[slot] = {texts.hint, texts.answer};
    s.title->setText(texts.title);
    s.hintMirror->setText(texts.hint);
    s.answerMirror->setText(texts.answer);
    s.mask->hide();
}

void TKoumokuDialog::Bkai1Click(int slot)
{
    m_slots[slot - 1].answerArea->setText(m_slotTexts[slot - 1].answer);
}

void TKoumokuDialog::Lhint1Click(int slot)
{
    m_slots[slot - 1].answerArea->setText(m_slotTexts[slot - 1].hint);
}

void TKoumokuDialog::BcloseClick()
{
    close();
}
