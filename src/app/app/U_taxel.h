#pragma once

#include "learning/MainMenuState.h"
#include "ui/WindowServices.h"

#include <QHash>
#include <QIcon>
#include <QPointer>
#include <QWidget>
#include <memory>

namespace Ui {
class MainForm;
}
class QDialog;

/// The program's icon, the pictures the desktop shows for it (packaging/icons, built into the
/// program), for every window of the program.
QIcon ProgramIcon();

/// The four study windows the main menu opens.
struct StudyWindows
{
    QPointer<QDialog> study; ///< 分類記号付与の学習
    QPointer<QDialog> tutorial; ///< the practice window
    QPointer<QDialog> analysis; ///< 分類細目の検索
    QPointer<QDialog> itemSearch; ///< 分類項目の検索
};

/// The main menu window: the four study menus, the description box, the explanation and help
/// panels, the catalogue links and the two hidden maintenance commands. What it shows is a
/// MainMenuState: each handler makes one call on it and render() shows the result.
class TMainForm final : public QWidget
{
    Q_OBJECT
public:
    explicit TMainForm(WindowServices services, QWidget *parent = nullptr);
    ~TMainForm() override;

    /// The windows its four menus open (made after it, as its children).
    void setStudyWindows(const StudyWindows &windows) { m_windows = windows; }
    /// Shows the two maintenance commands (hidden in the delivered program).
    void setMaintenanceMode(bool on);
    const MainMenuState &state() const { return m_state; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private slots:
    void BstudyMouseEnter(MenuControl control);
    void Lkensaku1MouseEnter(MenuControl control);
    void FormMouseEnter();
    void FormActivate();

    void LhazimeniClick();
    void LcloseEXPClick();
    void BhelpClick();
    void BverClick();
    void BmanualClick();
    void Lkensaku1Click();
    void Lkensaku2Click();
    void Lkensaku3Click();
    void LmakeKoumokuClick();
    void LmakeReidaiClick();

    void BstudyClick();
    void BtutorialClick();
    void BsaimokuClick();
    void BkoumokuClick();

private:
    void setUpLooks();
    void setUpTexts();
    void bindControls();
    void FormCreate();
    void openStudyWindow(QDialog *window);
    void render(const QStringList &messages = {});

    WindowServices m_services;
    std::unique_ptr<Ui::MainForm> m_ui;
    MainMenuState m_state;
    StudyWindows m_windows;
    QHash<const QObject *, MenuControl> m_buttons; ///< the menu buttons and the help button
    QHash<const QObject *, MenuControl> m_links; ///< the catalogue links
    bool m_onSurface = false;
    bool m_activating = false;
    bool m_shownOnce = false;
};
