#include "engine/TimeStamp.h"

#include "framework/CTime.h"

namespace {

WString TwoDigits(int value)
{
    const WString text = IntToText(value);
    return value < 10 ? _T("0") + text : text;
}

// FILETIME's 1601-01-01 to time_t's 1970-01-01, in FILETIME's units.
const ULONGLONG kUnixEpoch = 116444736000000000ULL;
const ULONGLONG kTicksPerSecond = 10000000ULL;

}  // namespace

WString IntToText(int value)
{
    if (value == 0) return _T("0");
    // Unsigned, so that the most negative int has a magnitude too.
    unsigned int magnitude =
        value < 0 ? 0u - static_cast<unsigned int>(value) : static_cast<unsigned int>(value);
    WString text;
    for (; magnitude != 0; magnitude /= 10)
        text.insert(text.begin(), WCHAR(_T('0') + magnitude % 10));
    return value < 0 ? _T("-") + text : text;
}

WString FormatTimeStamp(const struct tm& local)
{
    return IntToText(local.tm_year + 1900) + _T("-") + TwoDigits(local.tm_mon + 1) + _T("-") +
           TwoDigits(local.tm_mday) + _T(" ") + TwoDigits(local.tm_hour) + _T(":") +
           TwoDigits(local.tm_min) + _T(":") + TwoDigits(local.tm_sec);
}

WString GetTimeStamp()
{
    struct tm local = {};
    if (!CTime::GetCurrentTime().GetLocalTm(&local)) return WString();
    return FormatTimeStamp(local);
}

ULONGLONG FileTimeAt(time_t moment)
{
    return kUnixEpoch + static_cast<ULONGLONG>(moment) * kTicksPerSecond;
}

bool MomentOfFileTime(ULONGLONG fileTime, time_t& moment)
{
    const LONGLONG ticks = static_cast<LONGLONG>(fileTime) - static_cast<LONGLONG>(kUnixEpoch);
    // Whole seconds, rounded down for moments before 1970 too.
    LONGLONG seconds = ticks / static_cast<LONGLONG>(kTicksPerSecond);
    if (ticks % static_cast<LONGLONG>(kTicksPerSecond) < 0) --seconds;
    moment = static_cast<time_t>(seconds);
    return static_cast<LONGLONG>(moment) == seconds;
}

WString FileTimeText(ULONGLONG fileTime)
{
    time_t moment = 0;
    struct tm local = {};
    if (fileTime == 0 || !MomentOfFileTime(fileTime, moment) || !CTime(moment).GetLocalTm(&local))
        return WString();
    return FormatTimeStamp(local);
}
