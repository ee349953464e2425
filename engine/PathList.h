#pragma once
// The objects a walk collected, in the order the walk met them.

#include "engine/FileId.h"
#include "framework/WideString.h"

#include <vector>

struct PathEntry {
    WString path;      // the path the log shows: the folder as shown, joined with the names
    int isFile;        // 1 for a file, 0 for a folder
    WString relative;  // the names below the chosen folder, separated by backslashes
    // A folder the walk could not read whole (or met again on its own way in): matches in
    // it may be missing, and its row says so. Nothing is deleted for it.
    bool unreadable = false;
    // A file's size; a folder's total, everything inside it (as far as it could be read).
    ULONGLONG size = 0;
    FileId fileId;  // unknown when the listing does not give it
    // The last write (FILETIME); a folder's is the newest of everything inside it and its
    // own. 0 when no time was read.
    ULONGLONG lastChange = 0;
};

typedef std::vector<PathEntry> PathList;
