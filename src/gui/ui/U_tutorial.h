#pragma once

#include "WindowServices.h"

#include <QDialog>
#include <QRect>
#include <QStringList>

#include <array>
#include <memory>

namespace Ui {
class TutorialDialog;
}
class PracticeWindowState;
class QLabel;
class QLineEdit;
class ResizeKit;
class TextFileCache;

/// The practice window: an exercise set, one to three exercises with hints and answers, and for
/// the two fixed-order sets their aims, explanations and progress. What it shows is a
/// PracticeWindowState: each handler makes one call on it and render() shows the result.
class TTutorialDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit TTutorialDialog(WindowServices services, QWidget *parent = nullptr);
    ~TTutorialDialog() override;

    const PracticeWindowState &state() const { return *m_state; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    /// The basic set (-1) or the set of class \a classDigit (0 … 9).
    void RBkihonClick(int classDigit);
    void RBouyouClick();
    void RBhojoClick();
    void RBfukusyuClick();
    /// An item of the auxiliary-table box chosen; -1 when none is.
    void CBhojokoumokuClick(int item);
    void CBreinumChange(int index, const QString &text);
    void BquesClick();
    void Lhint1Click(int slot);
    void Bren1Click();
    void Bren2Click();
    void Bren3Click();
    void LresetClick();
    void BsaveLastClick();
    void CBstartNumClick(int index);
    void LbeforeClick();
    /// A link to an explanation: \a document, relative to the data root.
    void LkihonClick(const QString &document);
    void BcloseClick();

private:
    void setUpLooks();
    void bindSetControls();
    void bindSlotControls();
    void bindPanelControls();
    void render(const QStringList &messages = {});
    void renderBoxes();
    void renderSlot(int slot);
    /// Places the exercise text and the verdict of \a slot side by side without covering each other.
    void layoutExerciseRow(int slot);

    /// The controls of one exercise slot; the hidden labels only mirror the slot's texts.
    struct Slot
    {
        QLabel *exercise; ///< STrenK
        QLineEdit *answerBox; ///< ErenK
        QLabel *hintArea; ///< SThintK
        QLabel *answerArea; ///< STkaiK
        QLabel *hintMirror; ///< LhintMK
        QLabel *answerMirror; ///< LkaiK
        QLabel *verdict; ///< LhanteiK
    };

    WindowServices m_services;
    std::unique_ptr<Ui::TutorialDialog> m_ui;
    std::unique_ptr<PracticeWindowState> m_state;
    std::unique_ptr<TextFileCache> m_examples; ///< the example files, read again only when they change
    ResizeKit *m_resizeKit = nullptr;
    std::array<Slot, 3> m_slots {};
    QStringList m_shownStartEntries; ///< the start box's items as last rendered
    QRect m_exerciseRow; ///< the design place of the exercise row in its slot panel
};
