#include "WindowTestSupport.h"

#include "app/TaxelApplication.h"
#include "app/TaxelWindows.h"
#include "app/U_taxel.h"
#include "datafiles/FileError.h"
#include "ui/Messages.h"
#include "ui/U_koumoku.h"
#include "ui/U_saimoku.h"
#include "ui/U_study.h"
#include "ui/U_tutorial.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

/// The windows of one run, made and destroyed around each test.
class MainFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_services.services().desktopFolder = desktop();
        m_windows = std::make_unique<TaxelWindows>(m_services.services(), false);
        m_main = &m_windows->mainForm();
        application()->setErrorSink(m_messages.sink());
    }
    void TearDown() override { application()->setErrorSink({}); }
    static TaxelApplication *application() { return static_cast<TaxelApplication *>(QCoreApplication::instance()); }
    /// The desktop folder the main window writes its entry into; it does not exist at first.
    QString desktop() const { return m_desktop.path() + QStringLiteral("/desktop"); }
    template <typename T = QWidget> T *control(const char *name) const { return child<T>(m_main, name); }
    QString description() const { return shownText(m_main, "STsetumei"); }
    void click(const char *name) const { UserInput::click(control(name)); }
    /// Opens a study window with its menu button; the user closes it again with its close button.
    void visit(const char *button, QDialog *window) const
    {
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (window->isVisible()) {
                closer.stop();
                UserInput::click(child(window, "Bclose"));
            }
        });
        closer.start(0);
        click(button);
        EXPECT_FALSE(window->isVisible());
    }

    TempRoot m_root;
    QTemporaryDir m_desktop;
    RecordedServices m_services {m_root.tree(), true};
    const QList<QUrl> &m_opened = m_services.opened();
    MessageRecorder &m_messages = m_services.messages();
    std::unique_ptr<TaxelWindows> m_windows;
    TMainForm *m_main = nullptr;
};

} // namespace

TEST_F(MainFormTest, StartUpMakesTheFiveWindowsWithTheirCaptionsAndSizes)
{
    EXPECT_EQ(m_main->objectName(), QStringLiteral("MainForm"));
    EXPECT_EQ(m_main->windowTitle(), QStringLiteral("Taxel"));
    EXPECT_EQ(m_main->size(), QSize(509, 596));
    // the packaged icon's pictures are built into the program, from the smallest to the largest
    EXPECT_EQ(m_main->windowIcon().availableSizes().size(), 7);
    EXPECT_EQ(m_main->windowIcon().pixmap(256).width(), 256);
    const struct
    {
        QWidget *window;
        const char *name;
        const char16_t *caption;
        QSize size;
    } windows[] = {
        {&m_windows->itemSearch(), "KoumokuDialog", u"分類項目の検索", {1195, 723}},
        {&m_windows->study(), "DialogStudy", u"分類記号付与の学習", {1136, 734}},
        {&m_windows->tutorial(), "TutorialDialog", u"分類記号付与のチュートリアル", {1080, 712}},
        {&m_windows->analysis(), "SaimokuDialog", u"分類細目の検索", {1169, 733}},
    };
    for (const auto &w : windows) {
        ASSERT_NE(w.window, nullptr);
        EXPECT_EQ(w.window->objectName(), QString::fromLatin1(w.name));
        EXPECT_EQ(w.window->windowTitle(), QString::fromUtf16(w.caption));
        EXPECT_EQ(w.window->size(), w.size) << w.name;
        EXPECT_TRUE(w.window->isWindow());
        EXPECT_NE(w.window->findChild<QStatusBar *>(QStringLiteral("StatusBar1")), nullptr) << w.name;
    }
    EXPECT_TRUE(control<QLabel>("LmakeKoumoku")->isHidden());
    EXPECT_TRUE(control<QLabel>("LmakeReidai")->isHidden());
    EXPECT_TRUE(control<QWidget>("Psetumei")->isHidden());
    EXPECT_EQ(control<QLabel>("Lsyspath")->text(), QDir::toNativeSeparators(QDir::currentPath()));
    EXPECT_EQ(control<QWidget>("Phelp")->height(), 33);
    EXPECT_FALSE(control<QWidget>("Bver")->isHidden()) << "covered by the collapsed panel, not hidden";
}

