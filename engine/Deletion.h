#pragma once
// Deleting what the walk collected. Each object is opened inside the folder that holds it,
// checked on that handle and deleted through it; a link is removed as itself and its target
// is never opened for deletion. A deletion counts only when the object is gone.

#include "engine/PathList.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class OpenObject;

// The folders of the tree, reached from the chosen folder one name at a time, each opened
// inside the one above and checked. The folders on the way to the last one reached stay open
// for the next call, which shares most of the way in walk order.
class FolderChain {
public:
    explicit FolderChain(std::shared_ptr<const OpenObject> root);
    ~FolderChain();

    // The folder at `relative` (names separated by backslashes; empty for the chosen folder),
    // or null when it cannot be reached.
    const OpenObject* Reach(const WString& relative);

private:
    std::shared_ptr<const OpenObject> m_root;
    std::vector<std::pair<WString, std::unique_ptr<OpenObject>>> m_open;  // outermost first
};

// A collected file; a read-only one stays.
bool DeleteCollectedFile(const PathEntry& file);

// A collected folder with everything inside it (a link is removed as itself).
bool DeleteCollectedFolder(const PathEntry& folder, FolderChain& chain);

// Everything inside the open folder, depth first. An entry that a plain delete refuses has
// its attributes reset first; a file that other names keep gets its attributes back.
void EmptyFolder(const OpenObject& folder, const WString& shownPath);

// A seam for tests: called with the shown path of each object once it is open and checked,
// just before it is deleted, so a test can swap it at the worst moment. Empty by default.
void SetBeforeDeletionHook(std::function<void(const WString&)> hook);
