#include "engine/FolderPicker.h"
#include "engine/PathCheck.h"

#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace {

TEST(IsFolderPath, AcceptsOnlyAFolderWithNoOtherAttribute)
{
    TempTree tree;
    struct Row {
        const char* name;
        DWORD attributes;
        bool accepted;
    } const rows[] = {
        {"plain", 0, true},
        {"archive", FILE_ATTRIBUTE_ARCHIVE, false},
        {"readonly", FILE_ATTRIBUTE_READONLY, false},
        {"hidden", FILE_ATTRIBUTE_HIDDEN, false},
        {"system", FILE_ATTRIBUTE_SYSTEM, false},
    };
    for (const Row& row : rows) {
        tree.AddFolder(row.name, row.attributes);
        // Wine keeps no read-only mark on a folder; such a row has nothing to refuse.
        const DWORD kept = GetFileAttributesA(tree.Path(row.name).c_str());
        if (row.attributes && !(kept & row.attributes)) continue;
        EXPECT_EQ(row.accepted, IsFolderPath(tree.Path(row.name).c_str())) << row.name;
    }
    tree.AddFile("file.txt");
    EXPECT_FALSE(IsFolderPath(tree.Path("file.txt").c_str()));
    EXPECT_FALSE(IsFolderPath(tree.Path("missing").c_str()));
    EXPECT_FALSE(IsFolderPath(""));
    if (tree.AddLink("link", tree.Path("plain"))) {
        EXPECT_FALSE(IsFolderPath(tree.Path("link").c_str()));
    }
}

// The picker is closed by the test as soon as it shows, as a user cancelling it would.
HHOOK g_hook;
std::string g_pickerTexts;

BOOL CALLBACK CollectText(HWND child, LPARAM)
{
    char text[256] = {};
    GetWindowTextA(child, text, sizeof text);
    g_pickerTexts += text;
    g_pickerTexts += '\n';
    return TRUE;
}

LRESULT CALLBACK CancelPicker(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        const HWND picker = reinterpret_cast<HWND>(wParam);
        EnumChildWindows(picker, CollectText, 0);
        PostMessageA(picker, WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

TEST(BrowseForFolder, GivesNothingWhenCancelled)
{
    g_hook = SetWindowsHookExA(WH_CBT, CancelPicker, nullptr, GetCurrentThreadId());
    const std::string chosen = BrowseForFolder();
    UnhookWindowsHookEx(g_hook);
    EXPECT_EQ("", chosen);
    EXPECT_NE(std::string::npos, g_pickerTexts.find("请选择需要进行清理的目录")) << g_pickerTexts;
}

}  // namespace
