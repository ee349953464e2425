#pragma once
// The enumeration loop the walks and the emptying share: one folder, every entry in the
// order the platform reports it, "." and ".." included.

#include <string>

#include "engine/KeywordRules.h"
#include "framework/CFileFind.h"

// Calls visit(finder) with each entry current; a folder that cannot be enumerated gives none.
template <class Visit>
void ForEachEntry(const std::string& folder, Visit visit)
{
    CFileFind finder;
    if (finder.FindFile((folder + "\\*.*").c_str(), 0) != TRUE) return;
    BOOL more;
    do {
        more = finder.FindNextFile();
        visit(finder);
    } while (more == TRUE);
    finder.Close();
}

// False for "." and "..", and for a name that came back holding a character no name may
// hold: the code page could not represent it, so a path made from it would name something
// else.
inline bool IsNameable(const CFileFind& finder)
{
    return !finder.IsDots() && !HasIllegalChars(finder.GetFileName());
}
