#include "TextFileCache.h"

#include "DataRoot.h"

#include <filesystem>
#include <system_error>

const LineList *TextFileCache::lines(const QString &path)
{
    if (!DataRoot::fileExists(path)) {
        m_files.remove(path);
        m_order.removeOne(path);
        return nullptr;
    }
    const std::filesystem::path file(path.toStdU16String());
    std::error_code error;
    const auto size = static_cast<std::int64_t>(std::filesystem::file_size(file, error));
    const std::int64_t modified = std::filesystem::last_write_time(file, error).time_since_epoch().count();
    auto it = m_files.find(path);
    if (it != m_files.end() && it->size == size && it->modified == modified) {
        used(path);
        return &it->list;
    }
    Entry entry;
    entry.list.loadFromFile(path); // a failed read keeps nothing
    entry.size = size;
    entry.modified = modified;
    m_files.insert(path, std::move(entry));
    used(path);
    return &m_files.find(path)->list;
}

void TextFileCache::used(const QString &path)
{
    if (m_kept == 0)
        return; // a cache that keeps every file needs no order
    m_order.removeOne(path);
    m_order.append(path);
    while (m_kept > 0 && m_order.size() > m_kept)
        m_files.remove(m_order.takeFirst());
}
