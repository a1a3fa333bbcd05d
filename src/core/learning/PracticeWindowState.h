#pragma once

#include "AnswerJudge.h"
#include "PracticeState.h"
#include "ReviewList.h"
#include "datafiles/DataRoot.h"
#include "index/ExampleLookup.h"

#include <QString>
#include <QStringList>

#include <array>

class AnalysisData;
class ProgramRandom;
class TextFileCache;

/// An editable list box of the practice window as shown: enabled or not, the chosen item (-1 for
/// none) and the text of its edit field.
struct ChoiceBox
{
    bool enabled = true;
    int index = -1;
    QString text;
};

/// One exercise slot as shown, and what its exercise gives the hint link and the answer button.
struct PracticeSlot
{
    QString exercise; ///< STrenK: "[22623] 学校図書館の手引き"
    QString answerText; ///< ErenK: what the learner typed
    QString hintArea; ///< SThintK
    QString answerArea; ///< STkaiK
    QString judgement; ///< LhanteiK: the verdict's text
    Verdict verdict = Verdict::NotJudged;
    /// the verdict that gave the text its colour last (kept while the text is cleared)
    Verdict colouredBy = Verdict::NotJudged;

    // what the slot's exercise gives it; hint and answer stay for the mirrors until the slot is set again
    QString hint; ///< LhintMK
    QString answer; ///< LkaiK
    QString number;
    int setCode = 0;
    bool asked = false; ///< the slot shows this exercise now
    bool counted = false; ///< the exercise has its place in the tally
};

/// Everything the practice window shows and keeps, as a value: the chosen set, the exercises in
/// the slots, their hints, answers and verdicts, the fixed-order panel, the tally and the review
/// set. Each user action is one call that changes it and returns the messages to show, in order;
/// the window renders the result. Choosing 基本練習問題 → setText is the set's description, the
/// fixed-order panel is shown with the list's length and progress, and the count box is locked at 1.
class PracticeWindowState
{
public:
    /// Reads the review set of \a tree; a file that cannot be read is reported in \a messages.
    PracticeWindowState(const DataTree &tree, QStringList *messages);

    /// The items of the table box (１．形式区分 …) and of the count box (１問 …), as the window shows them.
    static QStringList tableItems();
    static QStringList countItems();

    // ---- the user's actions; each returns the messages to show ----

    /// The basic set (-1) or the set of class \a classDigit (0 … 9).
    QStringList chooseBasicOrClass(int classDigit);
    QStringList chooseAdvanced();
    QStringList chooseAllTables();
    /// The review set, read again from the disk first (another run may have changed it). Throws
    /// FileError when the file exists but cannot be read.
    QStringList chooseReview();
    /// Item \a item (0 … 9) of the table box chosen; any other value when the text names none.
    QStringList chooseTable(int item);
    /// The learner typed \a text into the table box's field.
    void setTableText(const QString &text) { tableBox.text = text; }
    /// Enter in the table box's field with \a text: a text that names no item chooses nothing, which
    /// is reported (one that names an item is chosen by the box itself).
    QStringList enterTableText(const QString &text);
    /// The count box shows item \a index (-1 for none) and \a text in its field.
    void setCountBox(int index, const QString &text);
    /// The learner typed \a text into the start box's field.
    void setStartText(const QString &text) { startBox.text = text; }
    /// The learner typed \a text into the answer box of \a slot (0 … 2).
    void setAnswerText(int slot, const QString &text);
    /// 出題する: one to three exercises, drawn with \a random and looked up through \a examples.
    QStringList ask(ProgramRandom &random, TextFileCache &examples);
    void showHint(int slot);
    /// The answer button of \a slot: the answer shown, and a typed answer judged.
    QStringList showAnswer(int slot, const AnalysisData &data);
    /// Enter in the answer box of \a slot: the typed answer judged against the slot's exercise.
    QStringList judge(int slot, const AnalysisData &data);
    /// The link that clears the exercises.
    void reset();
    QStringList saveProgress();
    /// Entry \a index of the start box chosen.
    void chooseStart(int index);
    void stepBack();

    // ---- what the window shows ----

    const PracticeState &practice() const { return m_practice; }
    const ReviewList &review() const { return m_review; }
    const std::array<PracticeSlot, 3> &exercises() const { return m_slots; }
    /// One to three: the count box's chosen item, 1 while its field holds typed text.
    int questionCount() const;
    /// The verdict on each slot's answer: "", "correct", "wrong", "unreadable" or "noreference".
    QStringList verdictNames() const;

    QString setText; ///< SThint: the chosen set's description
    ChoiceBox tableBox {false, -1, QString()}; ///< CBhojokoumoku
    ChoiceBox countBox {true, 0, QString()}; ///< CBreinum (its text is set by the constructor)
    bool fixedPanelShown = false; ///< PkihonExp
    QString fixedPanelTitle = QStringLiteral("◆基本練習問題の解説"); ///< LkaisetuT
    QString listLength = QStringLiteral("0"); ///< LkihonNumCount
    QStringList startEntries; ///< CBstartNum's items
    ChoiceBox startBox; ///< CBstartNum
    QString aimText; ///< STkihon
    ExampleTexts lookup; ///< what the example lookup wrote last (Lrei, LhintB, Lkai, Lito, Lsetumei)
    int correct = 0; ///< the tally: exercises judged correct, and exercises judged (each once)
    int judged = 0;

    QString progressText() const { return m_practice.progressDisplay(); } ///< LlastNum
    QString scoreText() const; ///< Lseiseki: "正解 1 / 2 問"
    QString reviewButtonText() const; ///< RBfukusyu: "復習（3問）"

private:
    void clearExercises();
    void showFixedOrderPanel(bool advanced);
    void leaveTableBox(bool enabled, const QString &text = QString());
    QStringList recordForReview(const PracticeSlot &slot, Verdict verdict);

    DataTree m_tree;
    PracticeState m_practice;
    ReviewList m_review;
    QString m_run; ///< tells this run from others, for the review set
    std::array<PracticeSlot, 3> m_slots;
};
