#include "controls/RowCompare.h"

#include "tests/support/WideText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct KindCase {
    LPCTSTR text;
    bool isNumber;
    bool isDate;
};

const KindCase kKindCases[] = {
    {_T(""), true, false},
    {_T("9"), true, false},
    {_T("2.5"), true, false},
    {_T("."), true, false},
    {_T("10."), true, false},
    {_T("1.2.3"), false, false},
    {_T("-5"), false, false},
    {_T("+5"), false, false},
    {_T("7 "), false, false},
    {_T(" 7"), false, false},
    {_T("1,000"), false, false},
    {_T("1e5"), false, false},
    {_T("１"), false, false},  // a full-width digit is not an ASCII one
    {_T("20-12-2014"), false, true},
    {_T("05-03-2015"), false, true},
    {_T("5-03-2015"), false, false},
    {_T("05-03-20150"), false, false},
    {_T("05/03/2015"), false, false},
    {_T("05-03-201x"), false, false},
    {_T("0a-03-2015"), false, false},
    {_T("2015-03-05"), false, false},
    {_T("--------"), false, false},
    {_T("０５-03-2015"), false, false},
    {_T("٠٥-03-2015"), false, false},
};

TEST(RowCompare, RecognisesNumbersAndDates)
{
    for (const KindCase& c : kKindCases) {
        SCOPED_TRACE(Shown(c.text));
        EXPECT_EQ(c.isNumber, IsNumberText(c.text) != FALSE);
        EXPECT_EQ(c.isDate, IsDateText(c.text) != FALSE);
    }
}

struct OrderCase {
    LPCTSTR a;
    LPCTSTR b;
    int expected;
};

TEST(RowCompare, ComparesNumbersByValue)
{
    const OrderCase cases[] = {
        {_T("9"), _T("12"), -1},   {_T("12"), _T("9"), 1},   {_T("2.5"), _T("10"), -1},
        {_T("10"), _T("10.0"), 0}, {_T(""), _T("0"), 0},     {_T(""), _T("abc"), 0},
        {_T(""), _T("3x"), -1},    {_T("0.5"), _T(".5"), 0}, {_T("007"), _T("7"), 0},
        {_T("1"), _T("-1"), 1},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(Shown(c.a) + " vs " + Shown(c.b));
        EXPECT_EQ(c.expected, CompareNumberTexts(c.a, c.b));
    }
}

TEST(RowCompare, ComparesDatesByYearThenMonthThenDay)
{
    const OrderCase cases[] = {
        {_T("20-12-2014"), _T("05-03-2015"), -1},  // the year decides before the day
        {_T("01-12-2015"), _T("31-01-2015"), 1},   // then the month
        {_T("02-03-2015"), _T("01-03-2015"), 1},   // then the day
        {_T("05-03-2015"), _T("05-03-2015"), 0},
        // Another form as second text: its parts are read from the same positions.
        {_T("01-01-2000"), _T("abc"), 1},  // parts empty or not numbers: 0
        {_T("00-00-0000"), _T(""), 0},
        {_T("01-01-0001"), _T("xx-xx-0001xyz"), 1},  // year 1 equal, month 1 > 0
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(Shown(c.a) + " vs " + Shown(c.b));
        EXPECT_EQ(c.expected, CompareDateTexts(c.a, c.b));
    }
}

struct RowCase {
    LPCTSTR first;
    LPCTSTR second;
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
        {_T("9"), _T("12"), -1, 1},  // numbers, not text (_T("12") < _T("9") as text)
        {_T("2.5"), _T("10"), -1, 1},
        {_T("20-12-2014"), _T("05-03-2015"), -1, 1},  // dates, not text
        {_T("apple"), _T("banana"), -1, 1},           // text
        {_T("b"), _T("B"), -1, 1},                    // text follows lstrcmpW: lower case first
        {_T("1.2.3"), _T("1.10"), 1, -1},             // not a number: compared as text
        {_T("-5"), _T("-4"), 1, -1},                  // not a number: as numbers -5 < -4
        {_T(""), _T("abc"), 0, 0},                    // empty is the number 0, so is _T("abc")
        {_T(""), _T("3abc"), -1, 1},
        {_T("abc"), _T(""), 1, -1},            // text first: plain text order
        {_T("5"), _T("abc"), 1, -1},           // number first: _T("abc") converts to 0
        {_T("abc"), _T("5"), 1, -1},           // text first: 'a' sorts after '5'
        {_T("01-01-2000"), _T("zzz"), 1, -1},  // date first: _T("zzz") yields 0-0-0
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(Shown(c.first) + " vs " + Shown(c.second));
        EXPECT_EQ(c.ascending, SignOf(CompareRowTexts(c.first, c.second, TRUE)));
        EXPECT_EQ(c.descending, SignOf(CompareRowTexts(c.first, c.second, FALSE)));
    }
}

TEST(RowCompare, MixedKindsDependOnWhichRowComesFirst)
{
    // _T("10") against _T("9x"): as numbers 10 > 9; _T("9x") first compares as text, where _T("10")
    // < _T("9x").
    EXPECT_GT(CompareRowTexts(_T("10"), _T("9x"), TRUE), 0);
    EXPECT_GT(CompareRowTexts(_T("9x"), _T("10"), TRUE), 0);
}

}  // namespace
