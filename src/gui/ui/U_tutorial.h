#pragma once

#include "index/ExampleLookup.h"
#include "learning/AnswerJudge.h"

#include <QDialog>
#include <array>
#include <memory>

namespace Ui {
class TutorialDialog;
}
class PracticeState;
class QLabel;
class QLineEdit;
class QRadioButton;
class ResizeKit;

/// The practice window: an exercise set, one to three exercises with hints and answers, and for
/// the two fixed-order sets their aims, explanations and progress.
class AnalysisData;
class TextFileCache;
class ReviewList;

class TTutorialDialog final : public QDialog
{
    Q_OBJECT
public:
    /// \a data: what the read-back of an answer reads, shared with other windows; read here when not given.
    explicit TTutorialDialog(QWidget *parent = nullptr, std::shared_ptr<AnalysisData> data = nullptr);
    ~TTutorialDialog() override;

    const PracticeState &state() const { return *m_state; }
    /// The verdict on each slot's answer: "", "correct", "wrong", "unreadable" or "noreference".
    QStringList verdicts() const;
    /// The tally of this run: exercises judged correct, and exercises judged (each once).
    int correctCount() const { return m_correct; }
    int judgedCount() const { return m_judged; }
    /// How many exercises the review set holds.
    int reviewCount() const;

private slots:
    void RBkihonClick(QObject *sender);
    void RBouyouClick();
    void RBhojoClick();
    void RBfukusyuClick();
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

private:
    void ResetExercises();
    /// The radio button of class \a digit (0 … 9).
    QRadioButton *classButton(int digit) const;
    QString setDescription(int classDigit) const;
    int questionCount() const;
    void showLookupMirrors();
    void showAnswer(int slot);
    void showAnswerAndJudge(int slot);
    /// Judges the answer box of \a slot (0 … 2) against its exercise and shows the verdict.
    void judge(int slot);
    void showScore();
    void showFixedOrderPanel(bool advanced);
    void showProgress();
    /// A judged answer of \a slot joins or leaves the review set, which is saved at once.
    void recordForReview(int slot, Verdict verdict);
    void showReviewCount();
    /// Places the exercise text and the verdict of \a slot side by side without covering each other.
    void layoutExerciseRow(int slot);
    int slotOf(QObject *sender, const char *prefix) const;

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
    /// What a slot's exercise gives its hint link and answer button; kept until the slot is set again.
    struct SlotTexts
    {
        QString hint;
        QString answer;
        QString number; ///< the exercise's number
        int setCode = 0; ///< and the set it belongs to
        bool asked = false; ///< the slot shows this exercise now
        bool counted = false; ///< the exercise has its place in the tally
        Verdict verdict = Verdict::NotJudged;
    };

    std::unique_ptr<Ui::TutorialDialog> m_ui;
    std::unique_ptr<PracticeState> m_state;
    std::shared_ptr<AnalysisData> m_data;
    std::unique_ptr<TextFileCache> m_examples; ///< the example files, read again only when they change
    ResizeKit *m_resizeKit = nullptr;
    std::array<Slot, 3> m_slots {};
    std::array<SlotTexts, 3> m_slotTexts;
    /// What the example lookup wrote last (Lrei, LhintB, Lkai; Lito and Lsetumei as last written).
    ExampleTexts m_lookup;
    int m_correct = 0;
    int m_judged = 0;
    std::unique_ptr<ReviewList> m_review; ///< the learner's mistakes (study_fukusyu.txt)
    QString m_run; ///< tells this run from others, for the review set
    QRect m_exerciseRow; ///< the design place of the exercise row in its slot panel
};
