// The main dialog at the display's scale (VARNEL_DPI, 96 when unset; tools/wine-run gives the
// run a prefix of that scale): every text fits its control, no two controls overlap, and the
// log's columns fill the list.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "res/resource.h"
#include "tests/dialog/SweepDlgDriver.h"
#include "tests/support/IconWidth.h"
#include "tests/support/WindowText.h"

namespace {

struct Scale {
    UINT dpi;
    int operationColumn;  // the log's first column
    int cellFont;         // the log's and the header's text heights
    int headingFont;
    int checkBox;  // room a check box takes before its text, at most
};

const Scale kScales[] = {
    {96, 100, 12, 13, 18},
    {144, 150, 18, 20, 27},
    {192, 200, 24, 26, 36},
};

const Scale* ScaleOfThisRun()
{
    const char* asked = std::getenv("VARNEL_DPI");
    const UINT dpi = asked != nullptr && *asked != '\0' ? static_cast<UINT>(std::atoi(asked)) : 96;
    for (const Scale& scale : kScales)
        if (scale.dpi == dpi) return &scale;
    return nullptr;
}

UINT DpiOfWindow(HWND hWnd)
{
    // Wine has it; so does every Windows this check would run on.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    const auto pfn = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    return pfn != nullptr ? pfn(hWnd) : 0;
}

RECT RectInDialog(HWND hDlg, HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(NULL, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

SIZE TextExtent(HWND hWnd, const std::wstring& text)
{
    HDC hDC = ::GetDC(hWnd);
    const HGDIOBJ hOld =
        ::SelectObject(hDC, reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0)));
    RECT rc = {0, 0, 0, 0};
    ::DrawTextW(hDC, text.c_str(), static_cast<int>(text.size()), &rc, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hWnd, hDC);
    return {rc.right, rc.bottom};
}

int Width(const RECT& rc)
{
    return rc.right - rc.left;
}
int Height(const RECT& rc)
{
    return rc.bottom - rc.top;
}

}  // namespace

class DialogScale : public testing::Test {
protected:
    void SetUp() override
    {
        m_scale = ScaleOfThisRun();
        if (m_scale == nullptr) GTEST_SKIP() << "no expectations for VARNEL_DPI";
    }

    const Scale* m_scale = nullptr;
};

TEST_F(DialogScale, TextsFitAndNothingOverlaps)
{
    SweepDlgDriver::Run([this](SweepDlgDriver& d) {
        ASSERT_EQ(DpiOfWindow(d.Window()), m_scale->dpi);
        RECT client;
        ::GetClientRect(d.Window(), &client);

        const struct {
            int id;
            bool checkBox;
        } controls[] = {
            {IDC_STATIC_PATH_LABEL, false},
            {IDC_EDIT_PATH, false},
            {IDC_BUTTON_BROWSE, false},
            {IDC_STATIC_KEYWORD_LABEL, false},
            {IDC_COMBO_KEYWORD, false},
            {IDC_CHECK_EXACT_MATCH, true},
            {IDC_CHECK_MATCH_CASE, true},
            {IDC_CHECK_DELETE_FOLDERS, true},
            {IDC_CHECK_DELETE_FILES, true},
            {IDC_CHECK_PREVIEW, true},
            {IDC_STATIC_WARNING, false},
            {IDC_LIST_LOG, false},
            {IDC_STATIC_STATUS, false},
            {IDC_BUTTON_CLEAN, false},
            {IDCANCEL, false},
        };
        const RECT group = RectInDialog(d.Window(), d.Item(IDC_STATIC_GROUP));
        for (size_t i = 0; i < std::size(controls); ++i) {
            const HWND hItem = d.Item(controls[i].id);
            const RECT rc = RectInDialog(d.Window(), hItem);
            SCOPED_TRACE(testing::Message() << "control " << controls[i].id);
            EXPECT_TRUE(rc.left >= 0 && rc.top >= 0 && rc.right <= client.right &&
                        rc.bottom <= client.bottom);
            // The group box frames the options; everything else stays out of its frame.
            RECT inGroup;
            if (::IntersectRect(&inGroup, &rc, &group)) {
                EXPECT_TRUE(::EqualRect(&inGroup, &rc));
            }
            for (size_t j = i + 1; j < std::size(controls); ++j) {
                const RECT other = RectInDialog(d.Window(), d.Item(controls[j].id));
                RECT overlap;
                EXPECT_FALSE(::IntersectRect(&overlap, &rc, &other)) << "and " << controls[j].id;
            }
            if (controls[i].id == IDC_EDIT_PATH || controls[i].id == IDC_COMBO_KEYWORD ||
                controls[i].id == IDC_LIST_LOG)
                continue;
            RECT inside;
            ::GetClientRect(hItem, &inside);
            const SIZE text = TextExtent(hItem, WindowText(hItem));
            EXPECT_LE(text.cx + (controls[i].checkBox ? m_scale->checkBox : 0), Width(inside));
            EXPECT_LE(text.cy, Height(inside));
        }
    });
}

