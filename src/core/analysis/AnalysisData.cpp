#include "AnalysisData.h"

#include "ClassEntry.h"
#include "SynthesisRules.h"

#include "datafiles/DataRoot.h"
#include "datafiles/FileError.h"
#include "datafiles/LineList.h"

#include <filesystem>
#include <system_error>

namespace {

struct Stamp
{
    bool exists = false;
    std::int64_t size = -1;
    std::int64_t modified = 0;
};

Stamp stampOf(const QString &path)
{
    Stamp stamp;
    if (!DataRoot::fileExists(path))
        return stamp;
    const std::filesystem::path file(path.toStdU16String());
    std::error_code error;
    stamp.exists = true;
    stamp.size = static_cast<std::int64_t>(std::filesystem::file_size(file, error));
    stamp.modified = std::filesystem::last_write_time(file, error).time_since_epoch().count();
    return stamp;
}

/// Reads \a path into \a file unless it is as it was; returns the error text of a failed read.
bool readIfChanged(const QString &path, AnalysisFile &file, QStringList &errors)
{
    const Stamp now = stampOf(path);
    if (now.exists == file.exists && now.size == file.size && now.modified == file.modified)
        return false;
    file = AnalysisFile();
    file.exists = now.exists;
    file.size = now.size;
    file.modified = now.modified;
    if (!now.exists)
        return true;
    try {
        LineList list;
        list.loadFromFile(path);
        file.lines = list.lines();
    } catch (const FileError &error) {
        file.error = error.text();
        errors.append(file.error);
    }
    return true;
}

const AnalysisFile &noFile()
{
    static const AnalysisFile none;
    return none;
}

} // namespace

AnalysisData AnalysisData::load(const DataTree &tree)
{
    AnalysisData data;
    data.m_tree = tree;
    data.tables = LoadAuxTables(tree, &data.errors);
    data.errors += data.refresh();
    return data;
}

QStringList AnalysisData::refresh()
{
    QStringList failed;
    for (int mainClass = 0; mainClass < 10; ++mainClass) {
        const auto i = static_cast<std::size_t>(mainClass);
        if (readIfChanged(m_tree.path(ScheduleFilePath(mainClass)), m_schedules[i], failed))
            m_synthesis.reset();
        readIfChanged(m_tree.path(SectionFilePath(mainClass)), m_sections[i], failed);
    }
    return failed;
}

const AnalysisFile &AnalysisData::schedule(int mainClass) const
{
    return mainClass >= 0 && mainClass < 10 ? m_schedules[static_cast<std::size_t>(mainClass)] : noFile();
}

const AnalysisFile &AnalysisData::sections(int mainClass) const
{
    return mainClass >= 0 && mainClass < 10 ? m_sections[static_cast<std::size_t>(mainClass)] : noFile();
}

const ScheduleSynthesis &AnalysisData::synthesis() const
{
    if (!m_synthesis) {
        QStringList all;
        for (const AnalysisFile &file : m_schedules)
            all += file.lines;
        m_synthesis = std::make_shared<const ScheduleSynthesis>(tables, all);
    }
    return *m_synthesis;
}

void AnalysisData::setSchedule(int mainClass, const QStringList &lines)
{
    m_synthesis.reset();
    AnalysisFile &file = m_schedules.at(static_cast<std::size_t>(mainClass));
    file = AnalysisFile();
    file.exists = true;
    file.lines = lines;
}

void AnalysisData::setSections(int mainClass, const QStringList &lines)
{
    AnalysisFile &file = m_sections.at(static_cast<std::size_t>(mainClass));
    file = AnalysisFile();
    file.exists = true;
    file.lines = lines;
}
