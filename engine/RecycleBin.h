#pragma once
// Where a run sends what it removes when the user asked for the recycle bin instead of a
// deletion for good.

#include "framework/WideString.h"

class RecycleBin {
public:
    virtual ~RecycleBin() = default;
    // Moves the object at `longPath` (the \\?\ form of an absolute path; a file, or a folder
    // with everything in it) to the recycle bin, where the user can restore it; true only
    // when it went there. An object the recycle bin cannot take (too large, a drive without
    // one, a path the shell cannot take, a shell that refuses) stays where it is: nothing is
    // ever deleted for good.
    virtual bool Recycle(const WString& longPath) = 0;
};

#ifdef _WIN32
// The shell's recycle bin.
RecycleBin& SystemRecycleBin();
#endif
