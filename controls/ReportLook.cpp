#include "controls/ReportLook.h"

#include "framework/DpiScale.h"

#include <algorithm>

namespace {

const int kHeadingMargin = 3;

int Darken(int component, int step, int row)
{
    return std::max(component - step * row, 0);
}

}  // namespace

TCHAR AlignmentCodeForFormat(int format)
{
    switch (format) {
    case LVCFMT_LEFT:
        return _T('0');
    case LVCFMT_RIGHT:
        return _T('2');
    default:
        return _T('1');
    }
}

UINT ColumnAlignment(const CString& codes, int column)
{
    if (column < 0 || column >= codes.GetLength()) return DT_CENTER;
    switch (codes[column]) {
    case _T('0'):
        return DT_LEFT;
    case _T('2'):
        return DT_RIGHT;
    default:
        return DT_CENTER;
    }
}

void ApplyHeadingMargin(UINT alignment, unsigned dpi, RECT& rc)
{
    const int margin = ScaleToDpi(kHeadingMargin, dpi);
    if (alignment == DT_LEFT)
        rc.left += margin;
    else if (alignment == DT_RIGHT)
        rc.right -= margin;
}

int CentringOffset(int top, int bottom, int textHeight)
{
    return (bottom - top - textHeight) / 2;
}

COLORREF GradientRowColour(int red, int green, int blue, int step, int row)
{
    return RGB(Darken(red, step, row), Darken(green, step, row), Darken(blue, step, row));
}

int ScaledHeaderHeight(int height, float factor)
{
    return static_cast<int>(static_cast<float>(height) * factor);
}
