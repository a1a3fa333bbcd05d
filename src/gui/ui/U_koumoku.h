#pragma once

#include "WindowServices.h"
#include "index/ItemSearchState.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <memory>

namespace Ui {
class KoumokuDialog;
}
class QLabel;
class QFrame;
class ResizeKit;

/// The window "分類項目の検索": a keyword search over the item index, the items found, and up to
/// four worked examples of the chosen item with their hints and answers. What it shows is an
/// ItemSearchState: each handler makes one call on it and render() shows the result.
class TKoumokuDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit TKoumokuDialog(WindowServices services, QWidget *parent = nullptr);
    ~TKoumokuDialog() override;

    const ItemSearchState &state() const { return m_state; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void EkoumokuKeyPress();
    void EkoumokuEnter();
    void LandorClick();
    /// One of the two search options chosen: \a exact for 完全一致.
    void RBnormalClick(bool exact);
    void LsaikenClick();
    /// Line \a row of the hit list chosen (-1 when none is).
    void LBhitdataClick(int row);
    void Bkai1Click(int slot);
    void Lhint1Click(int slot);
    void BcloseClick();

private:
    void bindControls();
    void render(const QStringList &messages = {});

    /// The controls of one example slot.
    struct Slot
    {
        QLabel *number;
        QLabel *title;
        QLabel *answerArea;
        QLabel *hintMirror; ///< hidden LhintM: mirrors the slot's hint
        QLabel *answerMirror; ///< hidden Lkai: mirrors the slot's answer
        QFrame *mask;
    };

    WindowServices m_services;
    std::unique_ptr<Ui::KoumokuDialog> m_ui;
    ResizeKit *m_resizeKit = nullptr;
    std::array<Slot, 4> m_slots {};
    ItemSearchState m_state;
    QStringList m_shownHits; ///< the hit list's lines as last rendered
};
