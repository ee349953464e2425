#include "controls/ButtonLook.h"

BOOL IsActiveItemState(UINT itemState)
{
    return (itemState & (ODS_FOCUS | ODS_SELECTED | ODS_DEFAULT)) != 0;
}

COLORREF GradientBandColour(BOOL bHover, BOOL bActive, int band)
{
    // Hovering lightens red and green; the active tint deepens blue, more so under the pointer.
    const int redGreen = 255 - band / (bHover == 1 ? 4 : 3);
    int blueDivisor = 5;
    if (bActive == 1) blueDivisor = bHover == 1 ? 3 : 4;
    return RGB(redGreen, redGreen, 255 - band / blueDivisor);
}

int GradientRowCount(const RECT& inner)
{
    const int height = inner.bottom - inner.top;
    return height > 0 ? height + 1 : 0;
}

int GradientBandOfRow(const RECT& inner, int y)
{
    return (y - inner.top) * (kGradientBands - 1) / (inner.bottom - inner.top);
}

FramePens ChooseFramePens(BOOL bHover, BOOL bFocused)
{
    if (bHover == 1) return FramePens::Hover;
    if (bFocused == 1) return FramePens::Focus;
    return FramePens::None;
}

std::array<FrameLine, 4> FrameLines(const RECT& inner)
{
    // The left line leans by one pixel over its length; the bottom one stops short of the corners.
    return {{
        {FrameSide::Left, {inner.left - 1, inner.bottom - 1}, {inner.left, inner.top}},
        {FrameSide::Right, {inner.right, inner.bottom - 1}, {inner.right, inner.top + 1}},
        {FrameSide::Top, {inner.left, inner.top}, {inner.right, inner.top}},
        {FrameSide::Bottom, {inner.left + 1, inner.bottom}, {inner.right - 1, inner.bottom}},
    }};
}

POINT CaptionOrigin(const RECT& inner, SIZE extent, UINT itemState)
{
    const int pressed = (itemState & ODS_SELECTED) != 0 ? 1 : 0;
    return {(inner.left + inner.right) / 2 - extent.cx / 2 + pressed,
            (inner.top + inner.bottom) / 2 - extent.cy / 2 + pressed};
}
