#pragma once
// A moment in time, with the members the program uses.

#include <windows.h>

#include <ctime>

// The platform headers define GetCurrentTime as a macro for GetTickCount.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class CTime {
public:
    CTime() = default;
    explicit CTime(time_t time)
        : m_time(time)
    {
    }

    static CTime GetCurrentTime();
    time_t GetTime() const { return m_time; }

    // The moment as local calendar fields, written into *ptm, or into a buffer of this object
    // when ptm is NULL (never a shared static). NULL when the moment cannot be broken down.
    struct tm* GetLocalTm(struct tm* ptm = nullptr) const;

private:
    time_t m_time = 0;
    mutable struct tm m_localTm = {};
};
