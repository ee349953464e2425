#pragma once
// What identifies a file on its volume: the 128-bit id where the volume gives one (ReFS's
// 64-bit ids may be all ones or shared by several files), else the 64-bit id in `low`.

#include <windows.h>

struct FileId {
    ULONGLONG low = 0;
    ULONGLONG high = 0;

    // The system answers 0 or all ones for an id it does not know.
    bool Known() const
    {
        return (low != 0 || high != 0) && !(low == ~0ull && (high == 0 || high == ~0ull));
    }
    bool operator==(const FileId& other) const { return low == other.low && high == other.high; }
    bool operator!=(const FileId& other) const { return !(*this == other); }
    bool operator<(const FileId& other) const
    {
        return high != other.high ? high < other.high : low < other.low;
    }
};
