#pragma once
// The time-stamp text that heads each pass in the log.

#include <ctime>
#include <string>

// Decimal text of the value, with "-" in front of a negative one.
std::string IntToText(int value);

// 'YYYY-MM-DD hh:mm:ss' from broken-down local time fields.
std::string FormatTimeStamp(const struct tm& local);

// The current local time as FormatTimeStamp writes it.
std::string GetTimeStamp();
