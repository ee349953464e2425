#include "controls/CListCtrlCl.h"
#include "tests/controls/ReportListHost.h"
#include "tests/support/Pixels.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace {

const COLORREF kMarker = RGB(1, 2, 3);  // what nobody paints
const COLORREF kHeadingText = RGB(100, 0, 0);

RECT ClientRect(HWND hWnd)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    return rc;
}

// Paints the window's client area through its WM_PRINTCLIENT path onto a marked canvas.
void PrintClient(HWND hWnd, PixelCanvas& canvas)
{
    canvas.Fill(kMarker);
    ::SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
}

RECT HeaderItemRect(HWND hHeader, int item)
{
    RECT rc;
    Header_GetItemRect(hHeader, item, &rc);
    return rc;
}

// The leftmost and rightmost columns in left..right-1, top..bottom-1 holding `colour`; -1 if none.
std::pair<int, int> ColumnsHolding(const PixelCanvas& canvas, const RECT& area, COLORREF colour)
{
    int first = -1;
    int last = -1;
    for (int x = area.left; x < area.right; ++x)
        for (int y = area.top; y < area.bottom; ++y)
            if (canvas.At(x, y) == colour) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

class ReportHeaderPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.AddColumn(0, L"操作", LVCFMT_LEFT, 100);
        list.AddColumn(1, L"对象", LVCFMT_RIGHT, 120);
        list.AddColumn(2, L"中", LVCFMT_CENTER, 90);
        header = host.HeaderWindow();
        client = ClientRect(header);
    }

    ReportListHost host;
    CListCtrlCl& list = host.List();
    HWND header = nullptr;
    RECT client = {};
};

TEST_F(ReportHeaderPaint, FillsEveryItemWithTheGradientFromItsTop)
{
    PixelCanvas canvas(client.right, client.bottom, kMarker);
    PrintClient(header, canvas);
    ASSERT_GT(client.bottom, 10);
    for (int item = 0; item < 3; ++item) {
        SCOPED_TRACE(item);
        const RECT rc = HeaderItemRect(header, item);
        // The columns next to the item's edges are clear of its heading.
        for (int x : {static_cast<int>(rc.left) + 1, static_cast<int>(rc.right) - 1}) {
            EXPECT_EQ(RGB(171, 199, 235), canvas.At(x, rc.top));
            EXPECT_EQ(RGB(168, 196, 232), canvas.At(x, rc.top + 1));
            EXPECT_EQ(RGB(141, 169, 205), canvas.At(x, rc.top + 10));
            const int last = rc.bottom - 1 - rc.top;
            EXPECT_EQ(RGB(171 - 3 * last, 199 - 3 * last, 235 - 3 * last),
                      canvas.At(x, rc.bottom - 1));
        }
        // The left pixel column keeps the background: a separator.
        EXPECT_EQ(kMarker, canvas.At(rc.left, rc.top));
        EXPECT_EQ(kMarker, canvas.At(rc.left, rc.top + 10));
    }
}

TEST_F(ReportHeaderPaint, StartsTheRemainderAgainAtTheTopColour)
{
    PixelCanvas canvas(client.right, client.bottom, kMarker);
    PrintClient(header, canvas);
    const RECT last = HeaderItemRect(header, 2);
    ASSERT_LT(last.right + 2, client.right);
    EXPECT_EQ(kMarker, canvas.At(last.right, last.top));
    EXPECT_EQ(RGB(171, 199, 235), canvas.At(last.right + 1, last.top));
    EXPECT_EQ(RGB(141, 169, 205), canvas.At(client.right - 1, last.top + 10));
}

TEST_F(ReportHeaderPaint, DrawsHeadingsInTheirColourWithTheirMargins)
{
    PixelCanvas canvas(client.right, client.bottom, kMarker);
    PrintClient(header, canvas);

    const RECT left = HeaderItemRect(header, 0);
    const auto leftInk = ColumnsHolding(canvas, left, kHeadingText);
    ASSERT_GE(leftInk.first, 0) << L"no heading text in RGB(100,0,0)";
    EXPECT_GE(leftInk.first, left.left + 3);
    EXPECT_LE(leftInk.first, left.left + 5);

    const RECT right = HeaderItemRect(header, 1);
    const auto rightInk = ColumnsHolding(canvas, right, kHeadingText);
    ASSERT_GE(rightInk.second, 0);
    EXPECT_LE(rightInk.second, right.right - 4);
    EXPECT_GE(rightInk.second, right.right - 6);

    const RECT centre = HeaderItemRect(header, 2);
    const auto centreInk = ColumnsHolding(canvas, centre, kHeadingText);
    ASSERT_GE(centreInk.first, 0);
    const int middle = (centre.left + centre.right) / 2;
    EXPECT_LE(std::abs((centreInk.first + centreInk.second) / 2 - middle), 2);
}

