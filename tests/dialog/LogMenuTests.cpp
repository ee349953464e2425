// The log's keys in the real dialog: Ctrl+A selects every row, Ctrl+C puts the selected rows on
// the clipboard as Unicode text, a line each, the columns tab-separated as the log shows them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "dialog/LogMenu.h"
#include "res/resource.h"
#include "tests/dialog/LogRows.h"
#include "tests/dialog/SweepDlgDriver.h"
#include "tests/support/TempTree.h"

namespace {

// A key pressed in the window with Ctrl held, as the keyboard would give it.
void PressWithCtrl(HWND window, WORD key)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    const BYTE control = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    ::SendMessageW(window, WM_KEYDOWN, key, 1);
    keys[VK_CONTROL] = control;
    ::SetKeyboardState(keys);
}

std::wstring ClipboardText(HWND owner)
{
    std::wstring text;
    if (!::OpenClipboard(owner)) return L"<no clipboard>";
    const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    if (data != NULL) {
        text = static_cast<const wchar_t*>(::GlobalLock(data));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

}  // namespace

TEST(LogKeys, CtrlASelectsEveryRowAndCtrlCCopiesThem)
{
    TempTree tree;
    tree.AddFile(L"a_tmp.txt");
    int rows = 0;
    int selected = 0;
    std::wstring stamp;
    std::wstring changed;
    std::wstring copied;
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean(L"_tmp", tree.Root());
        const HWND list = d.Item(IDC_LIST_LOG);
        PressWithCtrl(list, 'A');
        PressWithCtrl(list, 'C');
        rows = ListView_GetItemCount(list);
        selected = ListView_GetSelectedCount(list);
        stamp = d.Rows().at(0).first;
        wchar_t cell[64] = {};
        ListView_GetItemText(list, 1, 3, cell, 64);
        changed = cell;
        copied = ClipboardText(d.Window());
    });
    EXPECT_EQ(rows, 5);
    EXPECT_EQ(selected, rows);
    // Every column: the size column holds each pass's total in its heading row, the last
    // change column each object's.
    EXPECT_TRUE(IsTimeStamp(changed)) << changed;
    EXPECT_EQ(copied, stamp +
                          L"\t清除包含关键字[_tmp]的文件(关键字不区分大小写)。\t0 字节\t\r\n"
                          L"√\t" +
                          tree.Path(L"a_tmp.txt") + L"\t0 字节\t" + changed +
                          L"\r\n"
                          L"\t\t\t\r\n" +
                          stamp +
                          L"\t清除包含关键字[_tmp]的目录。\t0 字节\t\r\n"
                          L"\t\t\t\r\n");
}

namespace {

RECT g_menuRect;

// Notes where the context menu opened, then closes it.
void CALLBACK NoteAndCloseMenu(HWND, UINT, UINT_PTR, DWORD)
{
    const HWND menu = ::FindWindowW(L"#32768", NULL);
    if (menu == NULL || !::IsWindowVisible(menu)) return;
    ::GetWindowRect(menu, &g_menuRect);
    ::EndMenu();
}

}  // namespace

// The menu key and Shift+F10 send (-1, -1) in the low 32 bits of the parameter, as Windows does on
// x64 too: the menu opens below the selected row, not at the screen's corner.
TEST(LogKeys, TheKeyboardsMenuOpensBelowTheSelectedRow)
{
    TempTree tree;
    tree.AddFile(L"a_tmp.txt");
    POINT rowCorner = {};
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean(L"_tmp", tree.Root());
        const HWND list = d.Item(IDC_LIST_LOG);
        ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        RECT row = {LVIR_BOUNDS, 0, 0, 0};
        ListView_GetItemRect(list, 1, &row, LVIR_BOUNDS);
        rowCorner = {row.left, row.bottom};
        ::ClientToScreen(list, &rowCorner);
        g_menuRect = {-100, -100, -100, -100};
        const UINT_PTR timer = ::SetTimer(NULL, 0, 50, NoteAndCloseMenu);
        ::SendMessageW(d.Window(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list),
                       static_cast<LPARAM>(0xFFFFFFFFu));
        ::KillTimer(NULL, timer);
    });
    EXPECT_EQ(g_menuRect.left, rowCorner.x);
    EXPECT_EQ(g_menuRect.top, rowCorner.y);
}

// "打开所在文件夹" selects the object itself, not one Win32 parsing would make of its name.
TEST(LogMenu, OpenFolderNamesTheObjectItself)
{
    TempTree tree;
    tree.AddFile(L"a_tmp.");
    tree.AddFile(L"a_tmp");  // what "a_tmp." names as a plain path
    const PIDLIST_ABSOLUTE item = ObjectItem(tree.Path(L"a_tmp."));
    ASSERT_TRUE(item != NULL);
    wchar_t path[MAX_PATH] = {};
    EXPECT_TRUE(::SHGetPathFromIDListW(item, path));
    ::ILFree(item);
    const std::wstring named = path;
    EXPECT_EQ(named.substr(named.rfind(L'\\') + 1), L"a_tmp.");
}
