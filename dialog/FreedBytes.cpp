#include "dialog/FreedBytes.h"

void FreedBytes::Add(const PathEntry& object)
{
    if (object.isFile != 1) {
        m_folders.insert(object.relative);
        return;
    }
    const size_t cut = object.relative.rfind(_T('\\'));
    m_fileBytes[cut == WString::npos ? WString() : object.relative.substr(0, cut)] += object.size;
}

ULONGLONG FreedBytes::Total() const
{
    ULONGLONG total = m_folderPassTotal;
    for (const auto& files : m_fileBytes) {
        // The files' folder and each folder on its way in, innermost first.
        WString way = files.first;
        bool inside = false;
        while (!way.empty() && !inside) {
            inside = m_folders.count(way) != 0;
            const size_t cut = way.rfind(_T('\\'));
            way.resize(cut == WString::npos ? 0 : cut);
        }
        if (!inside) total += files.second;
    }
    return total;
}
