#include "controls/ButtonLook.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ButtonLook, FocusPressAndDefaultMarkMakeTheFaceActive)
{
    const struct {
        UINT itemState;
        BOOL active;
    } cases[] = {
        {0, FALSE},
        {ODS_FOCUS, TRUE},
        {ODS_SELECTED, TRUE},
        {ODS_DEFAULT, TRUE},
        {ODS_DISABLED | ODS_GRAYED | ODS_CHECKED, FALSE},
        {ODS_DISABLED | ODS_DEFAULT, TRUE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.itemState);
        EXPECT_EQ(c.active, IsActiveItemState(c.itemState) ? TRUE : FALSE);
    }
}

TEST(ButtonLook, GradientPalettesFollowHoverAndActive)
{
    const struct {
        BOOL hover;
        BOOL active;
        int band;
        COLORREF colour;
    } cases[] = {
        {0, 0, 0, RGB(255, 255, 255)},
        {0, 1, 0, RGB(255, 255, 255)},
        {1, 0, 0, RGB(255, 255, 255)},
        {1, 1, 0, RGB(255, 255, 255)},
        {0, 0, 63, RGB(234, 234, 243)},
        {0, 1, 63, RGB(234, 234, 240)},
        {1, 0, 63, RGB(240, 240, 243)},
        {1, 1, 63, RGB(240, 240, 234)},
        // Truncating divisions: 31/3 = 10, 31/4 = 7, 31/5 = 6.
        {0, 0, 31, RGB(245, 245, 249)},
        {0, 1, 31, RGB(245, 245, 248)},
        {1, 0, 31, RGB(248, 248, 249)},
        {1, 1, 31, RGB(248, 248, 245)},
        // Only the value 1 counts as set.
        {2, 2, 63, RGB(234, 234, 243)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hover << c.active << " band " << c.band);
        EXPECT_EQ(c.colour, GradientBandColour(c.hover, c.active, c.band));
    }
}

// Bands of every row the gradient fills, top to bottom.
std::vector<int> BandsOfRows(const RECT& inner)
{
    std::vector<int> bands;
    for (int row = 0; row < GradientRowCount(inner); ++row)
        bands.push_back(GradientBandOfRow(inner, inner.top + row));
    return bands;
}

TEST(ButtonLook, GradientRunsFromTheTopRowToTheRowBelowTheInnerRectangle)
{
    // Client (0,0,60,24) with edges of 2: rows 2..22, row y gets (y - 2) * 63 / 20.
    const RECT inner = {2, 2, 58, 22};
    const std::vector<int> bands = BandsOfRows(inner);
    ASSERT_EQ(21u, bands.size());
    for (int y = 2; y <= 22; ++y) EXPECT_EQ((y - 2) * 63 / 20, bands[y - 2]) << "row " << y;
    EXPECT_EQ(0, bands.front());
    EXPECT_EQ(63, bands.back());
    EXPECT_EQ(3, bands[1]);    // 63/20
    EXPECT_EQ(31, bands[10]);  // 630/20
}

TEST(ButtonLook, OneRowTallInnerRectangleSpansBothEndsOfThePalette)
{
    const RECT inner = {2, 2, 30, 3};
    EXPECT_EQ((std::vector<int>{0, 63}), BandsOfRows(inner));
}

TEST(ButtonLook, InnerRectangleWithoutHeightGetsNoGradientRow)
{
    const RECT flat = {2, 2, 30, 2};      // client exactly twice the edge height
    const RECT inverted = {2, 2, 30, 1};  // client shorter than that
    const RECT empty = {0, 0, 0, 0};
    EXPECT_EQ(0, GradientRowCount(flat));
    EXPECT_EQ(0, GradientRowCount(inverted));
    EXPECT_EQ(0, GradientRowCount(empty));
}

TEST(ButtonLook, FrameIsWarmUnderThePointerAndBlueForTheFocusAlone)
{
    const struct {
        BOOL hover;
        BOOL focused;
        FramePens pens;
    } cases[] = {
        {0, 0, FramePens::None},
        {0, 1, FramePens::Focus},
        {1, 0, FramePens::Hover},
        {1, 1, FramePens::Hover},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hover << c.focused);
        EXPECT_EQ(c.pens, ChooseFramePens(c.hover, c.focused));
    }
}

TEST(ButtonLook, FrameLinesHugTheInnerRectangle)
{
    const RECT inner = {2, 2, 58, 22};
    const auto lines = FrameLines(inner);
    const struct {
        FrameSide side;
        LONG x0, y0, x1, y1;
    } expected[] = {
        {FrameSide::Left, 1, 21, 2, 2},
        {FrameSide::Right, 58, 21, 58, 3},
        {FrameSide::Top, 2, 2, 58, 2},
        {FrameSide::Bottom, 3, 22, 57, 22},
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i].side, lines[i].side);
        EXPECT_EQ(expected[i].x0, lines[i].from.x);
        EXPECT_EQ(expected[i].y0, lines[i].from.y);
        EXPECT_EQ(expected[i].x1, lines[i].to.x);
        EXPECT_EQ(expected[i].y1, lines[i].to.y);
    }
}

TEST(ButtonLook, CaptionIsCentredAndMovesWhenPressed)
{
    const struct {
        RECT inner;
        SIZE extent;
        UINT state;
        LONG x, y;
    } cases[] = {
        {{2, 2, 58, 22}, {20, 12}, 0, 20, 6},
        {{2, 2, 58, 22}, {20, 12}, ODS_SELECTED, 21, 7},
        {{2, 2, 58, 22}, {20, 12}, ODS_DEFAULT | ODS_FOCUS | ODS_DISABLED, 20, 6},
        // Each half is truncated on its own: 61/2 - 21/2 = 30 - 10, 25/2 - 13/2 = 12 - 6.
        {{2, 2, 59, 23}, {21, 13}, 0, 20, 6},
        // Wider than the button: the origin lies left of it, halving toward zero.
        {{2, 2, 20, 22}, {41, 12}, 0, -9, 6},
        {{-7, 0, 0, 10}, {0, 0}, 0, -3, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.inner.left << "," << c.inner.right << " " << c.state);
        const POINT origin = CaptionOrigin(c.inner, c.extent, c.state);
        EXPECT_EQ(c.x, origin.x);
        EXPECT_EQ(c.y, origin.y);
    }
}

}  // namespace
