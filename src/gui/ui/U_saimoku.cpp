#include "U_saimoku.h"

#include "ui_U_saimoku.h"

#include "ResizeKit.h"
#include "StatusHints.h"
#include "analysis/AnalysisData.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalBlocker>

namespace {
// Where the notes panel sits with one note and with two (design coordinates of the window).
constexpr int NotesTopOne = 470;
constexpr int NotesHeightOne = 186;
constexpr int NotesTopTwo = 325;
constexpr int NotesHeightTwo = 340;

void setTextOf(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

bool holds(const QComboBox *box, const QStringList &items)
{
    if (box->count() != items.size())
        return false;
    for (int i = 0; i < items.size(); ++i)
        if (box->itemText(i) != items.at(i))
            return false;
    return true;
}

bool holds(const QListWidget *list, const QStringList &items)
{
    if (list->count() != items.size())
        return false;
    for (int i = 0; i < items.size(); ++i)
        if (list->item(i)->text() != items.at(i))
            return false;
    return true;
}
} // namespace

TSaimokuDialog::TSaimokuDialog(WindowServices services, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::SaimokuDialog>())
    , m_services(std::move(services))
    , m_data(m_services.analysis)
{
    m_ui->setupUi(this);
    m_resizeKit = new ResizeKit(this, QSize(1169, 733));
    InstallStatusHints(this, m_ui->StatusBar1);

    m_ui->Esaimoku->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_ui->Esaimoku->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
    m_ui->Esaimoku->installEventFilter(this);
    connect(m_ui->Esaimoku, &QLineEdit::textChanged, this, [this](const QString &text) { m_state.entry = text; });

    connect(m_ui->LBhitdata, &QListWidget::clicked, this, &TSaimokuDialog::LBhitdataClick);
    m_ui->LBhitdata->installEventFilter(this); // Enter on a line analyses it as a click does
    // Choosing another line with the keyboard analyses it as a click does.
    connect(m_ui->LBhitdata, &QListWidget::itemSelectionChanged, this, [this] {
        // a mouse click changes the selection while the button is down; its click follows
        if (m_ui->LBhitdata->hasFocus() && QApplication::mouseButtons() == Qt::NoButton)
            LBhitdataClick();
    });
    connect(m_ui->Lsaiken, &LinkLabel::clicked, this, &TSaimokuDialog::LsaikenClick);
    connect(m_ui->LcloseZizyou, &LinkLabel::clicked, this, &TSaimokuDialog::LcloseZizyouClick);
    connect(m_ui->Bclose, &QPushButton::clicked, this, &TSaimokuDialog::BcloseClick);
    connect(m_ui->Bkaiseki, &QPushButton::clicked, this, &TSaimokuDialog::BkaisekiClick);
    connect(m_ui->Bkaiseki2, &QPushButton::clicked, this, &TSaimokuDialog::Bkaiseki2Click);
    connect(m_ui->CBsanzi, qOverload<int>(&QComboBox::activated), this, &TSaimokuDialog::CBsanziClick);
    // A box the user changes runs its behaviour; the boxes render() sets are quiet.
    connect(m_ui->CBkeisikiCH, &QCheckBox::toggled, this, &TSaimokuDialog::CBkeisikiCHClick);
    connect(m_ui->CBtiriCH, &QCheckBox::toggled, this, &TSaimokuDialog::CBtiriCHClick);
    connect(m_ui->CBkaiyouCH, &QCheckBox::toggled, this, &TSaimokuDialog::CBkaiyouCHClick);
    connect(m_ui->CBgengoCH, &QCheckBox::toggled, this, &TSaimokuDialog::CBgengoCHClick);
    connect(m_ui->CBgengoKTCH, &QCheckBox::toggled, this, &TSaimokuDialog::CBgengoKTCHClick);
    connect(m_ui->CBbungakuKTCH, &QCheckBox::toggled, this, &TSaimokuDialog::CBbungakuKTCHClick);
    connect(m_ui->CBzidaiRCH, &QCheckBox::toggled, this, &TSaimokuDialog::CBzidaiRCHClick);
    connect(m_ui->CBkoumokuCH, &QCheckBox::toggled, this, &TSaimokuDialog::CBkoumokuCHClick);
    connect(m_ui->CBtihouCH, &QCheckBox::toggled, this, &TSaimokuDialog::CBtihouCHClick);

    FormCreate();
}

TSaimokuDialog::~TSaimokuDialog() = default;

void TSaimokuDialog::FormCreate()
{
    for (int i = 0; i < AuxListCount; ++i) {
        const auto which = static_cast<AuxList>(i);
        QComboBox *list = listWidget(which);
        list->clear();
        list->addItems(m_data->tables[TableOfList(which)]);
    }
    render(m_data->errors);
}

QList<QCheckBox *> TSaimokuDialog::kindBoxes() const
{
    return {m_ui->CBkeisikiCH, m_ui->CBtiriCH, m_ui->CBkaiyouCH, m_ui->CBgengoCH, m_ui->CBgengoKTCH,
        m_ui->CBbungakuKTCH, m_ui->CBzidaiRCH, m_ui->CBtihouCH, m_ui->CBkoumokuCH};
}

QComboBox *TSaimokuDialog::listWidget(AuxList list) const
{
    QComboBox *const lists[AuxListCount] = {m_ui->CBkeisiki1, m_ui->CBkeisiki2, m_ui->CBtiri1, m_ui->CBtiri2,
        m_ui->CBtihou, m_ui->CBkaiyou, m_ui->CBgengo, m_ui->CBgengocom, m_ui->CBbungakucom, m_ui->CBzidairekisi,
        m_ui->CBzidaibun, m_ui->CBkoumokuhyou};
    return lists[static_cast<int>(list)];
}

void TSaimokuDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // a file changed since it was read is read again when the window opens
    render(m_data->refresh());
}

bool TSaimokuDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->Esaimoku && event->type() == QEvent::KeyPress)
        return EsaimokuKeyPress(static_cast<QKeyEvent *>(event));
    if (watched == m_ui->LBhitdata && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            LBhitdataClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- handlers: one call on the state each ------------------------------------------------------

bool TSaimokuDialog::EsaimokuKeyPress(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false; // typed normally
    render(m_state.enter(*m_data));
    return true; // Enter never reaches the dialog's buttons
}

void TSaimokuDialog::LBhitdataClick()
{
    const QListWidgetItem *item = m_ui->LBhitdata->currentItem();
    if (!item || !item->isSelected())
        return; // a click that leaves no line selected does nothing
    render(m_state.pickHit(*m_data, m_ui->LBhitdata->row(item)));
}

void TSaimokuDialog::LsaikenClick()
{
    m_state.resetAll();
    render();
}

void TSaimokuDialog::LcloseZizyouClick()
{
    m_state.closeNotes();
    render();
}

void TSaimokuDialog::BcloseClick()
{
    close();
}

void TSaimokuDialog::BkaisekiClick()
{
    render(m_state.reanalyze(*m_data));
}

void TSaimokuDialog::Bkaiseki2Click()
{
    // Analysing each code of a several-table extension separately is not offered.
}

void TSaimokuDialog::CBsanziClick(int index)
{
    render(m_state.pickSection(index));
}

void TSaimokuDialog::kindBoxClick(int kind)
{
    m_state.setBox(kind, kindBoxes().at(kind - 1)->isChecked());
    render();
}

void TSaimokuDialog::CBkeisikiCHClick()
{
    kindBoxClick(1);
}

void TSaimokuDialog::CBtiriCHClick()
{
    kindBoxClick(2);
}

void TSaimokuDialog::CBkaiyouCHClick()
{
    kindBoxClick(3);
}

void TSaimokuDialog::CBgengoCHClick()
{
    kindBoxClick(4);
}

void TSaimokuDialog::CBgengoKTCHClick()
{
    kindBoxClick(5);
}

void TSaimokuDialog::CBbungakuKTCHClick()
{
    kindBoxClick(6);
}

void TSaimokuDialog::CBzidaiRCHClick()
{
    kindBoxClick(7);
}

void TSaimokuDialog::CBtihouCHClick()
{
    kindBoxClick(8);
}

void TSaimokuDialog::CBkoumokuCHClick()
{
    kindBoxClick(9);
}

// ---- render: the state, shown ------------------------------------------------------------------

void TSaimokuDialog::render(const QStringList &messages)
{
    renderNumber(m_state);
    renderFormula(m_state);
    renderTables(m_state);
    renderNotes(m_state);
    for (const QString &message : messages)
        m_services.show(message);
}

void TSaimokuDialog::renderNumber(const AnalysisState &s)
{
    if (m_ui->Esaimoku->text() != s.entry)
        m_ui->Esaimoku->setText(s.entry);
    if (s.focusEntry) {
        m_ui->Esaimoku->setFocus();
        m_state.focusEntry = false;
    }
    if (!holds(m_ui->LBhitdata, s.hits)) {
        const QSignalBlocker quiet(m_ui->LBhitdata);
        m_ui->LBhitdata->clear();
        m_ui->LBhitdata->addItems(s.hits);
    }

    setTextOf(m_ui->STtaxel, s.classNumber);
    setTextOf(m_ui->STsaimoku, s.caption);
    setTextOf(m_ui->STitizi, s.mainClassName);
    setTextOf(m_ui->STnizi, s.divisionName);
    if (!holds(m_ui->CBsanzi, s.sectionNames)) {
        m_ui->CBsanzi->clear();
        m_ui->CBsanzi->addItems(s.sectionNames);
    }
    m_ui->CBsanzi->setCurrentIndex(s.sectionIndex);
}

void TSaimokuDialog::renderFormula(const AnalysisState &s)
{
    setTextOf(m_ui->SThojoKoumoku, s.kindCaption);
    QLabel *const formulaFields[] = {m_ui->STgousei1, m_ui->STgousei2, m_ui->STgousei3};
    QLabel *const kindFields[] = {m_ui->SThojo1KM, m_ui->SThojo2KM, m_ui->SThojo3KM};
    QLabel *const entryFields[] = {m_ui->SThojo1KN, m_ui->SThojo2KN, m_ui->SThojo3KN};
    for (int row = 0; row < 3; ++row) {
        const FormulaRow &r = s.rows[static_cast<std::size_t>(row)];
        setTextOf(formulaFields[row], r.formula);
        setTextOf(kindFields[row], r.kindName);
        setTextOf(entryFields[row], r.entry.text);
    }

    setTextOf(m_ui->STkihonBUN, s.basicPart);
    setTextOf(m_ui->STkakutyouBUN, s.extensionPart);
    setTextOf(m_ui->STkaiseki, s.structure);
    m_ui->Lkaisekiexp2->setVisible(s.structureNotes[0]);
    m_ui->Lkaisekiexp3->setVisible(s.structureNotes[1]);
    m_ui->Lkaisekiexp4->setVisible(s.structureNotes[2]);
    m_ui->Lkeisikiexp->setVisible(s.zeroNoteShown);
    m_ui->Lrekisiexp->setVisible(s.periodNoteShown);
}

void TSaimokuDialog::renderTables(const AnalysisState &s)
{
    const QList<QCheckBox *> boxes = kindBoxes();
    for (int kind = 1; kind <= 9; ++kind) {
        const QSignalBlocker quiet(boxes.at(kind - 1));
        boxes.at(kind - 1)->setChecked(s.isTicked(kind));
    }
    for (int i = 0; i < AuxListCount; ++i) {
        const AuxListView &view = s.lists[static_cast<std::size_t>(i)];
        QComboBox *list = listWidget(static_cast<AuxList>(i));
        if (list->currentIndex() != view.index)
            list->setCurrentIndex(view.index);
        if (list->currentText() != view.text)
            list->setEditText(view.text);
        if (i != static_cast<int>(AuxList::ZidaiBun))
            list->setVisible(!view.hidden);
    }
}

void TSaimokuDialog::renderNotes(const AnalysisState &s)
{
    setTextOf(m_ui->STzizyou, s.firstNote);
    setTextOf(m_ui->STzizyou2, s.secondNote);
    const QRect design = ResizeKit::designGeometry(m_ui->Pzizyou);
    const QRect notes = s.notesTall ? QRect(design.x(), NotesTopTwo, design.width(), NotesHeightTwo)
                                    : QRect(design.x(), NotesTopOne, design.width(), NotesHeightOne);
    if (design != notes)
        ResizeKit::setDesignGeometry(m_ui->Pzizyou, notes);
    m_ui->Pzizyou->setVisible(s.notesShown);
    if (s.notesShown)
        m_ui->Pzizyou->raise();
}
