// The main dialog at the display's scale (VARNEL_DPI, 96 when unset; tools/wine-run gives the
// run a prefix of that scale): every text fits its control, no two controls overlap, and the
// log's columns fill the list.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "framework/CRect.h"
#include "framework/Dpi.h"
#include "res/resource.h"
#include "tests/dialog/SweepDlgDriver.h"
#include "tests/support/IconWidth.h"
#include "tests/support/Pixels.h"
#include "tests/support/WindowText.h"

namespace {

struct Scale {
    UINT dpi;
    int operationColumn;  // the log's first column
    int sizeColumn;       // and its last
    int cellFont;         // text heights of the log's rows and of its headings
    int headingFont;
    int checkBox;     // room a check box takes before its text, at most
    int gradientRow;  // the header's first pixel row in the colour of its third at 96 DPI
};

const Scale kScales[] = {
    {96, 100, 80, 12, 13, 18, 2},
    {144, 150, 120, 18, 20, 27, 3},
    {192, 200, 160, 24, 26, 36, 4},
};

CRect RectInDialog(HWND hDlg, HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(NULL, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// The extent of `text` in the given font, or in the window's own when hFont is NULL.
SIZE TextExtent(HWND hWnd, const std::wstring& text, HFONT hFont = NULL)
{
    HDC hDC = ::GetDC(hWnd);
    if (hFont == NULL) hFont = reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0));
    const HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE extent = {};
    ::GetTextExtentPoint32W(hDC, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hWnd, hDC);
    return extent;
}

// The last-change column at the scale: 130 pixels at 96 DPI.
int ChangedColumn(UINT dpi)
{
    return static_cast<int>(130 * dpi / 96);
}

// The first column is `first` wide, the size column `size`, the last `last`, and the second
// fills the rest of the list.
void ExpectColumnsFill(HWND hList, int first, int size, int last)
{
    CRect client;
    ::GetClientRect(hList, &client);
    EXPECT_EQ(::SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0), first);
    EXPECT_EQ(::SendMessageW(hList, LVM_GETCOLUMNWIDTH, 1, 0),
              client.Width() - first - size - last);
    EXPECT_EQ(::SendMessageW(hList, LVM_GETCOLUMNWIDTH, 2, 0), size);
    EXPECT_EQ(::SendMessageW(hList, LVM_GETCOLUMNWIDTH, 3, 0), last);
}

}  // namespace

