#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class AnalysisData;

/// Full-width digits and periods become ASCII and every blank goes; nothing else changes.
/// "０１７．２ " → "017.2", "９１３。６" → "913.6", "0 1 7" → "017".
QString NormaliseAnswerText(const QString &text);

/// Every class number of a normalised text, in order: three digits, optionally a period and more
/// digits, not inside a longer run of digits. "290.2∥290.1∥" → 290.2, 290.1; "2901" → none.
QStringList ClassNumbersIn(const QString &normalised);

/// One code of a number found in an auxiliary table.
struct AuxPart
{
    QString table; ///< the table's name, as the analysis window labels it: "形式区分"
    QString code; ///< the code as the table writes it: "02"
    QString caption; ///< its caption
    int firstDigit = 0; ///< where the code begins among the number's digits, from 1
};

/// A class number read back through the schedules, as the analysis window reads it.
/// "678.2102" with a schedule line for 678.21 → known "678.21", rest "02" and, with section data
/// naming the form division, the part 形式区分 02.
struct NumberReading
{
    QString number;
    QString known; ///< the longest schedule number that begins it; empty when there is none
    QString caption; ///< the caption of that schedule line
    QStringList hierarchy; ///< its main class, division and section names
    QString rest; ///< what follows the known number, without a leading period
    QList<AuxPart> parts; ///< the auxiliary-table codes the decomposition finds in it
};

/// Reads \a number (a class number as ClassNumbersIn gives them) as the analysis window does: a
/// schedule number's parts are the table entries the window shows for it; a longer number is read
/// by the rules of synthesis from the schedule number it extends.
NumberReading ReadClassNumber(const QString &number, const AnalysisData &data);

/// How a learner's answer compares with an exercise's answer.
enum class Verdict {
    NotJudged,
    Correct, ///< the learner's number is one of the accepted answers
    Wrong,
    Unreadable, ///< the learner's text holds no class number
    NoReference, ///< the exercise's answer holds no class number: nothing to judge against
};

/// "correct", "wrong", "unreadable", "noreference"; "" when not judged.
QString VerdictName(Verdict verdict);

/// Which level of a class number a digit position belongs to.
enum class NumberLevel { MainClass, Division, Section, Subdivision, AuxiliaryPart };

/// The verdict on one answer and, for a wrong one, where it went astray.
struct Judgement
{
    Verdict verdict = Verdict::NotJudged;
    QString learnerNumber; ///< the first class number of the learner's text
    QStringList accepted; ///< every class number of the exercise's answer
    // for a wrong answer
    QString nearest; ///< the accepted answer that shares the most leading digits with the learner's
    int position = 0; ///< the first digit (from 1) where the two part
    NumberLevel level = NumberLevel::MainClass;
    QString levelName; ///< "要目", or the auxiliary table's name for a digit of an added code
    NumberReading learnerReading;
    NumberReading nearestReading;
    /// What the window shows: "正解です！", the diagnosis, or a short note.
    QString text;
};

/// Judges the learner's \a learnerText against \a answerField (the answer parts the example lookup
/// gives an exercise: "017∥" or "290.2∥290.1∥"). Both are normalised alike. The accepted answers
/// are the parts that are a class number alone (an explanation beside them accepts nothing). When
/// every accepted answer is a three-digit section, a longer number of that section is right too
/// ("913.6" for "913∥"); a wrong digit inside an added code names both entries of its table.
/// "016" against "017∥" → wrong at digit 3, level 要目:
///   016「各種の図書館」ではなく 017「学校図書館」：3桁目（要目）から違います
Judgement JudgeAnswer(const QString &learnerText, const QString &answerField, const AnalysisData &data);
