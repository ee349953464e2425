// The bytes a run would free: what a preview's status line names.
#pragma once

#include "engine/PathList.h"

#include <unordered_map>
#include <unordered_set>

class FreedBytes {
public:
    // An object the run would delete, in the order its pass lists it.
    void Add(const PathEntry& object);
    // The folder pass's total, in which a folder inside another listed one is counted once.
    void SetFolderPassTotal(ULONGLONG total) { m_folderPassTotal = total; }
    // The folder pass's total and every listed file outside the listed folders: a file inside
    // one goes with it and is counted there.
    ULONGLONG Total() const;

private:
    // The listed files' bytes by the relative path of the folder they are in ("" for the
    // chosen one): one key for all the files of a folder.
    std::unordered_map<WString, ULONGLONG> m_fileBytes;
    std::unordered_set<WString> m_folders;  // relative paths
    ULONGLONG m_folderPassTotal = 0;
};
