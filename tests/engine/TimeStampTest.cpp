#include "engine/TimeStamp.h"
#include "framework/CTime.h"
#include "tests/support/WideText.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct tm LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    struct tm time = {};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}

TEST(FormatTimeStamp, PadsEveryFieldButTheYear)
{
    struct Row {
        struct tm time;
        LPCTSTR text;
    } const rows[] = {
        {LocalTime(2015, 3, 7, 9, 5, 2), _T("2015-03-07 09:05:02")},
        {LocalTime(2015, 12, 31, 23, 59, 59), _T("2015-12-31 23:59:59")},
        {LocalTime(2015, 3, 15, 0, 0, 0), _T("2015-03-15 00:00:00")},
        {LocalTime(2024, 1, 1, 10, 10, 10), _T("2024-01-01 10:10:10")},
        {LocalTime(999, 10, 9, 12, 0, 9), _T("999-10-09 12:00:09")},
    };
    for (const Row& row : rows) EXPECT_EQ(Text(row.text), FormatTimeStamp(row.time));
}

TEST(IntToText, WritesDecimalDigits)
{
    struct Row {
        int value;
        LPCTSTR text;
    } const rows[] = {
        {0, _T("0")},
        {7, _T("7")},
        {10, _T("10")},
        {1900, _T("1900")},
        {-5, _T("-5")},
        {INT_MAX, _T("2147483647")},
        {INT_MIN, _T("-2147483648")},
    };
    for (const Row& row : rows) EXPECT_EQ(Text(row.text), IntToText(row.value)) << row.value;
}

TEST(GetTimeStamp, IsTheCurrentLocalTime)
{
    const time_t before = std::time(nullptr);
    const WString stamp = GetTimeStamp();
    const time_t after = std::time(nullptr);
    struct tm early = {}, late = {};
    ASSERT_TRUE(CTime(before).GetLocalTm(&early));
    ASSERT_TRUE(CTime(after).GetLocalTm(&late));
    EXPECT_TRUE(stamp == FormatTimeStamp(early) || stamp == FormatTimeStamp(late))
        << Shown(stamp.c_str());
    EXPECT_EQ(19u, stamp.size());
}

// A FILETIME is 100 ns since 1601 in UTC; its text is the local time of the same moment.
TEST(FileTimeText, IsTheLocalTimeOfTheMoment)
{
    EXPECT_EQ(FileTimeAt(0), 116444736000000000ULL);
    EXPECT_EQ(FileTimeAt(1700000000), 116444736000000000ULL + 1700000000ULL * 10000000ULL);
    for (const time_t moment : {time_t(0), time_t(1700000000), time_t(2147483647)}) {
        time_t back = 1;
        EXPECT_TRUE(MomentOfFileTime(FileTimeAt(moment), back));
        EXPECT_EQ(back, moment);
        EXPECT_TRUE(MomentOfFileTime(FileTimeAt(moment) + 9999999, back));
        EXPECT_EQ(back, moment);
        struct tm local = {};
        ASSERT_TRUE(CTime(moment).GetLocalTm(&local));
        EXPECT_EQ(FileTimeText(FileTimeAt(moment)), FormatTimeStamp(local));
    }
    EXPECT_EQ(FileTimeText(0), WString());  // no time was read
    time_t before = 0;
    EXPECT_TRUE(MomentOfFileTime(FileTimeAt(0) - 1, before));
    EXPECT_EQ(before, -1);
    // 2100-01-01: beyond a 32-bit time_t, whose text would be another date; none is shown.
    const ULONGLONG past2038 = FileTimeAt(0) + 4102444800ULL * 10000000ULL;
    time_t moment = 0;
    EXPECT_EQ(MomentOfFileTime(past2038, moment), sizeof(time_t) > 4);
    EXPECT_EQ(FileTimeText(past2038).empty(), sizeof(time_t) == 4);
}

TEST(CTime, BreaksDownIntoItsOwnBufferWhenGivenNone)
{
    const CTime first(0), second(86400 * 365);
    struct tm* a = first.GetLocalTm();
    struct tm* b = second.GetLocalTm();
    ASSERT_TRUE(a && b);
    EXPECT_NE(a, b);
    EXPECT_NE(a->tm_year, b->tm_year);
}

}  // namespace
