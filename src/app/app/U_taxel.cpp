#include "U_taxel.h"

#include "ui_U_taxel.h"

#include "DesktopEntry.h"
#include "datafiles/DataPaths.h"
#include "datafiles/ProgramRandom.h"
#include "index/ExampleBuilder.h"
#include "index/ItemIndexBuilder.h"
#include "ui/StudyWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMouseEvent>
#include <QStyle>
#include <ctime>
#include <utility>

namespace {

const int kHelpCollapsed = 33;
const int kHelpExpanded = 147;

QFont pixelFont(const QString &family, int pixels, bool bold, bool underline = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/taxel-%1.png").arg(size), QSize(size, size));
    return icon;
}

TMainForm::TMainForm(WindowServices services, QWidget *parent)
    : QWidget(parent)
    , m_services(std::move(services))
    , m_ui(std::make_unique<Ui::MainForm>())
{
    m_ui->setupUi(this);
    setWindowIcon(ProgramIcon());
    setMouseTracking(true);
    setUpLooks();
    setUpTexts();
    m_ui->Lsyspath->hide();
    m_ui->Bstudy->setFocus();
    bindControls();
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::setUpLooks()
{
    const QString tahoma = QStringLiteral("Tahoma");
    const QString gothic = QStringLiteral("ＭＳ ゴシック");
    setFont(pixelFont(tahoma, 15, true));
    for (QWidget *button : {m_ui->Bstudy, m_ui->Btutorial, m_ui->Bsaimoku, m_ui->Bkoumoku})
        button->setFont(pixelFont(tahoma, 27, true));
    m_ui->BBclose->setFont(pixelFont(tahoma, 24, true));
    m_ui->BBclose->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    m_ui->Lhazimeni->setFont(pixelFont(tahoma, 16, true, true));
    m_ui->STsetumei->setFont(pixelFont(gothic, 16, true));
    m_ui->Psetumei->setFont(pixelFont(gothic, 16, true));
    for (QLabel *label : {m_ui->Label1, m_ui->Label2, m_ui->Label3, m_ui->Label4, m_ui->Label5, m_ui->Label6})
        label->setFont(pixelFont(gothic, 17, true));
    m_ui->Label7->setFont(pixelFont(gothic, 16, true));
    m_ui->LcloseEXP->setFont(pixelFont(gothic, 16, true, true));
    for (QLabel *link : {m_ui->Lkensaku1, m_ui->Lkensaku2, m_ui->Lkensaku3, m_ui->LmakeKoumoku, m_ui->LmakeReidai})
        link->setFont(pixelFont(tahoma, 15, true, true));
}

void TMainForm::setUpTexts()
{
    m_ui->Label1->setText(QStringLiteral(
        "  このメニューは、学校図書館での分類作業を詳しく解説した大部の刊行資料を、効率よく学習するために作成しました。"
        "その資料は、本文450ページにわたってNDCの細目表の多くを取り上げて解説し、さらに相関索引の役割を果たす"
        "275ページ（1万6千5百項目）の索引を備えた、分類作業のための重要な手引きです。"));
    m_ui->Label2->setText(QStringLiteral("  "
                                         "これらの厖大な文書を、目視だけで読んで学習することは困難と考え、目的別にメニ"
                                         "ュー化したプログラムを提供することで、効果的に学習できるようにしました。"));
    m_ui->Label3->setText(QStringLiteral("  "
                                         "1つ目のメニュー「分類記号付与の学習」は、上記文書を類毎に読む為のものです。目"
                                         "的に合わせて学習したい項目を選択することが出来ます。"));
    m_ui->Label4->setText(QStringLiteral("  "
                                         "2つ目のメニュー「分類記号付与のチュートリアル」は、類などを指定して、例題の分"
                                         "類記号を考える事で学習を進めます。"));
    m_ui->Label5->setText(QStringLiteral("  "
                                         "3つ目のメニュー｢分類細目の検索」は、分類記号を入力して、その分類が何を意味し"
                                         "ているかを分析し、分類記号の合成の仕組みを学習します。"));
    m_ui->Label6->setText(
        QStringLiteral("  "
                       "4つ目のメニュー「分類項目の検索」は、本の主題や内容を入力して5万4千件のデータベースから検索し、"
                       "どのような分類記号が付与されるかを確認して学習を進めます。"));
}

void TMainForm::bindControls()
{
    connect(m_ui->Bstudy, &QPushButton::clicked, this, &TMainForm::BstudyClick);
    connect(m_ui->Btutorial, &QPushButton::clicked, this, &TMainForm::BtutorialClick);
    connect(m_ui->Bsaimoku, &QPushButton::clicked, this, &TMainForm::BsaimokuClick);
    connect(m_ui->Bkoumoku, &QPushButton::clicked, this, &TMainForm::BkoumokuClick);
    connect(m_ui->BBclose, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui->Bhelp, &QPushButton::clicked, this, &TMainForm::BhelpClick);
    connect(m_ui->Bver, &QPushButton::clicked, this, &TMainForm::BverClick);
    connect(m_ui->Bmanual, &QPushButton::clicked, this, &TMainForm::BmanualClick);
    connect(m_ui->Lhazimeni, &LinkLabel::clicked, this, &TMainForm::LhazimeniClick);
    connect(m_ui->LcloseEXP, &LinkLabel::clicked, this, &TMainForm::LcloseEXPClick);
    connect(m_ui->Lkensaku1, &LinkLabel::clicked, this, &TMainForm::Lkensaku1Click);
    connect(m_ui->Lkensaku2, &LinkLabel::clicked, this, &TMainForm::Lkensaku2Click);
    connect(m_ui->Lkensaku3, &LinkLabel::clicked, this, &TMainForm::Lkensaku3Click);
    connect(m_ui->LmakeKoumoku, &LinkLabel::clicked, this, &TMainForm::LmakeKoumokuClick);
    connect(m_ui->LmakeReidai, &LinkLabel::clicked, this, &TMainForm::LmakeReidaiClick);
    // the controls with a description for the pointer resting on them
    m_buttons = {{m_ui->Bstudy, MenuControl::Study}, {m_ui->Btutorial, MenuControl::Tutorial},
        {m_ui->Bsaimoku, MenuControl::Analysis}, {m_ui->Bkoumoku, MenuControl::ItemSearch},
        {m_ui->Bhelp, MenuControl::Help}};
    m_links = {{m_ui->Lkensaku1, MenuControl::Search1}, {m_ui->Lkensaku2, MenuControl::Search2},
        {m_ui->Lkensaku3, MenuControl::Search3}};
    // every widget passes its pointer-enter to the hover handlers; the bare surface is tracked
    // through mouse moves
    const auto children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);
}

void TMainForm::setMaintenanceMode(bool on)
{
    m_state.maintenance = on;
    render();
}

void TMainForm::FormCreate()
{
    // the working folder at start-up; the data root was fixed from it (or from --root)
    m_state.workingFolder = QDir::toNativeSeparators(QDir::currentPath());
    render();
}

// ---- handlers: one call on the state each ------------------------------------------------------

void TMainForm::BstudyMouseEnter(MenuControl control)
{
    m_state.pointTo(control);
    render();
}

void TMainForm::Lkensaku1MouseEnter(MenuControl control)
{
    m_state.pointTo(control);
    render();
}

void TMainForm::FormMouseEnter()
{
    m_state.pointToSurface();
    render();
}

void TMainForm::FormActivate()
{
    if (m_activating)
        return; // the shortcut message box hands the activation back while we are still here
    m_activating = true;
    m_services.random->seed(static_cast<std::uint32_t>(std::time(nullptr)));
    DesktopEntry::createDesktopShortcut(QCoreApplication::applicationFilePath(), m_services.desktopFolder,
        m_services.tree.path(DataPaths::binFolder()) + QLatin1Char('/'), m_services.show);
    m_activating = false;
}

void TMainForm::LhazimeniClick()
{
    m_state.toggleExplanation();
    render();
}

void TMainForm::LcloseEXPClick()
{
    m_state.closeExplanation();
    render();
}

void TMainForm::BhelpClick()
{
    m_state.toggleHelp();
    render();
}

void TMainForm::BverClick()
{
    m_state.closeHelp();
    render({MainMenuState::versionMessage()});
}

void TMainForm::BmanualClick()
{
    m_state.closeHelp();
    render();
    m_services.openUrl(QUrl::fromLocalFile(m_services.tree.path(DataPaths::manual())));
}

void TMainForm::Lkensaku1Click()
{
    m_services.openUrl(QUrl(QStringLiteral("https://ndlsearch.ndl.go.jp/")));
}

void TMainForm::Lkensaku2Click()
{
    m_services.openUrl(QUrl(QStringLiteral("https://ndlonline.ndl.go.jp/")));
}

void TMainForm::Lkensaku3Click()
{
    m_services.openUrl(QUrl(QStringLiteral("http://webcatplus.nii.ac.jp/")));
}

void TMainForm::LmakeKoumokuClick()
{
    // The wait cursor comes on once the master file is loaded, and goes also when a write fails.
    struct WaitCursor
    {
        bool shown = false;
        void show()
        {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            shown = true;
        }
        void hide()
        {
            if (std::exchange(shown, false))
                QApplication::restoreOverrideCursor();
        }
        ~WaitCursor() { hide(); }
    } cursor;
    const int result = MakeKoumokuIndex(m_services.tree, m_services.show, [&cursor] { cursor.show(); });
    cursor.hide();
    render({MainMenuState::builderMessage(result)});
}

void TMainForm::LmakeReidaiClick()
{
    render({MainMenuState::builderMessage(MakeReidaiData(m_services.tree, m_services.show))});
}

// The main window becomes the active window again when a study window closes.
void TMainForm::openStudyWindow(QDialog *window)
{
    if (window) {
        PlaceStudyWindow(window);
        window->exec();
    }
    FormActivate();
}

void TMainForm::BstudyClick()
{
    openStudyWindow(m_windows.study);
}

void TMainForm::BtutorialClick()
{
    openStudyWindow(m_windows.tutorial);
}

void TMainForm::BsaimokuClick()
{
    openStudyWindow(m_windows.analysis);
}

void TMainForm::BkoumokuClick()
{
    openStudyWindow(m_windows.itemSearch);
}

bool TMainForm::event(QEvent *event)
{
    // activated when first shown; later activations that come from switching between programs
    // are not the program's own (closing a study window activates it explicitly)
    if (event->type() == QEvent::WindowActivate && !m_shownOnce) {
        m_shownOnce = true;
        FormActivate();
    }
    if (event->type() == QEvent::Enter && !childAt(mapFromGlobal(QCursor::pos()))) {
        m_onSurface = true;
        FormMouseEnter();
    }
    return QWidget::event(event);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        m_onSurface = false;
        if (m_buttons.contains(watched))
            BstudyMouseEnter(m_buttons.value(watched));
        if (m_links.contains(watched))
            Lkensaku1MouseEnter(m_links.value(watched));
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::mouseMoveEvent(QMouseEvent *event)
{
    const bool onSurface = childAt(event->position().toPoint()) == nullptr;
    if (onSurface && !m_onSurface)
        FormMouseEnter();
    m_onSurface = onSurface;
    QWidget::mouseMoveEvent(event);
}

// ---- render: the state, shown ------------------------------------------------------------------

void TMainForm::render(const QStringList &messages)
{
    const MainMenuState &s = m_state;
    m_ui->STsetumei->setText(s.description);
    m_ui->Psetumei->setVisible(s.explanationShown);
    m_ui->Phelp->raise(); // the open help panel reaches over the explanation panel
    m_ui->Bhelp->setText(s.helpButtonText());
    m_ui->Phelp->resize(m_ui->Phelp->width(), s.helpOpen ? kHelpExpanded : kHelpCollapsed);
    m_ui->LmakeKoumoku->setVisible(s.maintenance);
    m_ui->LmakeReidai->setVisible(s.maintenance);
    m_ui->Lsyspath->setText(s.workingFolder);
    for (const QString &message : messages)
        m_services.show(message);
}