TEST_F(MainFormTest, MaintenanceModeShowsTheTwoBuilderCommands)
{
    m_main->setMaintenanceMode(true);
    EXPECT_FALSE(control<QLabel>("LmakeKoumoku")->isHidden());
    EXPECT_FALSE(control<QLabel>("LmakeReidai")->isHidden());
}

TEST_F(MainFormTest, HoverDescriptionsStayUntilTheBareSurfaceIsEntered)
{
    showActive(m_main);
    UserInput::hover(control("Bstudy"));
    const QString studyText = description();
    EXPECT_GT(studyText.size(), 60);
    EXPECT_LT(studyText.size(), 120);

    UserInput::hover(control("STsetumei")); // the description box itself
    UserInput::hover(control("Phelp"), QPoint(2, 2)); // the panel around the help button
    EXPECT_EQ(description(), studyText);

    for (const char *name : {"Btutorial", "Bsaimoku", "Bkoumoku", "Bhelp"}) {
        UserInput::hover(control(name));
        EXPECT_NE(description(), studyText) << name;
        EXPECT_FALSE(description().isEmpty()) << name;
    }
    UserInput::hover(control("Lkensaku2"));
    EXPECT_EQ(description(),
        QStringLiteral("国会図書館オンライン（NDL-OPAC）の検索ページに接続します。"
                       "データベースの収録数は最も多いですが、基本情報のみが表示されます。"));
    UserInput::hover(m_main, QPoint(20, 300)); // the bare surface, left of the description box
    EXPECT_TRUE(description().isEmpty());
}

TEST_F(MainFormTest, HelpPanelExpandsCollapsesAndCollapsesBeforeItsCommandsAct)
{
    showActive(m_main);
    auto *phelp = control("Phelp");
    auto *bhelp = control<QPushButton>("Bhelp");
    click("Bhelp");
    EXPECT_EQ(phelp->height(), 147);
    EXPECT_EQ(bhelp->text(), QStringLiteral("閉じる"));
    click("Bhelp");
    EXPECT_EQ(phelp->height(), 33);
    EXPECT_EQ(bhelp->text(), QStringLiteral("ヘルプ"));

    click("Bhelp");
    click("Bver");
    EXPECT_EQ(phelp->height(), 33);
    EXPECT_EQ(m_messages.messages(), QStringList {QStringLiteral("Bld.020 2022/4/28 \nTaxel taxel.exe")});

    click("Bhelp");
    click("Bmanual");
    EXPECT_EQ(phelp->height(), 33);
    ASSERT_EQ(m_opened.size(), 1);
    EXPECT_EQ(m_opened[0].toLocalFile(), m_root.path(QStringLiteral("StudyTaxel/Taxelマニュアル.pdf")));
    EXPECT_EQ(m_messages.messages().size(), 1) << "a missing manual gives no message";
}

TEST_F(MainFormTest, CatalogueLinksAndTheExplanationPanel)
{
    showActive(m_main);
    click("Lkensaku1");
    click("Lkensaku2");
    click("Lkensaku3");
    EXPECT_EQ(m_opened,
        (QList<QUrl> {QUrl(QStringLiteral("https://ndlsearch.ndl.go.jp/")),
            QUrl(QStringLiteral("https://ndlonline.ndl.go.jp/")),
            QUrl(QStringLiteral("http://webcatplus.nii.ac.jp/"))}));

    auto *panel = control("Psetumei");
    click("Lhazimeni");
    EXPECT_FALSE(panel->isHidden());
    if (const QString folder = qEnvironmentVariable("TAXEL_SCREENSHOT_DIR"); !folder.isEmpty()) {
        click("Bhelp");
        m_main->grab().save(folder + QStringLiteral("/mainform-explanation.png"));
        click("Bhelp");
    }
    click("Lhazimeni");
    EXPECT_TRUE(panel->isHidden());
    click("Lhazimeni");
    click("LcloseEXP");
    EXPECT_TRUE(panel->isHidden());
    for (int i = 1; i <= 6; ++i)
        EXPECT_TRUE(control<QLabel>(QStringLiteral("Label%1").arg(i).toLatin1().constData())
                        ->text()
                        .startsWith(QStringLiteral("  ")));
}

