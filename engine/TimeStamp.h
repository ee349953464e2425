#pragma once
// The time-stamp text that heads each pass in the log.

#include "framework/WideString.h"

#include <ctime>

// Decimal text of the value, with "-" in front of a negative one.
WString IntToText(int value);

// 'YYYY-MM-DD hh:mm:ss' from broken-down local time fields.
WString FormatTimeStamp(const struct tm& local);

// The current local time as FormatTimeStamp writes it.
WString GetTimeStamp();

// A moment as a FILETIME (100 ns since 1601, UTC), and back: false when the FILETIME lies
// outside what a time_t holds (32 bits in the 32-bit build: 1901 to 2038).
ULONGLONG FileTimeAt(time_t moment);
bool MomentOfFileTime(ULONGLONG fileTime, time_t& moment);

// The local time of a FILETIME as FormatTimeStamp writes it; empty for 0 (no time read).
WString FileTimeText(ULONGLONG fileTime);
