#pragma once
// The two walks that collect what a clean run deletes. Both append to the list in the
// order the enumeration reports entries, depth first, and never descend into a link.

#include "framework/WideString.h"

#include "engine/PathList.h"

// Every file below folder (at any depth) whose name matches the keyword.
void FindMatchingFiles(const WString& folder, const WString& keyword, PathList& list,
                       int exactMatch, int matchCase);

// Every folder below folder whose name matches the keyword, an outer match before the
// matches inside it; a matching folder link is collected but not entered.
void FindMatchingFolders(const WString& folder, const WString& keyword, PathList& list,
                         int exactMatch, int matchCase);