// Copies what the window shows on screen after it has painted itself.
void CaptureScreen(HWND hWnd, PixelCanvas& canvas)
{
    ::RedrawWindow(hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC screen = ::GetDC(hWnd);
    ::BitBlt(canvas.dc(), 0, 0, canvas.width(), canvas.height(), screen, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, screen);
}

TEST(ReportOnScreen, PaintsHeaderAndRowsThroughWmPaint)
{
    ReportListHost host(true);
    host.AddLogColumns();
    host.List().AddRow(L"√", L"C:\\one");
    LVITEMW selected = {};
    selected.stateMask = LVIS_SELECTED;
    selected.state = LVIS_SELECTED;
    ::SendMessageW(host.ListWindow(), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selected));

    const HWND header = host.HeaderWindow();
    const RECT headerClient = ClientRect(header);
    PixelCanvas headerPixels(headerClient.right, headerClient.bottom, kMarker);
    CaptureScreen(header, headerPixels);
    const RECT item = HeaderItemRect(header, 1);
    EXPECT_EQ(RGB(171, 199, 235), headerPixels.At(item.left + 1, item.top));
    EXPECT_EQ(RGB(141, 169, 205), headerPixels.At(item.right - 1, item.top + 10));

    const RECT listClient = ClientRect(host.ListWindow());
    PixelCanvas listPixels(listClient.right, listClient.bottom, kMarker);
    CaptureScreen(host.ListWindow(), listPixels);
    CRect cell;
    host.List().GetSubItemRect(0, 1, LVIR_LABEL, cell);
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT),
              listPixels.At(cell.right - 3, (cell.top + cell.bottom) / 2));
}

TEST(ReportHeaderEmpty, PaintsTheWholeHeaderWithTheGradient)
{
    ReportListHost host;
    const HWND header = host.HeaderWindow();
    const RECT client = ClientRect(header);
    ASSERT_GT(client.bottom, 10);
    PixelCanvas canvas(client.right, client.bottom, kMarker);
    PrintClient(header, canvas);
    for (int x : {0, static_cast<int>(client.right) / 2, static_cast<int>(client.right) - 1}) {
        EXPECT_EQ(RGB(171, 199, 235), canvas.At(x, 0));
        EXPECT_EQ(RGB(141, 169, 205), canvas.At(x, 10));
    }
}

