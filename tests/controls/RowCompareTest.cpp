#include "controls/RowCompare.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct KindCase {
    const char* text;
    bool isNumber;
    bool isDate;
};

const KindCase kKindCases[] = {
    {"", true, false},
    {"9", true, false},
    {"2.5", true, false},
    {".", true, false},
    {"10.", true, false},
    {"1.2.3", false, false},
    {"-5", false, false},
    {"+5", false, false},
    {"7 ", false, false},
    {" 7", false, false},
    {"1,000", false, false},
    {"1e5", false, false},
    {"\xA3\xB1", false, false},  // full-width digit one: two bytes, neither a digit
    {"20-12-2014", false, true},
    {"05-03-2015", false, true},
    {"5-03-2015", false, false},
    {"05-03-20150", false, false},
    {"05/03/2015", false, false},
    {"05-03-201x", false, false},
    {"0a-03-2015", false, false},
    {"2015-03-05", false, false},
    {"--------", false, false},
    {"\xA3\xB0\xA3\xB5-03-2015", false, false},
};

TEST(RowCompare, RecognisesNumbersAndDates)
{
    for (const KindCase& c : kKindCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.isNumber, IsNumberText(c.text) != FALSE);
        EXPECT_EQ(c.isDate, IsDateText(c.text) != FALSE);
    }
}

struct OrderCase {
    const char* a;
    const char* b;
    int expected;
};

TEST(RowCompare, ComparesNumbersByValue)
{
    const OrderCase cases[] = {
        {"9", "12", -1}, {"12", "9", 1}, {"2.5", "10", -1}, {"10", "10.0", 0}, {"", "0", 0},
        {"", "abc", 0},  {"", "3x", -1}, {"0.5", ".5", 0},  {"007", "7", 0},   {"1", "-1", 1},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(c.expected, CompareNumberTexts(c.a, c.b));
    }
}

TEST(RowCompare, ComparesDatesByYearThenMonthThenDay)
{
    const OrderCase cases[] = {
        {"20-12-2014", "05-03-2015", -1},  // the year decides before the day
        {"01-12-2015", "31-01-2015", 1},   // then the month
        {"02-03-2015", "01-03-2015", 1},   // then the day
        {"05-03-2015", "05-03-2015", 0},
        // Another form as second text: its parts are read from the same positions.
        {"01-01-2000", "abc", 1},  // parts empty or not numbers: 0
        {"00-00-0000", "", 0},
        {"01-01-0001", "xx-xx-0001xyz", 1},  // year 1 equal, month 1 > 0
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(c.expected, CompareDateTexts(c.a, c.b));
    }
}

struct RowCase {
    const char* first;
    const char* second;
    int ascending;   // sign of the result in an ascending sort
    int descending;  // and in a descending one
};

int SignOf(int value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

TEST(RowCompare, ChoosesTheKindByTheFirstRowsTextAlone)
{
    const RowCase cases[] = {
        {"9", "12", -1, 1},  // numbers, not text ("12" < "9" as text)
        {"2.5", "10", -1, 1},
        {"20-12-2014", "05-03-2015", -1, 1},  // dates, not text
        {"apple", "banana", -1, 1},           // text
        {"b", "B", -1, 1},                    // text follows lstrcmpA: lower case first
        {"1.2.3", "1.10", 1, -1},             // not a number: compared as text
        {"-5", "-4", 1, -1},                  // not a number: as numbers -5 < -4
        {"", "abc", 0, 0},                    // empty is the number 0, so is "abc"
        {"", "3abc", -1, 1},
        {"abc", "", 1, -1},            // text first: plain text order
        {"5", "abc", 1, -1},           // number first: "abc" converts to 0
        {"abc", "5", 1, -1},           // text first: 'a' sorts after '5'
        {"01-01-2000", "zzz", 1, -1},  // date first: "zzz" yields 0-0-0
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " vs " + c.second);
        EXPECT_EQ(c.ascending, SignOf(CompareRowTexts(c.first, c.second, TRUE)));
        EXPECT_EQ(c.descending, SignOf(CompareRowTexts(c.first, c.second, FALSE)));
    }
}

TEST(RowCompare, MixedKindsDependOnWhichRowComesFirst)
{
    // "10" against "9x": as numbers 10 > 9; "9x" first compares as text, where "10" < "9x".
    EXPECT_GT(CompareRowTexts("10", "9x", TRUE), 0);
    EXPECT_GT(CompareRowTexts("9x", "10", TRUE), 0);
}

}  // namespace
