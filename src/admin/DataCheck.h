#pragma once

#include <QString>
#include <QVector>

class DataTree;

/// One mistake found in a data tree: the file (relative to the data root), the 1-based line (0 when
/// the problem is not on one line) and what is wrong.
struct DataProblem
{
    QString file;
    int line = 0;
    QString message;
};

/// Result of checking a whole "StudyTaxel" tree.
struct DataCheckResult
{
    QVector<DataProblem> problems;
    int filesRead = 0;
};

/// Checks the data tree under the current data root: every catalogued file present and decodable,
/// the shape of every record, the cross references between files (items → schedules, items →
/// examples, exercise sets → examples, formulas → auxiliary tables, topics → document pages) and
/// whether the built index and example files are older than their master files.
DataCheckResult CheckDataTree(const DataTree &tree);
