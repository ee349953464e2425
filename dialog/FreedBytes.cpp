#include "dialog/FreedBytes.h"

void FreedBytes::Add(const PathEntry& object)
{
    if (object.isFile == 1)
        m_files.emplace_back(object.relative, object.size);
    else
        m_folders.insert(object.relative);
}

ULONGLONG FreedBytes::Total() const
{
    ULONGLONG total = m_folderPassTotal;
    for (const auto& file : m_files) {
        bool inside = false;
        // Each folder on the file's way in, innermost first.
        for (size_t end = file.first.rfind(_T('\\')); end != WString::npos && !inside;
             end = end == 0 ? WString::npos : file.first.rfind(_T('\\'), end - 1))
            inside = m_folders.count(file.first.substr(0, end)) != 0;
        if (!inside) total += file.second;
    }
    return total;
}
