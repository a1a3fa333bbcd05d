#pragma once

#include <QList>
#include <QString>

/// One exercise of the review set: the set it came from (its SetCode, which tells the example
/// lookup where a plain number is) and its number, and the run in which it was last answered
/// right since it was missed (empty when not yet).
class DataTree;

struct ReviewEntry
{
    int setCode = 0;
    QString number;
    QString rightRun;
};

/// The learner's own mistakes: every exercise answered wrong, in any set and any run, until it is
/// answered right in two different runs. Kept in "StudyTaxel/ReidaiData/study_fukusyu.txt", one
/// line per exercise: "set code,number,run" ("10,22623," or "12,k200154,1765300000000-4242").
class ReviewList
{
public:
    static QString filePath();

    /// Reads the file under the data root; a missing file is an empty list, a line that names no
    /// set and number is passed over. Throws FileError when the file exists but cannot be read.
    void load(const DataTree &tree);
    /// Writes the file at once, replacing the old one only when the new one is whole and on the
    /// disk. Throws FileError (the old file then stays).
    void save(const DataTree &tree) const;

    /// A wrong answer: the exercise joins the list, or starts again if it had one right run.
    /// Returns whether the list changed.
    bool answeredWrong(int setCode, const QString &number);
    /// A right answer in run \a run: the first right run is remembered; a right answer in another
    /// run takes the exercise off the list. Returns whether the list changed.
    bool answeredRight(int setCode, const QString &number, const QString &run);

    const QList<ReviewEntry> &entries() const { return m_entries; }
    int count() const { return static_cast<int>(m_entries.size()); }

    /// A text that tells one run of the program from every other: "1765300000000-4242".
    static QString newRunId();

private:
    int indexOf(int setCode, const QString &number) const;
    QList<ReviewEntry> m_entries;
};
