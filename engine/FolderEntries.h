#pragma once
// The enumeration loop the walks and the emptying share: one folder, every entry in the
// order the platform reports it, "." and ".." included.

#include "framework/CFileFind.h"

// Calls visit(finder) with each entry current; a folder that cannot be enumerated gives none.
template <class Visit>
void ForEachEntry(const WString& folder, Visit visit)
{
    // A root ("C:\\") already ends in its separator; a \\?\ path takes no doubled one.
    const WString pattern = folder + (folder.back() == L'\\' ? L"*.*" : L"\\*.*");
    CFileFind finder;
    if (finder.FindFile(pattern.c_str(), 0) != TRUE) return;
    BOOL more;
    do {
        more = finder.FindNextFile();
        visit(finder);
    } while (more == TRUE);
    finder.Close();
}
