#pragma once

#include "WindowServices.h"
#include "analysis/AnalysisState.h"

#include <QDialog>
#include <memory>

namespace Ui {
class SaimokuDialog;
}
class AnalysisData;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class ResizeKit;

/// The window "分類細目の検索": a class number typed into Esaimoku is found in the schedules and
/// taken apart into its basic part and the codes appended from the auxiliary tables, with the
/// synthesis formulas and the special notes of its section. What it shows is an AnalysisState: each
/// handler turns the user's action into one call on it, and render() shows the result.
class TSaimokuDialog final : public QDialog
{
    Q_OBJECT
public:
    /// The analysis reads the services' data, shared with the practice window.
    explicit TSaimokuDialog(WindowServices services, QWidget *parent = nullptr);
    ~TSaimokuDialog() override;

    const AnalysisState &state() const { return m_state; }
    /// The nine check boxes in the order of their kind codes 1 to 9.
    QList<QCheckBox *> kindBoxes() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    bool EsaimokuKeyPress(QKeyEvent *event);
    void LBhitdataClick();
    void LsaikenClick();
    void LcloseZizyouClick();
    void BcloseClick();
    void BkaisekiClick();
    void Bkaiseki2Click();
    void CBsanziClick(int index);
    void CBkeisikiCHClick();
    void CBtiriCHClick();
    void CBkaiyouCHClick();
    void CBgengoCHClick();
    void CBgengoKTCHClick();
    void CBbungakuKTCHClick();
    void CBzidaiRCHClick();
    void CBkoumokuCHClick();
    void CBtihouCHClick();

private:
    void FormCreate();
    /// A box the user clicked: its kind code (1 … 9); the box's new state is the input.
    void kindBoxClick(int kind);
    /// Shows the state, then the messages of the action that made it.
    void render(const QStringList &messages = {});
    /// The entry, the hit list and the names of the class number.
    void renderNumber(const AnalysisState &s);
    /// The formula rows, the basic and extension parts and the structure with its notes.
    void renderFormula(const AnalysisState &s);
    /// The table boxes and their lists.
    void renderTables(const AnalysisState &s);
    /// The notes panel.
    void renderNotes(const AnalysisState &s);
    QComboBox *listWidget(AuxList list) const;

    std::unique_ptr<Ui::SaimokuDialog> m_ui;
    ResizeKit *m_resizeKit = nullptr;
    WindowServices m_services;
    std::shared_ptr<AnalysisData> m_data;
    AnalysisState m_state;
};
