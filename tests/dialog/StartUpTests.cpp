// The main dialog as it comes up and its window-level behaviour: system menu, about box,
// size limits, dropped files, folder picker, keys.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"
#include "tests/dialog/SweepDlgDriver.h"
#include "tests/support/IconWidth.h"
#include "tests/support/WindowText.h"
#include "tests/support/TempTree.h"

TEST(SweepDlgStartUp, EveryControlShowsItsDefault)
{
    SweepDlgDriver::Run([](SweepDlgDriver& d) {
        EXPECT_EQ(WindowText(d.Window()), L"Varnel V1.0");
        EXPECT_EQ(d.Text(IDC_EDIT_PATH), L"支持目录拖曳");
        EXPECT_EQ(d.Text(IDC_COMBO_KEYWORD), L"");
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), L"");
        EXPECT_EQ(d.Text(IDC_STATIC_WARNING),
                  L"温馨提示：当选中删除目录时同时会删除该目录下的所有文"
                  L"件，目前版本暂不支持从回收站恢复，请谨慎使用！");
        EXPECT_FALSE(d.IsChecked(IDC_CHECK_EXACT_MATCH));
        EXPECT_FALSE(d.IsChecked(IDC_CHECK_MATCH_CASE));
        EXPECT_TRUE(d.IsChecked(IDC_CHECK_DELETE_FOLDERS));
        EXPECT_FALSE(d.IsChecked(IDC_CHECK_DELETE_FILES));
        EXPECT_FALSE(d.IsChecked(IDC_CHECK_PREVIEW));
        EXPECT_EQ(d.Text(IDC_CHECK_PREVIEW), L"仅预览");
        EXPECT_FALSE(d.IsChecked(IDC_CHECK_RECYCLE));
        EXPECT_TRUE(d.Rows().empty());
        // Each icon is drawn from the image made for its size (32 and 16 pixels at 96 DPI).
        const LRESULT icon = ::SendMessageW(d.Window(), WM_GETICON, ICON_BIG, 0);
        EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(icon)), 32);
        EXPECT_EQ(IconWidth(reinterpret_cast<HICON>(
                      ::SendMessageW(d.Window(), WM_GETICON, ICON_SMALL, 0))),
                  16);
        // Dragging the minimised window shows the same icon.
        EXPECT_EQ(::SendMessageW(d.Window(), WM_QUERYDRAGICON, 0, 0), icon);
    });
}

TEST(SweepDlgStartUp, LogHasFourColumnsFillingItsWidth)
{
    SweepDlgDriver::Run([](SweepDlgDriver& d) {
        const HWND hList = d.Item(IDC_LIST_LOG);
        const HWND hHeader = reinterpret_cast<HWND>(::SendMessageW(hList, LVM_GETHEADER, 0, 0));
        ASSERT_EQ(::SendMessageW(hHeader, HDM_GETITEMCOUNT, 0, 0), 4);

        const wchar_t* titles[] = {L"操作", L"操作对象", L"大小", L"修改时间"};
        const int formats[] = {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
        for (int column = 0; column < 4; ++column) {
            wchar_t buffer[64] = {};
            LVCOLUMNW info = {};
            info.mask = LVCF_TEXT | LVCF_FMT;
            info.pszText = buffer;
            info.cchTextMax = static_cast<int>(std::size(buffer));
            ASSERT_TRUE(
                ::SendMessageW(hList, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info)));
            EXPECT_STREQ(buffer, titles[column]);
            EXPECT_EQ(info.fmt & LVCFMT_JUSTIFYMASK, formats[column]);
        }
        RECT client;
        ::GetClientRect(hList, &client);
        EXPECT_EQ(::SendMessageW(hList, LVM_GETCOLUMNWIDTH, 0, 0), 100);
        EXPECT_EQ(::SendMessageW(hList, LVM_GETCOLUMNWIDTH, 1, 0),
                  client.right - client.left - 310);
        EXPECT_EQ(::SendMessageW(hList, LVM_GETCOLUMNWIDTH, 2, 0), 80);
        EXPECT_EQ(::SendMessageW(hList, LVM_GETCOLUMNWIDTH, 3, 0), 130);

        EXPECT_EQ(::SendMessageW(hList, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
                  LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(hList, LVM_GETBKCOLOR, 0, 0)),
                  RGB(255, 255, 255));
        EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(hList, LVM_GETTEXTBKCOLOR, 0, 0)),
                  RGB(255, 255, 255));
    });
}