TEST_F(MainFormTest, MaintenanceCommandsReportFailureAfterTheBuildersMessages)
{
    m_main->setMaintenanceMode(true);
    showActive(m_main);
    click("LmakeKoumoku"); // no master file in this tree
    click("LmakeReidai");
    ASSERT_GE(m_messages.messages().size(), 2);
    EXPECT_EQ(m_messages.messages().constLast(), QStringLiteral("作成できませんでした！"));
    EXPECT_EQ(m_messages.messages().count(QStringLiteral("作成できませんでした！")), 2);
}

TEST_F(MainFormTest, AFailedIndexBuildShowsItsErrorAndGivesTheCursorBack)
{
    m_root.writeLines(QStringLiteral("StudyTaxel/Koumoku_All.csv"), {QStringLiteral("1,/1,map,,a,b,,1")});
    m_main->setMaintenanceMode(true);
    showActive(m_main);
    // no KoumokuIndex folder: the first write fails, ends the command and is shown
    click("LmakeKoumoku");
    ASSERT_EQ(m_messages.messages().size(), 1);
    EXPECT_TRUE(m_messages.messages()[0].contains(QStringLiteral("109/97/112")))
        << m_messages.messages()[0].toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is not left behind";

    m_root.makeFolder(QStringLiteral("StudyTaxel/KoumokuIndex"));
    click("LmakeKoumoku");
    EXPECT_EQ(m_messages.messages().constLast(), QStringLiteral("1 件 作成しました。"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainFormTest, ActivationWritesTheDesktopEntryOnceAndOnlyIntoAnExistingDesktop)
{
    showActive(m_main); // the desktop folder does not exist
    EXPECT_TRUE(m_messages.messages().isEmpty());
    EXPECT_FALSE(QFile::exists(desktop() + QStringLiteral("/Taxel.desktop")));

    // a study window closing gives the main window the activation back; another window doing so starts
    // nothing
    QDir().mkpath(desktop());
    activateAgain(m_main);
    EXPECT_TRUE(m_messages.messages().isEmpty());
    visit("Bkoumoku", &m_windows->itemSearch());
    visit("Bsaimoku", &m_windows->analysis());
    EXPECT_EQ(m_messages.messages(), QStringList {QStringLiteral("デスクトップにTaxel起動アイコンを作成しました。")});
    const QString entry = desktop() + QStringLiteral("/Taxel.desktop");
    ASSERT_TRUE(QFile::exists(entry));
    EXPECT_TRUE(QFile::permissions(entry) & QFile::ExeOwner);

    QFile::remove(entry); // removed by the user: made again, with its message
    visit("Bkoumoku", &m_windows->itemSearch());
    EXPECT_EQ(m_messages.messages().size(), 2);
}

TEST(ErrorsInHandlers, AreShownAndTheProgramGoesOn)
{
    MessageRecorder messages;
    const MessageSink show = messages.sink();
    EXPECT_FALSE(RunGuarded([]() -> bool { throw FileError(QStringLiteral("ファイル x を開けません")); }, show));
    EXPECT_FALSE(RunGuarded([]() -> bool { throw std::runtime_error("boom"); }, show));
    EXPECT_FALSE(RunGuarded([]() -> bool { throw 42; }, show));
    EXPECT_TRUE(RunGuarded([] { return true; }, show));
    EXPECT_EQ(messages.messages(),
        (QStringList {QStringLiteral("ファイル x を開けません"), QStringLiteral("boom"), QString()}));
}
