#pragma once

#include "AuxTables.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// How a class number is built from a schedule number and the codes of the auxiliary tables, as
// rules a reader can follow. The build uses them to write the section lines of the full tree
// (descriptor and formulas for every schedule number); the read-back of a learner's number that
// is no schedule number reads it by the same rules, by its digits alone.

/// The digits of a class number: "210.07" → "21007".
QString DigitsOf(QStringView number);
/// A class number written from its digits, with the period after the third: "21007" → "210.07".
QString NumberOfDigits(const QString &digits);

/// One code added to a number: which table, the code as the table writes it, and where it stands.
struct SynthesisPart
{
    enum class Joint {
        Plain, ///< appended as it stands: 302 + 1
        OwnZeroDropped, ///< the form code's own zero left out: 16 + 01 → 161
        ZeroDoubled, ///< a zero kept before it so that it is not read as a period: 21 + 0 + 07 → 210.07
        ZeroJoined, ///< a second place joined to the first through a zero: 319.1 + 0 + 53
    };

    int kind = 0; ///< auxiliary kind code: 1 form, 2 geographic, 3 sea, 4 language, 5 language common,
                  ///< 6 literature common, 7 period, 8 Japanese regional
    QString code; ///< "02", "121"
    QString base; ///< what the formula writes before the plus sign: "41", "302", "319.1"
    QString parent; ///< the number it is added to, as written: "410", "302", "319.1"
    int start = 0; ///< the code's first digit among the number's digits (from 0)
    int end = 0; ///< one past its last digit
    Joint joint = Joint::Plain;
    /// another reading of the digits of the part before it (the geographic code 136 of the
    /// regional code 36 in 291.36): shown as a formula, not counted as a component
    bool alternative = false;

    bool operator==(const SynthesisPart &other) const
    {
        return kind == other.kind && code == other.code && base == other.base && parent == other.parent
            && start == other.start && end == other.end && joint == other.joint && alternative == other.alternative;
    }
};

/// The formula text of a part of \a digits: "302+1", "29+136", "41+01→410.1", "21+0+07→210.07".
QString FormulaOf(const SynthesisPart &part, const QString &digits);

/// What the section line of a number says: its descriptor and up to three formulas.
struct SectionSynthesis
{
    QList<SynthesisPart> parts; ///< in the order they were added
    QString basic; ///< the number the last component was added to, as the number writes it
    QString extension; ///< what follows it
    int firstNote = 0;
    int secondNote = 0;

    bool isEmpty() const { return parts.isEmpty() && firstNote == 0 && secondNote == 0; }
    /// "12/302/1" (kinds of the last two components, basic part, extension part, notes).
    QString descriptor() const;
    /// "302+1/2/1" for each part, at most three.
    QStringList formulas(const QString &digits) const;
};

/// The derivation of the synthesis of every schedule number, from the schedules and the tables.
/// Each number is read as the nearest schedule number it extends, plus what the rules recognise in
/// the digits that follow; the caption of the number confirms a reading where digits alone are
/// ambiguous (210.2 原始時代 is the period 02, 410.2 数学史 the form division 02).
class ScheduleSynthesis
{
public:
    /// \a schedule: the schedule lines of all main classes ("/302.1,caption,main,division,section").
    ScheduleSynthesis(const AuxTables &tables, const QStringList &schedule);

    /// The synthesis of \a number: a schedule number is read with its caption; any other number by
    /// the digits alone, from the nearest schedule number it extends (312.53: 312 + 地理区分 53).
    SectionSynthesis synthesisOf(const QString &number) const;
    /// The parts alone.
    QList<SynthesisPart> partsOf(const QString &number) const;

private:
    struct Line
    {
        QString number;
        QString caption; ///< without its parentheses
        bool parenthesised; ///< a term under the number, not its name: （民本主義）
    };
    const Line *lineOfDigits(const QString &digits) const;
    void findPlaceSections();
    QList<SynthesisPart> derive(const Line &line) const;

    AuxTables m_tables;
    QHash<QString, Line> m_byDigits; ///< digits → the first line with them
    QHash<QString, QString> m_divisionNames; ///< the first two digits → the division's name
    /// the sections whose schedule divides them by place (312 政治史・事情: 312.1, 312.21, 312.5 …)
    QSet<QString> m_placeSections;
    mutable QHash<QString, QList<SynthesisPart>> m_memo;
};

/// True when code \a code stands in table \a table with exactly that code.
bool TableHasCode(const QStringList &table, const QString &code);

/// The caption of code \a code in \a table, or an empty text.
QString CaptionOfCode(const QStringList &table, const QString &code);