// The header's layout for a 300 x 200 area: its window position and the rows' area.
std::pair<WINDOWPOS, RECT> Layout(HWND hHeader)
{
    RECT area = {0, 0, 300, 200};
    WINDOWPOS pos = {};
    HDLAYOUT layout = {&area, &pos};
    ::SendMessageW(hHeader, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    return {pos, area};
}

TEST(ReportHeaderLayout, KeepsTheHeightTheControlComputes)
{
    ReportListHost host;
    const HWND header = host.HeaderWindow();
    // A plain header with the same font and styles computes the height to keep.
    HWND plain = ::CreateWindowExW(
        0, WC_HEADERW, L"", ::GetWindowLongW(header, GWL_STYLE) & ~WS_VISIBLE, 0, 0, 300, 20,
        host.ParentWindow(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(plain, WM_SETFONT, ::SendMessageW(header, WM_GETFONT, 0, 0), FALSE);
    const auto expected = Layout(plain);
    ::DestroyWindow(plain);

    const auto actual = Layout(header);
    ASSERT_GT(expected.first.cy, 0);
    EXPECT_EQ(expected.first.cy, actual.first.cy);
    EXPECT_EQ(300, actual.first.cx);
    EXPECT_EQ(actual.first.cy, actual.second.top);
    EXPECT_EQ(200, actual.second.bottom);
}

class ReportRowPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.AddLogColumns();
        list.AddRow(L"√", L"C:\\one");
        list.AddRow(L"×", L"C:\\two");
        client = ClientRect(host.ListWindow());
    }

    void Select(int row)
    {
        LVITEMW item = {};
        item.stateMask = LVIS_SELECTED;
        item.state = LVIS_SELECTED;
        ::SendMessageW(host.ListWindow(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    }

    RECT Label(int row, int column)
    {
        CRect rc;
        list.GetSubItemRect(row, column, LVIR_LABEL, rc);
        return rc;
    }

    ReportListHost host;
    CListCtrlCl& list = host.List();
    RECT client = {};
};

TEST_F(ReportRowPaint, FillsCellsWhiteAndSelectedCellsWithTheHighlight)
{
    Select(1);
    PixelCanvas canvas(client.right, client.bottom, kMarker);
    PrintClient(host.ListWindow(), canvas);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    ASSERT_NE(RGB(255, 255, 255), highlight);

    const RECT plain = Label(0, 1);
    const RECT chosen = Label(1, 1);
    const int y = (plain.top + plain.bottom) / 2;
    EXPECT_EQ(RGB(255, 255, 255), canvas.At(plain.right - 3, y));
    EXPECT_EQ(highlight, canvas.At(chosen.right - 3, (chosen.top + chosen.bottom) / 2));

    // Both rows draw their text in the list's text colour, selected or not.
    EXPECT_GE(ColumnsHolding(canvas, plain, RGB(0, 0, 0)).first, 0);
    EXPECT_GE(ColumnsHolding(canvas, chosen, RGB(0, 0, 0)).first, 0);
}

TEST_F(ReportRowPaint, StartsTheFirstColumnsFillTwoPixelsLeftOfItsLabel)
{
    // An image list moves column 0's label right of the small icon's place.
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    ListView_SetImageList(host.ListWindow(), images, LVSIL_SMALL);
    Select(0);
    PixelCanvas canvas(client.right, client.bottom, kMarker);
    PrintClient(host.ListWindow(), canvas);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const RECT label = Label(0, 0);
    const int y = (label.top + label.bottom) / 2;
    ASSERT_GE(label.left, 3);
    EXPECT_EQ(highlight, canvas.At(label.left - 2, y));
    EXPECT_NE(highlight, canvas.At(label.left - 3, y));
    // Its text starts inside the label, not inside the extra fill.
    const RECT fill = {label.left - 2, label.top, label.right, label.bottom};
    EXPECT_GE(ColumnsHolding(canvas, fill, RGB(0, 0, 0)).first, label.left);
    ListView_SetImageList(host.ListWindow(), nullptr, LVSIL_SMALL);
    ImageList_Destroy(images);
}

TEST_F(ReportRowPaint, UsesTheTextColourItIsGiven)
{
    list.SetRowTextColor(RGB(0, 0, 200));
    PixelCanvas canvas(client.right, client.bottom, kMarker);
    PrintClient(host.ListWindow(), canvas);
    const RECT cell = Label(0, 1);
    EXPECT_GE(ColumnsHolding(canvas, cell, RGB(0, 0, 200)).first, 0);
    EXPECT_LT(ColumnsHolding(canvas, cell, RGB(0, 0, 0)).first, 0);
}

TEST(ReportRowAlignment, EndsRightAlignedTextAtTheLabelsRightEdge)
{
    ReportListHost host;
    CListCtrlCl& list = host.List();
    list.AddColumn(0, L"a", LVCFMT_LEFT, 100);
    list.AddColumn(1, L"b", LVCFMT_RIGHT, 150);
    list.AddRow(L"x", L"9999");
    const RECT client = ClientRect(host.ListWindow());
    PixelCanvas canvas(client.right, client.bottom, kMarker);
    PrintClient(host.ListWindow(), canvas);

    CRect label;
    list.GetSubItemRect(0, 1, LVIR_LABEL, label);
    const auto ink = ColumnsHolding(canvas, label, RGB(0, 0, 0));
    ASSERT_GE(ink.second, 0);
    // No margin of its own: the last glyph's ink ends within its side bearing of the edge.
    EXPECT_GE(ink.second, label.right - 3);
    EXPECT_LT(ink.second, label.right);
}

// GDI objects of this process; Wine answers GetGuiResources with 0, so count live handles there.
int CountGdiObjects()
{
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) return static_cast<int>(reported);
    int count = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index)
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
    return count;
}

TEST(ReportPaintResources, KeepsNoGdiObjectAcrossAThousandRepaints)
{
    ReportListHost host(true);
    host.AddLogColumns();
    host.List().AddRow(L"√", L"C:\\one");
    host.List().AddRow(L"×", L"C:\\two");
    const auto repaint = [&] {
        ::RedrawWindow(host.ListWindow(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    repaint();  // the first painting may set up what later ones reuse
    const int before = CountGdiObjects();
    // The count must see what a painting that forgot its cell font would keep.
    HFONT forgotten = ::CreateFontW(12, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, L"宋体");
    ASSERT_EQ(before + 1, CountGdiObjects());
    ::DeleteObject(forgotten);
    for (int i = 0; i < 1000; ++i) repaint();
    EXPECT_EQ(before, CountGdiObjects());
}

}  // namespace
