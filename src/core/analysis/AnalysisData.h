#pragma once

#include "AuxTables.h"
#include "datafiles/DataRoot.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>

class ScheduleSynthesis;

/// One schedule or section file as last read: whether it exists, its lines, and the error text
/// of a file that exists but could not be read (its lines are then empty).
struct AnalysisFile
{
    bool exists = false;
    QStringList lines;
    QString error;

    // what the file looked like when it was read, to notice a change
    std::int64_t size = -1;
    std::int64_t modified = 0;
};

/// Everything the class-number analysis reads: the ten tables, read once, and the schedule and
/// section files of the ten main classes. The files are read when the data is made; refresh()
/// reads again only a file that changed on disk since, so a search never reads an unchanged file.
class AnalysisData
{
public:
    /// Reads the tables and every schedule and section file of \a tree.
    static AnalysisData load(const DataTree &tree);

    /// Reads again the schedule and section files that changed, appeared or went away; returns the
    /// texts of those that exist but could not be read.
    QStringList refresh();

    AuxTables tables;
    /// the texts of the files that existed but could not be read when the data was made, in the
    /// order they were met
    QStringList errors;

    /// The files of main class \a mainClass (0 to 9); any other class has none.
    const AnalysisFile &schedule(int mainClass) const;
    const AnalysisFile &sections(int mainClass) const;

    /// The synthesis rules over these schedules and tables, made when first asked for (the read-back
    /// of a number that is no schedule number needs them) and again after a schedule changed.
    const ScheduleSynthesis &synthesis() const;

    /// Puts lines in place of a file's content, as if read (tests and benchmarks build data so).
    void setSchedule(int mainClass, const QStringList &lines);
    void setSections(int mainClass, const QStringList &lines);

private:
    DataTree m_tree;
    std::array<AnalysisFile, 10> m_schedules;
    std::array<AnalysisFile, 10> m_sections;
    mutable std::shared_ptr<const ScheduleSynthesis> m_synthesis;
};
