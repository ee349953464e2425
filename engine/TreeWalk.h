#pragma once
// The walk that collects what a clean run deletes. One enumeration serves both passes: the
// file walk and the folder walk visit the same folders in the same order, and the file pass
// deletes only files, so the folders a second walk would find after it are the ones this
// walk found (docs/architecture.md).

#include "engine/PathList.h"

#include <atomic>
#include <functional>

class MatchRule;
class OpenObject;

// Walks the tree below root, depth first in the order the system lists each folder, never
// into a link nor into a folder the rule excludes, holding open only the folders on the way
// to the one being read. Appends every file the rule takes to *files and every folder it
// takes to *folders (either may be null); a matching folder that holds an excluded object,
// or anything changed too lately for the rule's age, is kept whole and not listed:
// a sub-folder's matches come where the sub-folder comes in its folder, and a matching
// folder comes before the matches inside it. A folder that cannot be read whole, or whose
// identity is already on its own way in (a loop of links a server shows as folders), is
// appended where its matches would come, marked unreadable: to *files when it is given,
// else to *folders unless it is listed there itself. shownRoot is what the log shows for the
// root. Stops between entries once stop is set. searching, when given, is told the shown
// path of each folder as its entries are read.
void FindMatches(const OpenObject& root, const WString& shownRoot, const MatchRule& rule,
                 PathList* files, PathList* folders, const std::atomic<bool>& stop,
                 const std::function<void(const WString&)>& searching = nullptr);

// The shown path of an entry below a folder shown as `folder`.
WString JoinShown(const WString& folder, const WString& relative);
