#include "engine/FolderPicker.h"
#include "engine/PathCheck.h"

#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace {

TEST(IsFolderPath, AcceptsOnlyAFolderWithNoOtherAttribute)
{
    TempTree tree;
    struct Row {
        const wchar_t* name;
        DWORD attributes;
        bool accepted;
    } const rows[] = {
        {L"plain", 0, true},
        {L"archive", FILE_ATTRIBUTE_ARCHIVE, false},
        {L"readonly", FILE_ATTRIBUTE_READONLY, false},
        {L"hidden", FILE_ATTRIBUTE_HIDDEN, false},
        {L"system", FILE_ATTRIBUTE_SYSTEM, false},
    };
    for (const Row& row : rows) {
        tree.AddFolder(row.name, row.attributes);
        // Wine keeps no read-only mark on a folder; such a row has nothing to refuse.
        const DWORD kept = GetFileAttributesW(tree.Path(row.name).c_str());
        if (row.attributes && !(kept & row.attributes)) continue;
        EXPECT_EQ(row.accepted, IsFolderPath(tree.Path(row.name).c_str())) << row.name;
    }
    tree.AddFile(L"file.txt");
    EXPECT_FALSE(IsFolderPath(tree.Path(L"file.txt").c_str()));
    EXPECT_FALSE(IsFolderPath(tree.Path(L"missing").c_str()));
    EXPECT_FALSE(IsFolderPath(L""));
    if (tree.AddLink(L"link", tree.Path(L"plain"))) {
        EXPECT_FALSE(IsFolderPath(tree.Path(L"link").c_str()));
    }
}

// The picker is closed by the test as soon as it shows, as a user cancelling it would.
HHOOK g_hook;
std::wstring g_pickerTexts;

BOOL CALLBACK CollectText(HWND child, LPARAM)
{
    wchar_t text[256] = {};
    GetWindowTextW(child, text, static_cast<int>(std::size(text)));
    g_pickerTexts += text;
    g_pickerTexts += L'\n';
    return TRUE;
}

LRESULT CALLBACK CancelPicker(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        const HWND picker = reinterpret_cast<HWND>(wParam);
        EnumChildWindows(picker, CollectText, 0);
        PostMessageW(picker, WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

TEST(BrowseForFolder, GivesNothingWhenCancelled)
{
    g_hook = SetWindowsHookExW(WH_CBT, CancelPicker, nullptr, GetCurrentThreadId());
    const std::wstring chosen = BrowseForFolder();
    UnhookWindowsHookEx(g_hook);
    EXPECT_EQ(L"", chosen);
    EXPECT_NE(std::wstring::npos, g_pickerTexts.find(L"请选择需要进行清理的目录")) << g_pickerTexts;
}

}  // namespace
