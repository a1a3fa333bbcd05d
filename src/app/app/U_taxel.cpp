#include "U_taxel.h"

#include "ui_U_taxel.h"

#include "AppWindows.h"
#include "DesktopEntry.h"
#include "datafiles/DataPaths.h"
#include "datafiles/DataRoot.h"
#include "datafiles/ProgramRandom.h"
#include "index/ExampleBuilder.h"
#include "index/ItemIndexBuilder.h"
#include "ui/Messages.h"
#include "ui/Shell.h"
#include "ui/U_koumoku.h"
#include "ui/U_saimoku.h"
#include "ui/U_study.h"
#include "ui/U_tutorial.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QScreen>
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

TMainForm::TMainForm(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::MainForm>())
{
    m_ui->setupUi(this);
    setWindowIcon(ProgramIcon());
    setMouseTracking(true);

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

    m_ui->Psetumei->hide();
    m_ui->Phelp->raise(); // the expanded help panel reaches over the explanation panel
    m_ui->LmakeKoumoku->hide();
    m_ui->LmakeReidai->hide();
    m_ui->Lsyspath->hide();
    m_ui->Bstudy->setFocus();

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

    // every widget passes its pointer-enter to the hover handlers; the bare surface is tracked
    // through mouse moves
    const auto children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);

    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::setMaintenanceMode(bool on)
{
    m_ui->LmakeKoumoku->setVisible(on);
    m_ui->LmakeReidai->setVisible(on);
}

void TMainForm::FormCreate()
{
    // the working folder at start-up; the data root was fixed from it (or from --root)
    m_ui->Lsyspath->setText(QDir::toNativeSeparators(QDir::currentPath()));
}

QString TMainForm::descriptionFor(const QObject *sender) const
{
    if (sender == m_ui->Bstudy)
        return QStringLiteral(
            "学校図書館での分類作業の手引書として刊行された資料を、項目ごとに再編集して分類規定を解説します。"
            "あわせて、学校図書館でNDCの細目表をどのように活用すればよいかを説明します。");
    if (sender == m_ui->Btutorial)
        return QStringLiteral(
            "分類規定の学習を参照しながら、基本・補助表・類ごとの例題で分類記号を付与する練習をします。"
            "解答と解説を確かめることで、分類規定についての学習をさらに深められます。");
    if (sender == m_ui->Bsaimoku)
        return QStringLiteral("分類記号を入力すると、その記号に当たる分類項目を細目表から表示します。記号の各桁がそれぞ"
                              "れ何を意味しているか、"
                              "また付与された分類記号がどのような仕組みで合成されているのかを学ぶことができます。");
    if (sender == m_ui->Bkoumoku)
        return QStringLiteral(
            "入力した語句で分類項目を検索し、一致した分類の事例を表示します。検索結果の分類項目を分析して、"
            "分類記号を合成するためのヒントと、練習のための例題を表示します。");
    if (sender == m_ui->Bhelp)
        return QStringLiteral("バージョン情報とマニュアル参照のボタンを表示します。");
    if (sender == m_ui->Lkensaku1)
        return QStringLiteral("国会図書館サーチの検索ページに接続します。検索結果には、分類記号が表示されます。"
                              "簡単な内容が表示される場合があります。");
    if (sender == m_ui->Lkensaku2)
        return QStringLiteral(
            "国会図書館オンライン（NDL-OPAC）の検索ページに接続します。データベースの収録数は最も多いですが、"
            "基本情報のみが表示されます。");
    if (sender == m_ui->Lkensaku3)
        return QStringLiteral("WebCatPlusの検索ページに接続します。検索結果には、分類記号は表示されませんが、"
                              "表紙画像と目次や詳細な内容が表示されます。");
    return QString();
}

void TMainForm::BstudyMouseEnter(QObject *sender)
{
    if (sender == m_ui->Bstudy || sender == m_ui->Btutorial || sender == m_ui->Bsaimoku || sender == m_ui->Bkoumoku
        || sender == m_ui->Bhelp)
        m_ui->STsetumei->setText(descriptionFor(sender));
}

void TMainForm::Lkensaku1MouseEnter(QObject *sender)
{
    if (sender == m_ui->Lkensaku1 || sender == m_ui->Lkensaku2 || sender == m_ui->Lkensaku3)
        m_ui->STsetumei->setText(descriptionFor(sender));
}

void TMainForm::FormMouseEnter()
{
    m_ui->STsetumei->clear();
}

void TMainForm::FormActivate()
{
    if (m_activating)
        return; // the shortcut message box hands the activation back while we are still here
    m_activating = true;
    SeedProgramRandom(static_cast<std::uint32_t>(std::time(nullptr)));
    DesktopEntry::createDesktopShortcut(QCoreApplication::applicationFilePath(), &ShowMessage);
    m_activating = false;
}

void TMainForm::LhazimeniClick()
{
    m_ui->Psetumei->setVisible(m_ui->Psetumei->isHidden());
}

void TMainForm::LcloseEXPClick()
{
    m_ui->Psetumei->hide();
    m_ui->Phelp->raise(); // the expanded help panel reaches over the explanation panel
}

void TMainForm::collapseHelp()
{
    m_ui->Bhelp->setText(QStringLiteral("ヘルプ"));
    m_ui->Phelp->resize(m_ui->Phelp->width(), kHelpCollapsed);
}

void TMainForm::BhelpClick()
{
    if (m_ui->Phelp->height() > 100) {
        collapseHelp();
    } else {
        m_ui->Bhelp->setText(QStringLiteral("閉じる"));
        m_ui->Phelp->resize(m_ui->Phelp->width(), kHelpExpanded);
    }
}

void TMainForm::BverClick()
{
    collapseHelp();
    ShowMessage(QStringLiteral("Bld.020 2022/4/28 \nTaxel taxel.exe"));
}

void TMainForm::BmanualClick()
{
    collapseHelp();
    OpenWithDesktop(QUrl::fromLocalFile(DataRoot::path(DataPaths::manual())));
}

void TMainForm::Lkensaku1Click()
{
    OpenWithDesktop(QUrl(QStringLiteral("https://ndlsearch.ndl.go.jp/")));
}

void TMainForm::Lkensaku2Click()
{
    OpenWithDesktop(QUrl(QStringLiteral("https://ndlonline.ndl.go.jp/")));
}

void TMainForm::Lkensaku3Click()
{
    OpenWithDesktop(QUrl(QStringLiteral("http://webcatplus.nii.ac.jp/")));
}

void TMainForm::reportBuilderResult(int result)
{
    if (result < 0)
        ShowMessage(QStringLiteral("作成できませんでした！"));
    else
        ShowMessage(QString::number(result) + QStringLiteral(" 件 作成しました。"));
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
    const int result = MakeKoumokuIndex(&ShowMessage, [&cursor] { cursor.show(); });
    cursor.hide();
    reportBuilderResult(result);
}

void TMainForm::LmakeReidaiClick()
{
    reportBuilderResult(MakeReidaiData(&ShowMessage));
}

// The main window becomes the active window again when a study window closes.
void TMainForm::BstudyClick()
{
    ShowStudyWindow(DialogStudy);
    FormActivate();
}

void TMainForm::BtutorialClick()
{
    ShowStudyWindow(TutorialDialog);
    FormActivate();
}

void TMainForm::BsaimokuClick()
{
    ShowStudyWindow(SaimokuDialog);
    FormActivate();
}

void TMainForm::BkoumokuClick()
{
    ShowStudyWindow(KoumokuDialog);
    FormActivate();
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
        BstudyMouseEnter(watched);
        Lkensaku1MouseEnter(watched);
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
