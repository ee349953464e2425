#pragma once
// Drawing decisions of the report list and its header, apart from any device context.

#include "framework/CString.h"

#include <windows.h>
#include <commctrl.h>

// The alignment code kept for a column added with a list view column format:
// '0' left, '1' centred, '2' right.
TCHAR AlignmentCodeForFormat(int format);

// The DrawText alignment flag of column `column`; centred for an unknown or missing code.
UINT ColumnAlignment(const CString& codes, int column);

// A heading keeps a margin of 3 pixels (at 96 DPI) on the side it is aligned to.
void ApplyHeadingMargin(UINT alignment, unsigned dpi, RECT& rc);

// How far text of height textHeight moves down to sit in the middle of top..bottom.
int CentringOffset(int top, int bottom, int textHeight);

// Colour of pixel row `row` (0 at the top) of a gradient strip that starts at
// (red, green, blue) and darkens by `step` per row, each component stopping at 0.
COLORREF GradientRowColour(int red, int green, int blue, int step, int row);

// The header height after scaling by `factor`, truncated.
int ScaledHeaderHeight(int height, float factor);
