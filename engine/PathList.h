#pragma once
// The objects a walk collected, in the order the walk met them.

#include "framework/WideString.h"

#include <memory>
#include <vector>

class OpenObject;

struct PathEntry {
    WString path;      // the path the log shows: the folder as shown, joined with the names
    int isFile;        // 1 for a file, 0 for a folder
    WString relative;  // the names below the chosen folder, separated by backslashes
    // For a file, the folder that holds it, opened and checked by the walk and kept open
    // until the list is emptied; a folder is reached again from the chosen one.
    std::shared_ptr<const OpenObject> folder;
};

typedef std::vector<PathEntry> PathList;
