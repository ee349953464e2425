// Exclusions and an age through the real dialog on a real tree: what the fields refuse, the
// preview and the run that follows, the last-change column, and the question a run asks
// before it deletes inside one of the system's folders.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "engine/TimeStamp.h"
#include "res/resource.h"
#include "tests/dialog/LogRows.h"
#include "tests/dialog/SweepDlgDriver.h"
#include "tests/support/MessageBoxCapture.h"
#include "tests/support/TempTree.h"

namespace {

const ULONGLONG kDay = 86400ULL * 10000000ULL;

void SetLastWrite(const std::wstring& path, ULONGLONG fileTime)
{
    const HANDLE h = ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, NULL);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    FILETIME time = {static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
    EXPECT_TRUE(::SetFileTime(h, NULL, NULL, &time));
    ::CloseHandle(h);
}

std::wstring Cell(HWND list, int row, int column)
{
    wchar_t text[1024] = {};
    ListView_GetItemText(list, row, column, text, 1024);
    return text;
}

TEST(Rules, RefusalsComeBeforeTheRunInTheProgramsVoice)
{
    TempTree tree;
    tree.AddFolder(L"a_tmp");
    const struct {
        const wchar_t* exclusions;
        const wchar_t* age;
        std::wstring message;
    } cases[] = {
        {L".git|", L"", L"排除的项不能为空，请删去多余的“|”!"},
        {L"..\\x", L"",
         L"排除的项[..\\x]无效：路径须在清理路径之内，不能含有“..”或通配符，请确认!"},
        {L"C:\\elsewhere\\x", L"",
         L"排除的项[C:\\elsewhere\\x]无效：路径须在清理路径之内，不能含有“..”或通配符，请确认!"},
        {L"", L"0", L"未修改天数须为 1 到 36500 之间的整数，请重新输入!"},
        {L"", L"ninety", L"未修改天数须为 1 到 36500 之间的整数，请重新输入!"},
    };
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetText(IDC_STATIC_STATUS, L"before");
        for (const auto& c : cases) {
            d.SetText(IDC_EDIT_EXCLUDE, c.exclusions);
            d.SetText(IDC_EDIT_AGE, c.age);
            MessageBoxCapture capture;
            d.Clean(L"_tmp", tree.Root());
            ASSERT_EQ(capture.boxes().size(), 1u) << c.message;
            EXPECT_EQ(capture.boxes()[0].text, c.message);
            EXPECT_EQ(capture.boxes()[0].caption, L"提示");
            EXPECT_EQ(capture.boxes()[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
        }
        EXPECT_TRUE(d.Rows().empty());
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), L"before");
    });
    EXPECT_EQ(tree.Entries().size(), 1u);
}

