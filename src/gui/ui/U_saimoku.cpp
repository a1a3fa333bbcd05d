#include "U_saimoku.h"

#include "ui_U_saimoku.h"

#include "Messages.h"
#include "ResizeKit.h"
#include "StatusHints.h"
#include "analysis/CodeMatch.h"
#include "analysis/Decomposition.h"
#include "analysis/Synthesis.h"
#include "datafiles/NumberText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalBlocker>

namespace {
// Where the notes panel sits with one note and with two (design coordinates of the window).
constexpr int NotesTopOne = 470;
constexpr int NotesHeightOne = 186;
constexpr int NotesTopTwo = 325;
constexpr int NotesHeightTwo = 340;
} // namespace

TSaimokuDialog::TSaimokuDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::SaimokuDialog>())
{
    m_ui->setupUi(this);
    m_resizeKit = new ResizeKit(this, QSize(1169, 733));
    InstallStatusHints(this, m_ui->StatusBar1);

    m_ui->Esaimoku->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_ui->Esaimoku->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
    m_ui->Esaimoku->installEventFilter(this);

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
    // A box runs its behaviour whenever its state changes, whether the user or the analysis sets it.
    const QList<QCheckBox *> boxes = kindBoxes();
    for (int kind = 1; kind <= 9; ++kind)
        connect(boxes.at(kind - 1), &QCheckBox::toggled, this, kindBoxBehaviours()[kind - 1]);

    FormCreate();
}

TSaimokuDialog::~TSaimokuDialog() = default;

void TSaimokuDialog::FormCreate()
{
    QStringList errors;
    m_tables = LoadAuxTables(&errors);
    const std::pair<QComboBox *, AuxTable> lists[] = {
        {m_ui->CBkeisiki1, AuxTable::Keisiki},
        {m_ui->CBkeisiki2, AuxTable::Keisiki},
        {m_ui->CBtiri1, AuxTable::Tiri},
        {m_ui->CBtiri2, AuxTable::Tiri},
        {m_ui->CBtihou, AuxTable::Tihou},
        {m_ui->CBkaiyou, AuxTable::Kaiyou},
        {m_ui->CBgengo, AuxTable::Gengo},
        {m_ui->CBgengocom, AuxTable::GengoCom},
        {m_ui->CBbungakucom, AuxTable::BungakuCom},
        {m_ui->CBzidairekisi, AuxTable::ZidaiRekisi},
        {m_ui->CBzidaibun, AuxTable::ZidaiBun},
        {m_ui->CBkoumokuhyou, AuxTable::Koumokuhyou},
    };
    for (const auto &[list, table] : lists) {
        list->clear();
        list->addItems(m_tables[table]);
        emptyList(list);
    }
    m_hojoKoumoku.lines() = AuxKindNames();
    for (const QString &error : errors)
        ShowErrorMessage(error);
}

QList<QCheckBox *> TSaimokuDialog::kindBoxes() const
{
    return {m_ui->CBkeisikiCH, m_ui->CBtiriCH, m_ui->CBkaiyouCH, m_ui->CBgengoCH, m_ui->CBgengoKTCH,
        m_ui->CBbungakuKTCH, m_ui->CBzidaiRCH, m_ui->CBtihouCH, m_ui->CBkoumokuCH};
}

const std::array<TSaimokuDialog::Behaviour, 9> &TSaimokuDialog::kindBoxBehaviours()
{
    static const std::array<Behaviour, 9> behaviours
        = {&TSaimokuDialog::CBkeisikiCHClick, &TSaimokuDialog::CBtiriCHClick, &TSaimokuDialog::CBkaiyouCHClick,
            &TSaimokuDialog::CBgengoCHClick, &TSaimokuDialog::CBgengoKTCHClick, &TSaimokuDialog::CBbungakuKTCHClick,
            &TSaimokuDialog::CBzidaiRCHClick, &TSaimokuDialog::CBtihouCHClick, &TSaimokuDialog::CBkoumokuCHClick};
    return behaviours;
}

QCheckBox *TSaimokuDialog::boxOfKind(int kind) const
{
    return kind >= 1 && kind <= 9 ? kindBoxes().at(kind - 1) : nullptr;
}