TEST_F(DialogScale, LogColumnsFillTheListAndRowsHoldTheirText)
{
    SweepDlgDriver::Run([this](SweepDlgDriver& d) {
        ASSERT_EQ(DpiOfWindow(d.Window()), m_scale->dpi);
        const HWND hList = d.Item(IDC_LIST_LOG);
        RECT client;
        ::GetClientRect(hList, &client);
        const int first = static_cast<int>(::SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0));
        EXPECT_EQ(first, m_scale->operationColumn);
        EXPECT_EQ(first + ::SendMessageW(hList, LVM_GETCOLUMNWIDTH, 1, 0), Width(client));

        // A finished run's row: the time stamp fits the first column at the cell font's size.
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.pszText = const_cast<wchar_t*>(L"2026-12-07 19:25:17");
        ASSERT_EQ(::SendMessageW(hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)), 0);
        RECT row = {LVIR_BOUNDS, 0, 0, 0};
        ASSERT_TRUE(::SendMessageW(hList, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)));
        EXPECT_GE(Height(row), m_scale->cellFont);

        HDC hDC = ::GetDC(hList);
        const HFONT hCellFont =
            ::CreateFontW(m_scale->cellFont, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE,
                          ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, L"宋体");
        const HGDIOBJ hOld = ::SelectObject(hDC, hCellFont);
        SIZE stamp = {};
        ::GetTextExtentPoint32W(hDC, item.pszText, lstrlenW(item.pszText), &stamp);
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hCellFont);
        ::ReleaseDC(hList, hDC);
        EXPECT_LE(stamp.cx, first);

        const HWND hHeader = reinterpret_cast<HWND>(::SendMessageW(hList, LVM_GETHEADER, 0, 0));
        RECT header;
        ::GetClientRect(hHeader, &header);
        EXPECT_GE(Height(header), m_scale->headingFont);
    });
}

// Windows sends WM_DPICHANGED when the window moves to a monitor of another scale.
TEST(DialogScaleChange, MovingToA200PercentMonitorRescalesColumnsAndIcons)
{
    SweepDlgDriver::Run([](SweepDlgDriver& d) {
        RECT window;
        ::GetWindowRect(d.Window(), &window);
        ::SendMessageW(d.Window(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(192, 192),
                       reinterpret_cast<LPARAM>(&window));

        const HWND hList = d.Item(IDC_LIST_LOG);
        RECT client;
        ::GetClientRect(hList, &client);
        const int first = static_cast<int>(::SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0));
        EXPECT_EQ(first, 200);
        EXPECT_EQ(first + ::SendMessageW(hList, LVM_GETCOLUMNWIDTH, 1, 0), Width(client));
        EXPECT_EQ(
            IconWidth(reinterpret_cast<HICON>(::SendMessageW(d.Window(), WM_GETICON, ICON_BIG, 0))),
            64);
        EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(
                      ::SendMessageW(d.Window(), WM_GETICON, ICON_SMALL, 0))),
                  32);
    });
}
