#pragma once
// Reading walk results relative to a scratch tree.

#include "engine/PathList.h"
#include "tests/support/TempTree.h"

#include <string>
#include <vector>

// The listed paths relative to the tree's root, in list order; a path outside the root is
// kept whole, so that it shows in a failure.
inline std::vector<std::string> RelativePaths(const TempTree& tree, const PathList& list)
{
    const std::string prefix = tree.Root() + "\\";
    std::vector<std::string> paths;
    for (const PathEntry& entry : list)
        paths.push_back(entry.path.compare(0, prefix.size(), prefix) == 0
                            ? entry.path.substr(prefix.size())
                            : entry.path);
    return paths;
}