// A preview with both fields set, then the run that deletes its picks: the headings and the
// preview's end name the rules, each row carries its last change, and the columns are fitted
// again once the rows need the vertical scroll bar.
TEST(Rules, APreviewAndItsRunKeepOutWhatTheRulesKeep)
{
    TempTree tree;
    const ULONGLONG now = FileTimeAt(std::time(nullptr));
    const ULONGLONG old = now - 100 * kDay;
    tree.AddFolder(L"build_tools");
    tree.AddFolder(L"build_tools\\.git");
    tree.AddFile(L"build_tools\\.git\\config");
    tree.AddFolder(L"build_old");
    tree.AddFile(L"build_old\\a.txt");
    tree.AddFolder(L"build_new");
    tree.AddFile(L"build_new\\fresh.txt");
    tree.AddFolder(L"keep_build");
    tree.AddFolder(L"many");
    for (int i = 0; i < 40; ++i) tree.AddFolder(L"many\\build_" + std::to_wstring(i));
    for (const wchar_t* path : {L"build_tools\\.git\\config", L"build_tools\\.git", L"build_tools",
                                L"build_old\\a.txt", L"build_old", L"build_new", L"keep_build"})
        SetLastWrite(tree.Path(path), old);
    for (int i = 0; i < 40; ++i) SetLastWrite(tree.Path(L"many\\build_" + std::to_wstring(i)), old);

    const std::wstring rules = L"排除[.git | keep_*]。仅限已有 30 天未修改的对象。";
    std::vector<Row> preview, run;
    std::wstring previewEnd, changed;
    int columnsWidth = 0, clientWidth = 0;
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetText(IDC_EDIT_EXCLUDE, L".git | keep_*");
        d.SetText(IDC_EDIT_AGE, L"30");
        d.SetCheck(IDC_CHECK_PREVIEW, true);
        d.Clean(L"build", tree.Root());
        preview = d.Rows();
        previewEnd = d.Text(IDC_STATIC_STATUS);
        const HWND list = d.Item(IDC_LIST_LOG);
        changed = Cell(list, 1, 3);
        EXPECT_EQ(Cell(list, 0, 3), L"");
        RECT client;
        ::GetClientRect(list, &client);
        clientWidth = client.right;
        for (int column = 0; column < 4; ++column)
            columnsWidth += ListView_GetColumnWidth(list, column);
        d.SetCheck(IDC_CHECK_PREVIEW, false);
        d.Clean(L"build", tree.Root());
        const std::vector<Row> rows = d.Rows();
        run.assign(rows.begin() + static_cast<std::ptrdiff_t>(preview.size()), rows.end());
    });
    ASSERT_EQ(preview.size(), 43u);
    EXPECT_EQ(preview[0].second, L"预览：将清除包含关键字[build]的目录。" + rules + L"\r\n");
    EXPECT_EQ(preview[1], Row(L"○", tree.Path(L"build_old")));
    EXPECT_EQ(changed, FileTimeText(old));
    ASSERT_GT(previewEnd.size(), rules.size());
    EXPECT_EQ(previewEnd.substr(previewEnd.size() - rules.size()), rules);
    EXPECT_EQ(columnsWidth, clientWidth);
    ASSERT_EQ(run.size(), 43u);
    EXPECT_EQ(run[0].second, L"清除包含关键字[build]的目录。" + rules + L"\r\n");
    EXPECT_EQ(run[1], Row(L"√", tree.Path(L"build_old")));
    const std::set<std::wstring> left = tree.Entries();
    for (const wchar_t* kept :
         {L"build_tools\\.git\\config", L"build_new\\fresh.txt", L"keep_build"})
        EXPECT_EQ(left.count(kept), 1u) << kept;
    EXPECT_EQ(left.count(L"build_old"), 0u);
    EXPECT_EQ(left.count(L"many\\build_0"), 0u);
}

// Inside the Windows folder a run that deletes asks once; No ends the
// command with nothing done, Yes runs it. A preview asks nothing.
TEST(Rules, ARunThatDeletesInsideTheSystemsFoldersAsksFirst)
{
    wchar_t windows[MAX_PATH] = {};
    ASSERT_GT(::GetWindowsDirectoryW(windows, MAX_PATH), 0u);
    const std::wstring folder = std::wstring(windows) + L"\\varnel-guard-test";
    ::CreateDirectoryW(folder.c_str(), NULL);
    ::CreateDirectoryW((folder + L"\\a_tmp").c_str(), NULL);
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetText(IDC_STATIC_STATUS, L"before");
        {
            MessageBoxCapture capture(IDNO);
            d.Clean(L"_tmp", folder);
            ASSERT_EQ(capture.boxes().size(), 1u);
            EXPECT_EQ(capture.boxes()[0].text,
                      L"清理路径[" + folder + L"]就是、包含或位于系统的文件夹[" + windows +
                          L"]，在这里清理可能删除系统或程序需要的文件。\r\n\r\n确实要继续吗?");
            EXPECT_EQ(capture.boxes()[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
            EXPECT_TRUE(d.Rows().empty());
            EXPECT_EQ(d.Text(IDC_STATIC_STATUS), L"before");
        }
        {
            MessageBoxCapture capture(IDYES);
            d.SetCheck(IDC_CHECK_PREVIEW, true);
            d.Clean(L"_tmp", folder);
            EXPECT_TRUE(capture.boxes().empty());
            d.SetCheck(IDC_CHECK_PREVIEW, false);
            d.Clean(L"_tmp", folder);
            EXPECT_EQ(capture.boxes().size(), 1u);
        }
    });
    EXPECT_EQ(::GetFileAttributesW((folder + L"\\a_tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace
