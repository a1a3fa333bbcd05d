#pragma once

#include <QDialog>
#include <array>
#include <memory>

namespace Ui {
class KoumokuDialog;
}
class QLabel;
class QPushButton;
class QFrame;
class LinkLabel;
class ResizeKit;

/// The window "分類項目の検索": a keyword search over the item index, the items found, and up to
/// four worked examples of the chosen item with their hints and answers.
class TKoumokuDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit TKoumokuDialog(QWidget *parent = nullptr);
    ~TKoumokuDialog() override;

    /// The search mode kept in Landor's tag: 0 AND, 1 OR.
    int mode() const { return m_andOrTag; }
    /// 1 while the exact search is chosen, else 0.
    int exact() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void EkoumokuKeyPress();
    void EkoumokuEnter();
    void LandorClick();
    void RBnormalClick();
    void LsaikenClick();
    void LBhitdataClick();
    void Bkai1Click(int slot);
    void Lhint1Click(int slot);
    void BcloseClick();

private:
    /// The controls of one example slot.
    struct Slot
    {
        QLabel *number;
        QLabel *title;
        QLabel *answerArea;
        QLabel *hintMirror; ///< hidden LhintM: mirrors the slot's hint
        QLabel *answerMirror; ///< hidden Lkai: mirrors the slot's hint and answer
        QFrame *mask;
    };
    /// What a slot's example gives its hint link and answer button. The answer goes with the shown
    /// item; the hint stays until another example is found for the slot.
    struct SlotTexts
    {
        QString hint;
        QString answer;
    };

    void ClearKoumokuDetail();
    void showExample(int slot, const QString &number);

    std::unique_ptr<Ui::KoumokuDialog> m_ui;
    ResizeKit *m_resizeKit = nullptr;
    std::array<Slot, 4> m_slots {};
    std::array<SlotTexts, 4> m_slotTexts;
    int m_andOrTag = 0;
};
