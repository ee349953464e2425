#pragma once
// The walk that collects what a clean run deletes. One enumeration serves both passes: the
// file walk and the folder walk visit the same folders in the same order, and the file pass
// deletes only files, so the folders a second walk would find after it are the ones this
// walk found (docs/architecture.md).

#include "engine/PathList.h"

#include <atomic>
#include <functional>
#include <memory>

class OpenObject;

// Walks the tree below root, depth first in the order the system lists each folder, never
// into a link. Appends every matching file to *files and every matching folder to *folders
// (either may be null): a sub-folder's matches come where the sub-folder comes in its
// folder, and a matching folder comes before the matches inside it. shownRoot is what the
// log shows for the root. Stops between entries once stop is set. searching, when given, is
// told the shown path of each folder as its entries are read.
void FindMatches(const std::shared_ptr<const OpenObject>& root, const WString& shownRoot,
                 const WString& keyword, int exactMatch, int matchCase, PathList* files,
                 PathList* folders, const std::atomic<bool>& stop,
                 const std::function<void(const WString&)>& searching = nullptr);

// The shown path of an entry below a folder shown as `folder`.
WString JoinShown(const WString& folder, const WString& relative);
