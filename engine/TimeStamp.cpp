#include "engine/TimeStamp.h"

#include "framework/CTime.h"

namespace {

std::string TwoDigits(int value)
{
    const std::string text = IntToText(value);
    return value < 10 ? "0" + text : text;
}

}  // namespace

std::string IntToText(int value)
{
    if (value == 0) return "0";
    // Unsigned, so that the most negative int has a magnitude too.
    unsigned int magnitude =
        value < 0 ? 0u - static_cast<unsigned int>(value) : static_cast<unsigned int>(value);
    std::string text;
    for (; magnitude != 0; magnitude /= 10) text.insert(text.begin(), char('0' + magnitude % 10));
    return value < 0 ? "-" + text : text;
}

std::string FormatTimeStamp(const struct tm& local)
{
    return IntToText(local.tm_year + 1900) + "-" + TwoDigits(local.tm_mon + 1) + "-" +
           TwoDigits(local.tm_mday) + " " + TwoDigits(local.tm_hour) + ":" +
           TwoDigits(local.tm_min) + ":" + TwoDigits(local.tm_sec);
}

std::string GetTimeStamp()
{
    struct tm local = {};
    if (!CTime::GetCurrentTime().GetLocalTm(&local)) return std::string();
    return FormatTimeStamp(local);
}
