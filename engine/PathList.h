#pragma once
// The objects a walk collected, in the order the walk met them.

#include <string>
#include <vector>

struct PathEntry {
    std::string path;  // full path as the enumeration reports it
    int isFile;        // 1 from the file walk, 0 from the folder walk
};

typedef std::vector<PathEntry> PathList;