QComboBox *TSaimokuDialog::listOfTable(AuxTable table) const
{
    switch (table) {
    case AuxTable::Keisiki: return m_ui->CBkeisiki1;
    case AuxTable::Tiri: return m_ui->CBtiri1;
    case AuxTable::Tihou: return m_ui->CBtihou;
    case AuxTable::Kaiyou: return m_ui->CBkaiyou;
    case AuxTable::Gengo: return m_ui->CBgengo;
    case AuxTable::GengoCom: return m_ui->CBgengocom;
    case AuxTable::BungakuCom: return m_ui->CBbungakucom;
    case AuxTable::ZidaiRekisi: return m_ui->CBzidairekisi;
    case AuxTable::ZidaiBun: return m_ui->CBzidaibun;
    case AuxTable::Koumokuhyou: return m_ui->CBkoumokuhyou;
    case AuxTable::None: break;
    }
    return nullptr;
}

void TSaimokuDialog::emptyList(QComboBox *list)
{
    list->setCurrentIndex(-1);
    list->setEditText(QString());
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

// ---- entry and hit list ------------------------------------------------------------------------

bool TSaimokuDialog::EsaimokuKeyPress(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false; // typed normally
    m_division = 0;
    ResetAnalysis(false);
    const EntrySearch search = SearchClassEntry(m_ui->Esaimoku->text(), m_files);
    m_division = search.division;
    if (!search.message.isEmpty()) {
        ShowMessage(search.message);
        return true;
    }
    m_ui->LBhitdata->addItems(search.hits);
    if (m_ui->LBhitdata->count() == 1)
        AnalyzeClassNumber(m_ui->LBhitdata->item(0)->text());
    return true; // Enter never reaches the dialog's buttons
}

void TSaimokuDialog::LBhitdataClick()
{
    const QListWidgetItem *item = m_ui->LBhitdata->currentItem();
    if (!item || !item->isSelected())
        return;
    AnalyzeClassNumber(item->text());
}

void TSaimokuDialog::LsaikenClick()
{
    ResetAnalysis(false);
    m_ui->Esaimoku->clear();
    m_ui->Esaimoku->setFocus();
}

void TSaimokuDialog::LcloseZizyouClick()
{
    m_ui->Pzizyou->hide();
}

void TSaimokuDialog::BcloseClick()
{
    close();
}

// ---- reset and analysis ------------------------------------------------------------------------

void TSaimokuDialog::ResetAnalysis(bool spareHitList)
{
    m_ui->STzizyou->clear();
    m_ui->STzizyou2->clear();
    m_ui->Pzizyou->hide();
    ResizeKit::setDesignGeometry(m_ui->Pzizyou,
        QRect(ResizeKit::designGeometry(m_ui->Pzizyou).x(), NotesTopOne,
            ResizeKit::designGeometry(m_ui->Pzizyou).width(), NotesHeightOne));

    m_rowKinds = {0, 0, 0};

    // Unticking runs a ticked box's behaviour, which empties and hides its lists; a box that was not
    // ticked runs nothing, so its lists keep what a re-analysis put there.
    m_ui->CBkeisikiCH->setChecked(false);
    m_formCount = 0;
    m_ui->CBtiriCH->setChecked(false);
    m_geoCount = 0;
    for (QCheckBox *box : {m_ui->CBkaiyouCH, m_ui->CBgengoCH, m_ui->CBgengoKTCH, m_ui->CBbungakuKTCH, m_ui->CBzidaiRCH,
             m_ui->CBkoumokuCH, m_ui->CBtihouCH})
        box->setChecked(false);

    m_ui->SThojoKoumoku->clear();
    m_ui->STkaiseki->clear();
    m_ui->Lkaisekiexp2->hide();
    m_ui->Lkaisekiexp3->hide();
    m_ui->Lkaisekiexp4->hide();

    for (QComboBox *list : {m_ui->CBtiri1, m_ui->CBtiri2, m_ui->CBkaiyou, m_ui->CBgengo, m_ui->CBgengocom,
             m_ui->CBbungakucom, m_ui->CBzidairekisi}) {
        emptyList(list);
        list->hide();
    }
    m_ui->Lrekisiexp->hide();
    emptyList(m_ui->CBkoumokuhyou);
    m_ui->CBkoumokuhyou->hide();

    m_ui->STtaxel->clear();
    m_ui->STsaimoku->clear(); // the caption goes with its class number
    m_ui->STitizi->clear();
    m_ui->STnizi->clear();
    m_ui->CBsanzi->clear();
    m_hojocode.clear();

    for (QLabel *field : {m_ui->STgousei1, m_ui->STgousei2, m_ui->STgousei3, m_ui->SThojo1KM, m_ui->SThojo2KM,
             m_ui->SThojo3KM, m_ui->SThojo1KN, m_ui->SThojo2KN, m_ui->SThojo3KN, m_ui->STkihonBUN, m_ui->STkakutyouBUN})
        field->clear();
    m_rowEntries = {};
    m_extensionPart.clear();

    if (!spareHitList)
        m_ui->LBhitdata->clear();
}

void TSaimokuDialog::AnalyzeClassNumber(const QString &scheduleLine)
{
    const QString entry = m_ui->Esaimoku->text();
    ResetAnalysis(true);
    m_ui->CBsanzi->clear();

    const ClassAnalysis a = AnalyzeScheduleLine(entry, scheduleLine, m_files.sections.lines());
    if (!a.message.isEmpty()) {
        ShowMessage(a.message);
        return;
    }
    ShowAuxKindCaption(a.firstKind, a.secondKind);
    m_ui->STtaxel->setText(a.classNumber);
    m_ui->STsaimoku->setText(a.caption);

    for (int i = 0; i < a.sections.size(); ++i) {
        const SectionNames &names = a.sections.at(i);
        m_ui->STitizi->setText(names.mainClass);
        m_ui->STnizi->setText(names.division);
        m_ui->CBsanzi->addItem(names.section);
        if (i > 0)
            continue;
        const int kindValue = a.hasDescriptor ? ApplySynthesisField(a.descriptor, 0) : 0;
        m_hojocode.add(QString::number(kindValue));
        for (int slot = 1; slot <= a.formulas.size(); ++slot)
            ApplySynthesisField(a.formulas.at(slot - 1), slot);
    }
    if (m_ui->CBsanzi->count() > 0)
        m_ui->CBsanzi->setCurrentIndex(0);

    m_ui->STkihonBUN->setText(a.finalBasic);
    showExtensionPart(a.finalExtension);
    FillAuxLists();
}

void TSaimokuDialog::ShowAuxKindCaption(int first, int second)
{
    if (first < 0 || first > 14)
        first = 0;
    if (second < 0 || second > 14)
        second = 0;
    const QString caption = KindCaptionText(first, second);
    if (caption.isEmpty())
        return;
    m_ui->SThojoKoumoku->setText(caption);

    // Here the count changes before the box is ticked, so a box ticked now shows its second list
    // when the caption's second code makes the count 2.
    if (first == 1)
        m_formCount = 0;
    else if (first == 2)
        m_geoCount = 0;
    tickKindBox(first);
    if (second == 1)
        m_formCount = m_formCount == 1 ? 2 : 1;
    else if (second == 2)
        m_geoCount = m_geoCount == 1 ? 2 : 1;
    tickKindBox(second);
}

void TSaimokuDialog::tickKindBox(int kind)
{
    QCheckBox *box = boxOfKind(kind);
    if (!box || box->isChecked())
        return; // a box already ticked runs nothing
    {
        const QSignalBlocker quiet(box);
        box->setChecked(true);
    }
    (this->*kindBoxBehaviours()[kind - 1])(); // with the counts as they stand at this moment
}

void TSaimokuDialog::TickAuxKinds(int kind1, int kind2, int kind3)
{
    const int kinds[] = {kind1, kind2, kind3};
    for (int position = 1; position <= 3; ++position) {
        const int kind = kinds[position - 1];
        // Here the box is ticked before the count changes: its behaviour sees the count as it was.
        tickKindBox(kind);
        int *count = kind == 1 ? &m_formCount : kind == 2 ? &m_geoCount : nullptr;
        if (count)
            *count = position == 1 ? 1 : (*count == 1 ? 2 : 1);
    }
}

void TSaimokuDialog::showExtensionPart(const QString &part)
{
    m_extensionPart = part;
    m_ui->STkakutyouBUN->setText(part);
}

void TSaimokuDialog::showRowEntry(int row, const QString &entry)
{
    QLabel *const entryFields[] = {m_ui->SThojo1KN, m_ui->SThojo2KN, m_ui->SThojo3KN};
    m_rowEntries[row] = entry;
    entryFields[row]->setText(entry);
}

int TSaimokuDialog::ApplySynthesisField(const QString &field, int slot)
{
    const SynthesisField f = ReadSynthesisField(field, slot, m_tables, m_division);
    if (slot == 0) {
        if (f.itemCount >= 1)
            TickAuxKinds(f.kinds[0], f.kinds[1], f.kinds[2]);
        if (f.itemCount >= 2)
            m_ui->STkihonBUN->setText(f.basicPart);
        if (f.itemCount >= 3)
            showExtensionPart(f.extensionPart);
        if (f.firstNote)
            ShowSpecialNote(f.firstNote, 0);
        if (f.secondNote)
            ShowSpecialNote(f.secondNote, 1);
        if (f.itemCount >= 3)
            showRowEntry(0, showLookup(f.entry));
        return f.result;
    }

    QLabel *const formulaFields[] = {m_ui->STgousei1, m_ui->STgousei2, m_ui->STgousei3};
    QLabel *const kindFields[] = {m_ui->SThojo1KM, m_ui->SThojo2KM, m_ui->SThojo3KM};
    const int row = slot - 1;
    if (row < 0 || row > 2)
        return 0;
    if (f.itemCount >= 1)
        formulaFields[row]->setText(f.formula);
    if (f.itemCount >= 2) {
        kindFields[row]->setText(f.kindName);
        m_rowKinds[row] = f.kind;
        TickAuxKinds(row == 0 ? f.kind : 0, row == 1 ? f.kind : 0, row == 2 ? f.kind : 0);
    }
    if (f.itemCount >= 3)
        showRowEntry(row, showLookup(f.entry));
    return 0;
}

QString TSaimokuDialog::showLookup(const AuxEntry &entry)
{
    if (entry.found() && (entry.table == AuxTable::Tihou || entry.table == AuxTable::Koumokuhyou)) {
        QComboBox *list = listOfTable(entry.table);
        list->setCurrentIndex(entry.index);
        list->show();
    }
    return entry.text;
}

void TSaimokuDialog::ShowSpecialNote(int number, int slot)
{
    const QRect design = ResizeKit::designGeometry(m_ui->Pzizyou);
    if (slot == 0) {
        m_ui->STzizyou->setText(SpecialNoteText(number));
        ResizeKit::setDesignGeometry(m_ui->Pzizyou, QRect(design.x(), NotesTopOne, design.width(), NotesHeightOne));
    } else {
        m_ui->STzizyou2->setText(SpecialNoteText(number));
        ResizeKit::setDesignGeometry(m_ui->Pzizyou, QRect(design.x(), NotesTopTwo, design.width(), NotesHeightTwo));
    }
    m_ui->Pzizyou->show();
    m_ui->Pzizyou->raise();
}

void TSaimokuDialog::FillAuxLists()
{
    for (int row = 0; row < 3; ++row) {
        QComboBox *list = nullptr;
        switch (m_rowKinds[row]) {
        case 1:
            list = row == 0 || m_ui->CBkeisiki1->currentText().isEmpty() ? m_ui->CBkeisiki1 : m_ui->CBkeisiki2;
            break;
        case 2: list = row == 0 || m_ui->CBtiri1->currentText().isEmpty() ? m_ui->CBtiri1 : m_ui->CBtiri2; break;
        case 7:
            list = m_ui->CBzidairekisi; // a literary period entry of division 91 is shown here too
            break;
        default: list = listOfTable(AuxTableOfKind(m_rowKinds[row], m_division)); break;
        }
        if (list)
            list->setEditText(m_rowEntries[row]);
    }
}

// ---- re-analysis and the section names ---------------------------------------------------------

void TSaimokuDialog::BkaisekiClick()
{
    const ExtensionMatch match = MatchExtensionCode(m_extensionPart, m_tables, m_division);
    for (const AuxEntry &entry : match.entries) {
        listOfTable(entry.table)->setEditText(entry.text);
        // The literary period list is never shown; its match is shown in the period list as well.
        if (entry.table == AuxTable::ZidaiBun)
            m_ui->CBzidairekisi->setEditText(entry.text);
    }
    switch (match.result) {
    case ExtensionMatch::TableMatch:
        ShowMessage(QStringLiteral(
            "補助表の分類に一致するコードがありますが、正しい補助項目かどうかを判断する必要があります。"));
        break;
    case ExtensionMatch::ZeroJoined:
        m_ui->STkaiseki->setText(match.structureText());
        m_ui->Lkaisekiexp2->show();
        break;
    case ExtensionMatch::Leading02:
        m_ui->STkaiseki->setText(match.structureText());
        m_ui->Lkaisekiexp3->show();
        break;
    case ExtensionMatch::Leading2:
        m_ui->STkaiseki->setText(match.structureText());
        m_ui->Lkaisekiexp4->show();
        break;
    default: break;
    }
}

void TSaimokuDialog::Bkaiseki2Click()
{
    // Analysing each code of a several-table extension separately is not offered.
}

void TSaimokuDialog::CBsanziClick(int index)
{
    // Only the first section line of an analysis has a kind value; the others show nothing.
    if (index < 0 || index >= m_hojocode.count())
        return;
    const QString code = m_hojocode.get(index);
    ShowMessage(code);
    const int kind = ReadInt(code);
    for (int rowKind : m_rowKinds)
        if (rowKind != 0)
            return;

    m_ui->CBkeisikiCH->setChecked(false);
    for (QWidget *w : std::initializer_list<QWidget *> {m_ui->Lkeisikiexp, m_ui->CBtiri1, m_ui->CBkaiyou, m_ui->CBgengo,
             m_ui->CBgengocom, m_ui->CBbungakucom, m_ui->CBzidairekisi, m_ui->Lrekisiexp})
        w->hide();
    switch (kind) {
    case 1: m_ui->CBkeisikiCH->setChecked(true); break;
    case 2: m_ui->CBtiri1->show(); break;
    case 3: m_ui->CBkaiyou->show(); break;
    case 4: m_ui->CBgengo->show(); break;
    case 5: m_ui->CBgengocom->show(); break;
    case 6: m_ui->CBbungakucom->show(); break;
    case 7:
        m_ui->CBzidairekisi->show();
        m_ui->Lrekisiexp->show();
        break;
    case 8: m_ui->CBtihou->show(); break;
    default: break;
    }
}

// ---- the nine boxes: ticked shows the table's list, unticked empties and hides it ---------------

void TSaimokuDialog::CBkeisikiCHClick()
{
    if (m_ui->CBkeisikiCH->isChecked()) {
        m_ui->CBkeisiki1->show();
        m_ui->Lkeisikiexp->show();
        if (m_formCount == 2)
            m_ui->CBkeisiki2->show();
        return;
    }
    emptyList(m_ui->CBkeisiki1);
    emptyList(m_ui->CBkeisiki2);
    m_ui->Lkeisikiexp->hide();
    m_ui->CBkeisiki1->hide();
    m_ui->CBkeisiki2->hide();
}

void TSaimokuDialog::CBtiriCHClick()
{
    if (m_ui->CBtiriCH->isChecked()) {
        m_ui->CBtiri1->show();
        if (m_geoCount == 2)
            m_ui->CBtiri2->show();
        return;
    }
    emptyList(m_ui->CBtiri1);
    emptyList(m_ui->CBtiri2);
    m_ui->CBtiri1->hide();
    m_ui->CBtiri2->hide();
}

namespace {
void showOrEmpty(const QCheckBox *box, QComboBox *list)
{
    if (box->isChecked()) {
        list->show();
        return;
    }
    list->setCurrentIndex(-1);
    list->setEditText(QString());
    list->hide();
}
} // namespace

void TSaimokuDialog::CBkaiyouCHClick()
{
    showOrEmpty(m_ui->CBkaiyouCH, m_ui->CBkaiyou);
}

void TSaimokuDialog::CBgengoCHClick()
{
    showOrEmpty(m_ui->CBgengoCH, m_ui->CBgengo);
}

void TSaimokuDialog::CBgengoKTCHClick()
{
    showOrEmpty(m_ui->CBgengoKTCH, m_ui->CBgengocom);
}

void TSaimokuDialog::CBbungakuKTCHClick()
{
    showOrEmpty(m_ui->CBbungakuKTCH, m_ui->CBbungakucom);
}

void TSaimokuDialog::CBzidaiRCHClick()
{
    showOrEmpty(m_ui->CBzidaiRCH, m_ui->CBzidairekisi); // Lrekisiexp belongs to the section-name choice
}

void TSaimokuDialog::CBkoumokuCHClick()
{
    showOrEmpty(m_ui->CBkoumokuCH, m_ui->CBkoumokuhyou);
}

void TSaimokuDialog::CBtihouCHClick()
{
    showOrEmpty(m_ui->CBtihouCH, m_ui->CBtihou);
}
