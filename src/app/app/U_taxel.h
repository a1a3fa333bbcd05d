#pragma once

#include <QIcon>
#include <QWidget>
#include <memory>

namespace Ui {
class MainForm;
}

/// The program's icon, the pictures the desktop shows for it (packaging/icons, built into the
/// program), for every window of the program.
QIcon ProgramIcon();

/// The main menu window: the four study menus, the description box, the explanation and help
/// panels, the catalogue links and the two hidden maintenance commands.
class TMainForm final : public QWidget
{
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    /// Shows the two maintenance commands (hidden in the delivered program).
    void setMaintenanceMode(bool on);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private slots:
    void BstudyMouseEnter(QObject *sender);
    void Lkensaku1MouseEnter(QObject *sender);
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
    /// The hover descriptions: the text the description box shows for \a sender, or a null text
    /// when the sender is not one of the described controls.
    QString descriptionFor(const QObject *sender) const;
    void FormCreate();
    void collapseHelp();
    void reportBuilderResult(int result);

    std::unique_ptr<Ui::MainForm> m_ui;
    bool m_onSurface = false;
    bool m_activating = false;
    bool m_shownOnce = false;
};
