#pragma once
// Opening a scratch tree as a clean run does, walking it, and reading the results relative
// to it.

#include "engine/FileSystem.h"
#include "engine/MatchRule.h"
#include "engine/OpenObject.h"
#include "engine/TreeWalk.h"
#include "tests/support/TempTree.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

// The folder `relative` of the tree as a clean run opens it (an empty one for the root).
inline std::shared_ptr<const OpenObject> OpenTree(const TempTree& tree,
                                                  const std::wstring& relative = L"")
{
    return OpenObject::OpenRoot(SystemFileSystem(), tree.LongPath(relative));
}

// The rule of a run with the keyword and options alone.
inline MatchRule Keyword(const std::wstring& keyword, int exact = 0, int matchCase = 0)
{
    return MatchRule(keyword, exact, matchCase, Exclusions(), 0, 0);
}

struct Found {
    PathList files;
    PathList folders;
};

// One walk of the tree for both kinds, as the run makes it.
inline Found FindIn(const TempTree& tree, const std::wstring& keyword, int exact = 0,
                    int matchCase = 0)
{
    Found found;
    const std::atomic<bool> notStopped(false);
    const std::shared_ptr<const OpenObject> root = OpenTree(tree);
    if (root)
        FindMatches(*root, tree.Root(), Keyword(keyword, exact, matchCase), &found.files,
                    &found.folders, notStopped);
    return found;
}

// The listed paths relative to the tree's root, in list order.
inline std::vector<std::wstring> RelativePaths(const PathList& list)
{
    std::vector<std::wstring> paths;
    for (const PathEntry& entry : list) paths.push_back(entry.relative);
    return paths;
}
