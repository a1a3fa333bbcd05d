#pragma once

#include "datafiles/DataRoot.h"

#include <QString>
#include <QStringList>

#include <array>

/// One example slot of the item search window as shown.
struct ItemExampleSlot
{
    QString number; ///< STreinumK
    QString title; ///< STreiK
    QString answerArea; ///< STkaiK
    bool masked = true; ///< PmaskK covers the slot: no example is shown in it
    /// what the slot's example gives the hint link (kept until another example is found for the
    /// slot; LhintMK mirrors it) and the answer button (goes with the shown item; LkaiK mirrors it)
    QString hint;
    QString answer;
};

/// Everything the window "分類項目の検索" shows and keeps, as a value. Each user action is one
/// call that changes it and returns the messages to show; the window renders the result.
/// Query "図書館" with Enter → hits are the index lines of 図書館, hitCount "12 件のデータ"; picking
/// a hit shows its item and up to four worked examples.
struct ItemSearchState
{
    QString query; ///< Ekoumoku
    bool orSearch = false; ///< Landor: "AND検索" (false) or "OR検索"
    bool exact = false; ///< RBkanzen chosen rather than RBnormal
    QStringList hits; ///< LBhitdata
    QString hitCount = QStringLiteral("0 件のデータ"); ///< LhitDataNum
    bool noExamplesNote = false; ///< Lmask: "この分類の例題はありません。"
    /// the entry box is to get the keyboard focus (which, coming from another control, clears it)
    bool focusEntry = false;

    // the chosen item: STkoumoku, STyomi, STtaxel, STitizi, STnizi
    QString key;
    QString reading;
    QString classNumber;
    QString division1;
    QString division2;
    std::array<ItemExampleSlot, 4> examples;

    QString modeText() const { return orSearch ? QStringLiteral("OR検索") : QStringLiteral("AND検索"); }

    // ---- the user's actions ----

    /// Enter in the entry box: the index of \a tree searched for the query.
    QStringList search(const DataTree &tree);
    /// The entry box gets the focus from another control: the item, the hits and the query go.
    void enterEntry();
    /// The AND/OR link; the focus goes back to the entry box.
    void toggleMode();
    /// One of the two search options chosen; the focus goes back to the entry box.
    void chooseExact(bool on);
    /// The link that starts a new search.
    void startAgain();
    /// Hit \a row picked: its item, and its examples looked up in \a tree.
    void pickHit(const DataTree &tree, int row);
    /// The answer button and the hint link of slot \a slot (0 … 3).
    void showAnswer(int slot);
    void showHint(int slot);

private:
    void clearItem();
    void showExample(const DataTree &tree, int slot, const QString &number);
};