TEST(SweepDlgWindow, SizeLimitsIgnoreTheScreen)
{
    SweepDlgDriver::Run([](SweepDlgDriver& d) {
        MINMAXINFO info = {};
        ::SendMessageW(d.Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.ptMaxSize.x, 1024);
        EXPECT_EQ(info.ptMaxSize.y, 768);
        EXPECT_EQ(info.ptMinTrackSize.x, 605);
        EXPECT_EQ(info.ptMinTrackSize.y, 435);
    });
}

namespace {

int SeparatorCount(HMENU hMenu)
{
    int separators = 0;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
        separators += (::GetMenuState(hMenu, i, MF_BYPOSITION) & MF_SEPARATOR) ? 1 : 0;
    return separators;
}

// The system menu the platform gives a window of the dialog's styles, before anything is added.
int DefaultSeparatorCount(HWND hDialog)
{
    const HWND plain =
        ::CreateWindowExW(0, L"#32770", L"", ::GetWindowLongW(hDialog, GWL_STYLE) & ~WS_VISIBLE, 0,
                          0, 100, 100, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    const int separators = SeparatorCount(::GetSystemMenu(plain, FALSE));
    ::DestroyWindow(plain);
    return separators;
}

}  // namespace

TEST(SweepDlgWindow, SystemMenuOpensTheAboutBoxEachTime)
{
    SweepDlgDriver::Run([](SweepDlgDriver& d) {
        const HMENU hMenu = ::GetSystemMenu(d.Window(), FALSE);
        const int count = ::GetMenuItemCount(hMenu);
        ASSERT_GE(count, 2);
        EXPECT_EQ(::GetMenuItemID(hMenu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
        wchar_t text[64] = {};
        ::GetMenuStringW(hMenu, count - 1, text, static_cast<int>(std::size(text)), MF_BYPOSITION);
        EXPECT_STREQ(text, L"关于 Varnel(&A)...");
        EXPECT_TRUE(::GetMenuState(hMenu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
        // Exactly one separator and one entry are added to what the platform gives.
        const int separators = DefaultSeparatorCount(d.Window()) + 1;
        EXPECT_EQ(SeparatorCount(hMenu), separators);

        std::vector<std::vector<std::wstring>> shown;
        ActivationWatch watch([&](HWND hAbout) {
            std::vector<std::wstring> lines = {WindowText(hAbout)};
            for (int id = IDC_ABOUT_LINE1; id <= IDC_ABOUT_LINE5; ++id)
                lines.push_back(WindowText(::GetDlgItem(hAbout, id)));
            shown.push_back(lines);
            ::PostMessageW(hAbout, WM_COMMAND, IDOK, 0);
        });
        ::SendMessageW(d.Window(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        ::SendMessageW(d.Window(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);

        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[0], shown[1]);
        EXPECT_EQ(shown[0][0], L"关于");
        EXPECT_EQ(shown[0][1], L"Varnel V1.0");
        for (size_t line = 2; line < shown[0].size(); ++line)
            EXPECT_FALSE(shown[0][line].empty()) << "about line " << line;
        EXPECT_EQ(shown[0][2], L"版权所有 (C) Varnel 开发者，保留所有权利。");
        EXPECT_EQ(shown[0][3], L"Copyright (C) Varnel developers. All rights reserved.");
        EXPECT_EQ(shown[0][4], L"开发：Varnel 项目开发者");
        EXPECT_EQ(shown[0][5], L"联系：请访问 Varnel 项目主页");
        // Opening the box adds nothing to the menu.
        EXPECT_EQ(::GetMenuItemCount(hMenu), count);
        EXPECT_EQ(SeparatorCount(hMenu), separators);
    });
}

TEST(SweepDlgWindow, DroppedItemsGoToTheFolderEditLastOneWins)
{
    TempTree tree;
    tree.AddFolder(L"one");
    tree.AddFolder(L"two");
    tree.AddFolder(L"three");
    tree.AddFile(L"note.txt");

    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.DropFiles({tree.Path(L"one"), tree.Path(L"two"), tree.Path(L"three")});
        EXPECT_EQ(d.Text(IDC_EDIT_PATH), tree.Path(L"three"));
        EXPECT_TRUE(::IsWindowEnabled(d.Item(IDC_EDIT_PATH)));

        const HGLOBAL hDrop = d.DropFiles({tree.Path(L"note.txt")});
        EXPECT_EQ(d.Text(IDC_EDIT_PATH), tree.Path(L"note.txt"));
        // The handler releases the drop handle once it has read it.
        EXPECT_EQ(::GlobalSize(hDrop), 0u);

        // A path past MAX_PATH, in any script, arrives whole, never cut to another folder.
        const std::wstring longPath = tree.Path(std::wstring(300, L'x') + L"\\한국_😀");
        d.DropFiles({longPath});
        EXPECT_EQ(d.Text(IDC_EDIT_PATH), longPath);
    });
}

BOOL CALLBACK CollectText(HWND hChild, LPARAM lParam)
{
    *reinterpret_cast<std::wstring*>(lParam) += WindowText(hChild) + L"\n";
    return TRUE;
}

TEST(SweepDlgWindow, CancelledPickerEmptiesTheFolderEdit)
{
    SweepDlgDriver::Run([](SweepDlgDriver& d) {
        std::wstring pickerTexts;
        ActivationWatch watch([&](HWND hPicker) {
            ::EnumChildWindows(hPicker, CollectText, reinterpret_cast<LPARAM>(&pickerTexts));
            ::PostMessageW(hPicker, WM_COMMAND, IDCANCEL, 0);
        });
        d.Click(IDC_BUTTON_BROWSE);
        EXPECT_EQ(watch.Count(), 1);
        EXPECT_NE(pickerTexts.find(L"请选择需要进行清理的目录"), std::wstring::npos) << pickerTexts;
        EXPECT_EQ(d.Text(IDC_EDIT_PATH), L"");
    });
}

namespace {

// Presses a key the way the modal loop does: the message goes to the focused window and the
// dialog manager sees it first.
void PressKey(SweepDlgDriver& d, WPARAM key)
{
    MSG msg = {::GetFocus(), WM_KEYDOWN, key, 0, 0, {0, 0}};
    ::IsDialogMessageW(d.Window(), &msg);
}

}  // namespace

// The owner-drawn L"现在清理" no longer says it is the default button, so Enter must still find
// it wherever the focus is, and must never fall back to closing the dialog.
TEST(SweepDlgWindow, EnterCleansWhereverTheFocusIsAndKeepsTheWindowOpen)
{
    struct Focus {
        const wchar_t* where;
        int id;
        int tabs;  // Tab presses after focusing the control
    };
    const Focus cases[] = {
        {L"folder edit", IDC_EDIT_PATH, 0},
        {L"keyword box", IDC_COMBO_KEYWORD, 0},
        {L"check box", IDC_CHECK_MATCH_CASE, 0},
        {L"browse button", IDC_BUTTON_BROWSE, 0},
        {L"clean button", IDC_BUTTON_CLEAN, 0},
        {L"exit button", IDCANCEL, 0},
        {L"log list", IDC_LIST_LOG, 0},
        {L"tabbed on from the folder edit", IDC_EDIT_PATH, 3},
        {L"tabbed round the whole dialog", IDC_EDIT_PATH, 12},
    };
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        ActivationWatch otherWindows(
            [](HWND hWnd) { ::PostMessageW(hWnd, WM_COMMAND, IDCANCEL, 0); });
        for (const Focus& focus : cases) {
            SCOPED_TRACE(focus.where);
            d.SetText(IDC_COMBO_KEYWORD, L"key");
            d.SetText(IDC_EDIT_PATH, L"");
            d.SetText(IDC_STATIC_STATUS, L"");
            // A combo box with an edit field keeps the focus in that field.
            const HWND hItem = d.Item(focus.id);
            const HWND hChild = ::GetWindow(hItem, GW_CHILD);
            ::SetFocus(focus.id == IDC_COMBO_KEYWORD && hChild != NULL ? hChild : hItem);
            for (int i = 0; i < focus.tabs; ++i) PressKey(d, VK_TAB);
            PressKey(d, VK_RETURN);
            ASSERT_TRUE(::IsWindowVisible(d.Window()));
            EXPECT_EQ(d.Text(IDC_STATIC_STATUS), L"清除[]完毕!");
        }
        EXPECT_EQ(otherWindows.Count(), 0);
        EXPECT_FALSE(d.IsChecked(IDC_CHECK_MATCH_CASE));
    });
}

TEST(SweepDlgWindow, EscapeAndExitCloseTheDialog)
{
    const INT_PTR byEscape = SweepDlgDriver::Run([](SweepDlgDriver& d) {
        MSG escape = {d.Item(IDC_EDIT_PATH), WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
        ::IsDialogMessageW(d.Window(), &escape);
    });
    EXPECT_EQ(byEscape, IDCANCEL);

    const INT_PTR byButton = SweepDlgDriver::Run([](SweepDlgDriver& d) { d.Click(IDCANCEL); });
    EXPECT_EQ(byButton, IDCANCEL);
}
