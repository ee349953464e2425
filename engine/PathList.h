#pragma once
// The objects a walk collected, in the order the walk met them.

#include "framework/WideString.h"

#include <vector>

struct PathEntry {
    WString path;  // full path, in the \\?\ form the walk was given
    int isFile;    // 1 from the file walk, 0 from the folder walk
};

typedef std::vector<PathEntry> PathList;