TEST(DialogScale, TextsFitNothingOverlapsColumnsFill)
{
    const char* asked = std::getenv("VARNEL_DPI");
    const UINT dpi = asked != nullptr && *asked != '\0' ? std::atoi(asked) : 96;
    const Scale* scale = nullptr;
    for (const Scale& s : kScales)
        if (s.dpi == dpi) scale = &s;
    if (scale == nullptr) GTEST_SKIP() << "no expectations at " << dpi << " DPI";

    SweepDlgDriver::Run([scale](SweepDlgDriver& d) {
        ASSERT_EQ(GetWindowDpi(d.Window()), scale->dpi);
        CRect client;
        ::GetClientRect(d.Window(), &client);
        const int checkBoxes[] = {IDC_CHECK_EXACT_MATCH,    IDC_CHECK_MATCH_CASE,
                                  IDC_CHECK_DELETE_FOLDERS, IDC_CHECK_DELETE_FILES,
                                  IDC_CHECK_PREVIEW,        IDC_CHECK_RECYCLE};
        const int others[] = {IDC_STATIC_PATH_LABEL,
                              IDC_EDIT_PATH,
                              IDC_BUTTON_BROWSE,
                              IDC_STATIC_KEYWORD_LABEL,
                              IDC_COMBO_KEYWORD,
                              IDC_STATIC_WARNING,
                              IDC_LIST_LOG,
                              IDC_STATIC_STATUS,
                              IDC_BUTTON_CLEAN,
                              IDCANCEL,
                              IDC_STATIC_EXCLUDE_LABEL,
                              IDC_EDIT_EXCLUDE,
                              IDC_STATIC_AGE_LABEL,
                              IDC_EDIT_AGE};
        std::vector<int> controls(std::begin(checkBoxes), std::end(checkBoxes));
        controls.insert(controls.end(), std::begin(others), std::end(others));

        const CRect group = RectInDialog(d.Window(), d.Item(IDC_STATIC_GROUP));
        for (size_t i = 0; i < controls.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "control " << controls[i]);
            const HWND hItem = d.Item(controls[i]);
            const CRect rc = RectInDialog(d.Window(), hItem);
            CRect within;
            EXPECT_TRUE(::IntersectRect(&within, &rc, &client) && ::EqualRect(&within, &rc));
            // The group box frames the options; the rest stay out of it.
            if (::IntersectRect(&within, &rc, &group)) {
                EXPECT_TRUE(::EqualRect(&within, &rc));
            }
            for (size_t j = i + 1; j < controls.size(); ++j) {
                const CRect other = RectInDialog(d.Window(), d.Item(controls[j]));
                EXPECT_FALSE(::IntersectRect(&within, &rc, &other)) << "and " << controls[j];
            }
            const std::wstring text = WindowText(hItem);
            if (text.empty()) continue;
            CRect inside;
            ::GetClientRect(hItem, &inside);
            const SIZE extent = TextExtent(hItem, text);
            const bool checkBox = i < std::size(checkBoxes);
            EXPECT_LE(extent.cx + (checkBox ? scale->checkBox : 0), inside.Width());
            EXPECT_LE(extent.cy, inside.Height());
        }

        const HWND hList = d.Item(IDC_LIST_LOG);
        ExpectColumnsFill(hList, scale->operationColumn, scale->sizeColumn,
                          ChangedColumn(scale->dpi));
        // A run's heading row: its time stamp fits the first column, its text the row; the
        // widest size fits the last.
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.pszText = const_cast<wchar_t*>(L"2026-12-07 19:25:17");
        ASSERT_EQ(::SendMessageW(hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)), 0);
        CRect row(LVIR_BOUNDS, 0, 0, 0);
        ASSERT_TRUE(::SendMessageW(hList, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)));
        EXPECT_GE(row.Height(), scale->cellFont);
        const HFONT hCellFont = ::CreateFontW(scale->cellFont, 0, 0, 0, FW_DONTCARE, 0, 0, 0,
                                              ANSI_CHARSET, 0, 0, 0, 0, L"宋体");
        EXPECT_LE(TextExtent(hList, item.pszText, hCellFont).cx, scale->operationColumn);
        EXPECT_LE(TextExtent(hList, L"1023 字节", hCellFont).cx, scale->sizeColumn);
        EXPECT_LE(TextExtent(hList, item.pszText, hCellFont).cx, ChangedColumn(scale->dpi));
        ::DeleteObject(hCellFont);

        const HWND hHeader = reinterpret_cast<HWND>(::SendMessageW(hList, LVM_GETHEADER, 0, 0));
        CRect header;
        ::GetClientRect(hHeader, &header);
        EXPECT_GE(header.Height(), scale->headingFont);
        // The gradient is stretched: each 96 DPI row's colour covers as many rows as the scale.
        const PixelCanvas pixels(header.Width(), header.Height());
        ::SendMessageW(hHeader, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(pixels.dc()), PRF_CLIENT);
        const int x = header.Width() - 5;
        EXPECT_EQ(pixels.At(x, scale->gradientRow - 1), RGB(168, 196, 232));
        EXPECT_EQ(pixels.At(x, scale->gradientRow), RGB(165, 193, 229));
    });
}

// Windows sends WM_DPICHANGED when the window moves to a monitor of another scale.
TEST(DialogScale, MovingToA200PercentMonitorRescalesColumnsAndIcons)
{
    SweepDlgDriver::Run([](SweepDlgDriver& d) {
        CRect window;
        ::GetWindowRect(d.Window(), &window);
        ::SendMessageW(d.Window(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                       reinterpret_cast<LPARAM>(&window));
        ExpectColumnsFill(d.Item(IDC_LIST_LOG), 200, 160, ChangedColumn(192));
        const auto icon = [&d](WPARAM which) {
            return IconWidth(
                reinterpret_cast<HICON>(::SendMessageW(d.Window(), WM_GETICON, which, 0)));
        };
        EXPECT_EQ(icon(ICON_BIG), 64);
        EXPECT_EQ(icon(ICON_SMALL), 32);
    });
}
