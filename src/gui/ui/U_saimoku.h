#pragma once

#include "analysis/AuxTables.h"
#include "analysis/ClassEntry.h"
#include "datafiles/LineList.h"

#include <QDialog>
#include <array>
#include <memory>

namespace Ui {
class SaimokuDialog;
}
class QCheckBox;
class QComboBox;
class QKeyEvent;
struct AuxEntry;
class ResizeKit;

/// The window "分類細目の検索": a class number typed into Esaimoku is found in the schedules and
/// taken apart into its basic part and the codes appended from the auxiliary tables, with the
/// synthesis formulas and the special notes of its section.
class TSaimokuDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit TSaimokuDialog(QWidget *parent = nullptr);
    ~TSaimokuDialog() override;

    /// The entered number's leading integer div 10 (0 until an entry is accepted).
    int division() const { return m_division; }
    /// Whether a second form (geographic) division component was met: 0, 1 or 2.
    int formCount() const { return m_formCount; }
    int geoCount() const { return m_geoCount; }
    /// The kind code recorded with each of the three formula rows (0 when none).
    const std::array<int, 3> &rowKinds() const { return m_rowKinds; }
    /// LBhojocode: the section's kind value of the last analysis, one entry at most.
    const LineList &hojoCodes() const { return m_hojocode; }
    /// The nine check boxes in the order of their kind codes 1 to 9.
    QList<QCheckBox *> kindBoxes() const;

protected:
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

    void ResetAnalysis(bool spareHitList);
    void AnalyzeClassNumber(const QString &scheduleLine);
    void ShowAuxKindCaption(int first, int second);
    void TickAuxKinds(int kind1, int kind2, int kind3);
    /// Ticks the box of \a kind (1 … 9) and runs its behaviour, unless it is ticked already.
    void tickKindBox(int kind);
    int ApplySynthesisField(const QString &field, int slot);
    /// The extension part and a formula row's entry are kept for the re-analysis and the lists,
    /// and shown in their fields.
    void showExtensionPart(const QString &part);
    void showRowEntry(int row, const QString &entry);
    void ShowSpecialNote(int number, int slot);
    void FillAuxLists();

    /// Shows a found entry as the lookup does: the regional and summary tables also select it in
    /// their list and show that list. Returns the entry text.
    QString showLookup(const AuxEntry &entry);
    QCheckBox *boxOfKind(int kind) const;
    using Behaviour = void (TSaimokuDialog::*)();
    /// The behaviour of the nine boxes, in the order of their kind codes (that of kindBoxes()).
    static const std::array<Behaviour, 9> &kindBoxBehaviours();
    QComboBox *listOfTable(AuxTable table) const;
    static void emptyList(QComboBox *list);

    std::unique_ptr<Ui::SaimokuDialog> m_ui;
    ResizeKit *m_resizeKit = nullptr;

    AuxTables m_tables;
    ClassFiles m_files; ///< LBsaimokuList and LByoumokuList
    LineList m_hojoKoumoku; ///< LBhojoKoumoku: the nine kind names
    LineList m_hojocode; ///< LBhojocode
    int m_division = 0;
    int m_formCount = 0;
    int m_geoCount = 0;
    std::array<int, 3> m_rowKinds {};
    std::array<QString, 3> m_rowEntries; ///< shown in SThojo1KN … SThojo3KN
    QString m_extensionPart; ///< shown in STkakutyouBUN
};
