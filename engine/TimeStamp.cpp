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

time_t MomentOfFileTime(ULONGLONG fileTime)
{
    const LONGLONG seconds = (static_cast<LONGLONG>(fileTime) - static_cast<LONGLONG>(kUnixEpoch)) /
                             static_cast<LONGLONG>(kTicksPerSecond);
    return static_cast<time_t>(seconds);
}

WString FileTimeText(ULONGLONG fileTime)
{
    struct tm local = {};
    if (fileTime == 0 || !CTime(MomentOfFileTime(fileTime)).GetLocalTm(&local)) return WString();
    return FormatTimeStamp(local);
}
