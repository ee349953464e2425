#include "controls/ReportLook.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportLook, MapsColumnFormatsToAlignmentCodes)
{
    const struct {
        int format;
        TCHAR code;
    } cases[] = {
        {LVCFMT_LEFT, _T('0')}, {LVCFMT_RIGHT, _T('2')}, {LVCFMT_CENTER, _T('1')},
        {3, _T('1')},           {-1, _T('1')},           {0x800, _T('1')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(c.code, AlignmentCodeForFormat(c.format));
    }
}

TEST(ReportLook, MapsAlignmentCodesToDrawTextFlags)
{
    const CString codes(_T("0129"));
    EXPECT_EQ(UINT(DT_LEFT), ColumnAlignment(codes, 0));
    EXPECT_EQ(UINT(DT_CENTER), ColumnAlignment(codes, 1));
    EXPECT_EQ(UINT(DT_RIGHT), ColumnAlignment(codes, 2));
    EXPECT_EQ(UINT(DT_CENTER), ColumnAlignment(codes, 3));  // unknown code
    EXPECT_EQ(UINT(DT_CENTER), ColumnAlignment(codes, 4));  // no code for the column
    EXPECT_EQ(UINT(DT_CENTER), ColumnAlignment(codes, -1));
    EXPECT_EQ(UINT(DT_CENTER), ColumnAlignment(CString(), 0));
}

TEST(ReportLook, KeepsAHeadingMarginOnTheAlignedSide)
{
    const struct {
        UINT alignment;
        unsigned dpi;
        int left;
        int right;
    } cases[] = {
        {DT_LEFT, 96, 13, 50},  {DT_RIGHT, 96, 10, 47},  {DT_CENTER, 96, 10, 50},
        {DT_LEFT, 144, 15, 50}, {DT_RIGHT, 144, 10, 45}, {DT_CENTER, 144, 10, 50},
        {DT_LEFT, 192, 16, 50}, {DT_RIGHT, 120, 10, 46},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.alignment << " at " << c.dpi);
        RECT rc = {10, 2, 50, 20};
        ApplyHeadingMargin(c.alignment, c.dpi, rc);
        EXPECT_EQ(c.left, rc.left);
        EXPECT_EQ(c.right, rc.right);
        EXPECT_EQ(2, rc.top);
        EXPECT_EQ(20, rc.bottom);
    }
}

TEST(ReportLook, CentresTextVerticallyTruncatingTowardsZero)
{
    EXPECT_EQ(3, CentringOffset(0, 19, 13));
    EXPECT_EQ(2, CentringOffset(10, 27, 13));
    EXPECT_EQ(0, CentringOffset(0, 13, 13));
    EXPECT_EQ(0, CentringOffset(0, 12, 13));   // -1 / 2 truncates to 0
    EXPECT_EQ(-1, CentringOffset(0, 10, 13));  // -3 / 2 truncates to -1
}

TEST(ReportLook, DarkensTheGradientPerRowAndStopsAtZero)
{
    const struct {
        int row;
        COLORREF colour;
    } cases[] = {
        {0, RGB(171, 199, 235)},  {1, RGB(168, 196, 232)}, {10, RGB(141, 169, 205)},
        {19, RGB(114, 142, 178)}, {56, RGB(3, 31, 67)},    {57, RGB(0, 28, 64)},
        {66, RGB(0, 1, 37)},      {67, RGB(0, 0, 34)},     {78, RGB(0, 0, 1)},
        {79, RGB(0, 0, 0)},       {500, RGB(0, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(c.colour, GradientRowColour(171, 199, 235, 3, c.row));
    }
}

TEST(ReportLook, ScalesTheHeaderHeightByTruncation)
{
    EXPECT_EQ(20, ScaledHeaderHeight(20, 1.0f));
    EXPECT_EQ(30, ScaledHeaderHeight(20, 1.5f));
    EXPECT_EQ(26, ScaledHeaderHeight(19, 1.4f));  // 26.6
}

}  // namespace
