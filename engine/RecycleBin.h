#pragma once
// Where a run sends what it removes when the user asked for the recycle bin instead of a
// deletion for good.

#include "framework/WideString.h"

// What became of an object handed to the bin.
enum class Recycled {
    InBin,  // it is in the bin, where the user can restore it
    Stays,  // it is where it was
    Gone,   // the shell took it but it did not reach the bin: deleted for good
};

class RecycleBin {
public:
    virtual ~RecycleBin() = default;
    // The most one object may hold for the bin of the volume that holds `folderLongPath` (the
    // \\?\ form) to take it; 0 when that volume has no bin, or its bin removes what it is
    // given at once. Asked once per run, before anything is handed over.
    virtual ULONGLONG Capacity(const WString& folderLongPath) = 0;
    // Moves the object at `longPath` (a file, or a folder with everything in it) to the
    // recycle bin. A path the shell cannot take exactly, or a shell that refuses, leaves it
    // where it is.
    virtual Recycled Recycle(const WString& longPath) = 0;
};

#ifdef _WIN32
// The shell's recycle bin.
RecycleBin& SystemRecycleBin();
#endif
