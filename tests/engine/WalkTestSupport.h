#pragma once
// Reading walk results relative to a scratch tree.

#include "engine/PathList.h"
#include "tests/support/TempTree.h"

#include <string>
#include <vector>

// The listed paths relative to the tree's root (in either form), in list order; a path
// outside the root is kept whole, so that it shows in a failure.
inline std::vector<std::wstring> RelativePaths(const TempTree& tree, const PathList& list)
{
    std::vector<std::wstring> paths;
    for (const PathEntry& entry : list) {
        std::wstring path = entry.path;
        for (const std::wstring& root : {tree.LongPath(L""), tree.Root()}) {
            if (path.compare(0, root.size() + 1, root + L"\\") == 0) {
                path = path.substr(root.size() + 1);
                break;
            }
        }
        paths.push_back(path);
    }
    return paths;
}
