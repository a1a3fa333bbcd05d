#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TutorialDialog;
}
class PracticeState;
class QLabel;
class QRadioButton;
class ResizeKit;
struct ExampleTexts;

/// The practice window: an exercise set, one to three exercises with hints and answers, and for
/// the two fixed-order sets their aims, explanations and progress.
class TTutorialDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit TTutorialDialog(QWidget *parent = nullptr);
    ~TTutorialDialog() override;

    const PracticeState &state() const { return *m_state; }
    /// The radio button of class \a digit (0 … 9).
    QRadioButton *classButton(int digit) const;

    void RBkihonClick(QObject *sender);
    void RBouyouClick();
    void RBhojoClick();
    /// An item of the auxiliary-table box chosen; -1 when none is.
    void CBhojokoumokuClick(int item);
    void CBreinumChange();
    void BquesClick();
    void Lhint1Click(QObject *sender);
    void Bren1Click();
    void Bren2Click();
    void Bren3Click();
    void LresetClick();
    void BsaveLastClick();
    void CBstartNumClick(int index);
    void LbeforeClick();
    void LkihonClick(QObject *sender);
    void BcloseClick();
    void ResetExercises();

private:
    QString setDescription(int classDigit) const;
    int questionCount() const;
    void writeLookupResults(const ExampleTexts &texts);
    void showFixedOrderPanel(bool advanced);
    void showProgress();
    int slotOf(QObject *sender, const char *prefix) const;
    QLabel *field(const QString &name) const;

    std::unique_ptr<Ui::TutorialDialog> m_ui;
    std::unique_ptr<PracticeState> m_state;
    ResizeKit *m_resizeKit = nullptr;
};
