#pragma once
// Drawing decisions of the hover button, apart from any device context.

#include <windows.h>

#include <array>

const int kGradientBands = 64;

// Focus, a press and the default mark all give the face its active tint.
BOOL IsActiveItemState(UINT itemState);

// Colour of gradient brush `band` (0 white at the top, kGradientBands - 1 at the bottom);
// the hover and active flags are tested for 1.
COLORREF GradientBandColour(BOOL bHover, BOOL bActive, int band);

// Pixel rows the gradient fills: inner.top through inner.bottom inclusive, or none when the
// inner rectangle has no height, since the band of a row is scaled by that height.
int GradientRowCount(const RECT& inner);

// The brush band of pixel row y; only for the rows GradientRowCount admits.
int GradientBandOfRow(const RECT& inner, int y);

enum class FramePens { None, Hover, Focus };

// Warm pens while the pointer rests on the button, blue ones for the focus alone
// (which also gets a focus rectangle), no frame otherwise. Flags are tested for 1.
FramePens ChooseFramePens(BOOL bHover, BOOL bFocused);

enum class FrameSide { Left, Right, Top, Bottom };

struct FrameLine {
    FrameSide side;
    POINT from;
    POINT to;
};

// The four lines of the frame around the inner rectangle, in drawing order.
std::array<FrameLine, 4> FrameLines(const RECT& inner);

// Where a caption of the given extent starts: centred in the inner rectangle, one pixel
// right and down while the button is pressed.
POINT CaptionOrigin(const RECT& inner, SIZE extent, UINT itemState);
