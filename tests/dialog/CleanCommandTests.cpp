// The clean command through the real dialog: its checks and message boxes, the two passes,
// the log rows, the status line and the option write-back.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <regex>

#include "res/resource.h"
#include "tests/dialog/SweepDlgDriver.h"
#include "tests/support/MessageBoxCapture.h"
#include "tests/support/TempTree.h"

namespace {

using Row = SweepDlgDriver::Row;

const char* const kFileHeading = "清除包含关键字[%s]的文件(关键字不区分大小写)。\r\n";

std::string Fill(const char* format, const std::string& value)
{
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, format, value.c_str());
    return buffer;
}

std::string FileHeading(const std::string& keyword)
{
    return Fill(kFileHeading, keyword);
}

std::string FolderHeading(const std::string& keyword)
{
    return Fill("清除包含关键字[%s]的目录。\r\n", keyword);
}

std::string Done(const std::string& folder)
{
    return Fill("清除[%s]完毕!", folder);
}

bool IsTimeStamp(const std::string& text)
{
    return std::regex_match(text, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)"));
}

// The rows with the time stamps of heading rows replaced by "<time>", after checking them.
std::vector<Row> Normalised(const std::vector<Row>& rows)
{
    std::vector<Row> out = rows;
    for (Row& row : out) {
        if (row.second.find("清除包含关键字") == 0) {
            EXPECT_TRUE(IsTimeStamp(row.first)) << row.first;
            row.first = "<time>";
        }
    }
    return out;
}

const Row kBlank("", "");

}  // namespace

struct RefusedRun {
    const char* what;
    std::string keyword;
    std::string folder;  // "@root", "@file" and "@missing" stand for paths of the scratch tree
    std::string message;
    std::string caption;
    UINT icon;
    std::string keywordAfter;
};

TEST(CleanCommand, RefusedInputsShowOneMessageAndChangeNothingElse)
{
    const std::string empty = "关键字不能为空，请输入关键字!";
    const std::string illegal = "关键字包含非法字符，请重新输入!";
    const std::string invalid = "清理路径无效，请确认!";
    const RefusedRun runs[] = {
        {"empty keyword", "", "@root", empty, "提示", MB_ICONWARNING, ""},
        {"empty keyword, folder not looked at", "", "@missing", empty, "提示", MB_ICONWARNING, ""},
        {"slash", "a/b", "@root", illegal, "提示", MB_ICONWARNING, ""},
        {"bar, keyword checked before folder", "a|b", "@missing", illegal, "提示", MB_ICONWARNING,
         ""},
        {"quote with empty folder", "a\"b", "", illegal, "提示", MB_ICONWARNING, ""},
        {"missing folder", "key", "@missing", invalid, "提示", MB_ICONINFORMATION, "key"},
        {"a file is no folder", "key", "@file", invalid, "提示", MB_ICONINFORMATION, "key"},
        {"start-up hint", "key", "支持目录拖曳", invalid, "提示", MB_ICONINFORMATION, "key"},
    };

    TempTree tree;
    tree.AddFile("key.txt");
    tree.AddFolder("key");
    for (const RefusedRun& run : runs) {
        SCOPED_TRACE(run.what);
        std::string folder = run.folder;
        if (folder == "@root") folder = tree.Root();
        if (folder == "@file") folder = tree.Path("key.txt");
        if (folder == "@missing") folder = tree.Path("nowhere");

        SweepDlgDriver::Run([&](SweepDlgDriver& d) {
            d.SetCheck(IDC_CHECK_DELETE_FILES, true);
            MessageBoxCapture capture;
            d.Clean(run.keyword, folder);
            ASSERT_EQ(capture.boxes().size(), 1u);
            EXPECT_EQ(capture.boxes()[0].text, run.message);
            EXPECT_EQ(capture.boxes()[0].caption, run.caption);
            EXPECT_EQ(capture.boxes()[0].icon, run.icon);
            EXPECT_EQ(capture.boxes()[0].owner, d.Window());
            EXPECT_EQ(d.Text(IDC_COMBO_KEYWORD), run.keywordAfter);
            EXPECT_EQ(d.Text(IDC_STATIC_STATUS), "");
            EXPECT_TRUE(d.Rows().empty());
            // The boxes were not written back: the tick set before the run is still there.
            EXPECT_TRUE(d.IsChecked(IDC_CHECK_DELETE_FILES));
        });
        EXPECT_TRUE(tree.Exists("key.txt"));
        EXPECT_TRUE(tree.Exists("key"));
    }
}

TEST(CleanCommand, EmptyFolderTextCompletesAtOnceAndRestoresTheOptions)
{
    SweepDlgDriver::Run([](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.SetCheck(IDC_CHECK_DELETE_FOLDERS, false);
        d.SetCheck(IDC_CHECK_MATCH_CASE, true);
        MessageBoxCapture capture;
        d.Clean("key", "");
        EXPECT_TRUE(capture.boxes().empty());
        EXPECT_TRUE(d.Rows().empty());
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(""));
        // The options were not read in this run, so the start-up values come back.
        EXPECT_FALSE(d.IsChecked(IDC_CHECK_DELETE_FILES));
        EXPECT_TRUE(d.IsChecked(IDC_CHECK_DELETE_FOLDERS));
        EXPECT_FALSE(d.IsChecked(IDC_CHECK_MATCH_CASE));
    });
}

TEST(CleanCommand, NeitherPassTickedLogsNothing)
{
    TempTree tree;
    tree.AddFile("key.txt");
    tree.AddFolder("key");
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FOLDERS, false);
        d.Clean("key", tree.Root());
        EXPECT_TRUE(d.Rows().empty());
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(tree.Root()));
        EXPECT_FALSE(d.IsChecked(IDC_CHECK_DELETE_FOLDERS));
    });
    EXPECT_TRUE(tree.Exists("key.txt"));
    EXPECT_TRUE(tree.Exists("key"));
}

TEST(CleanCommand, BothPassesLogFileBlockThenFolderBlock)
{
    TempTree tree;
    tree.AddFile("a_key.txt");
    tree.AddFile("plain.txt");
    tree.AddFolder("sub");
    tree.AddFile("sub\\KEY.log");
    tree.AddFolder("sub\\keyring");
    tree.AddFile("sub\\keyring\\inside.txt");

    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        // Both headings show the keyword as typed, whatever case the matching ignores.
        d.Clean("kEy", tree.Root());
        const std::vector<Row> expected = {
            {"<time>", FileHeading("kEy")},
            {"√", tree.Path("a_key.txt")},
            {"√", tree.Path("sub\\KEY.log")},
            kBlank,
            {"<time>", FolderHeading("kEy")},
            {"√", tree.Path("sub\\keyring")},
            kBlank,
        };
        EXPECT_EQ(Normalised(d.Rows()), expected);
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(tree.Root()));
        EXPECT_TRUE(d.IsChecked(IDC_CHECK_DELETE_FILES));
        EXPECT_TRUE(d.IsChecked(IDC_CHECK_DELETE_FOLDERS));
    });
    EXPECT_EQ(tree.Entries(), (std::set<std::string>{"plain.txt", "sub"}));
}

TEST(CleanCommand, NothingFoundGivesHeadingThenBlankRow)
{
    TempTree tree;
    tree.AddFile("plain.txt");
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean("zzz", tree.Root());
        const std::vector<Row> expected = {
            {"<time>", FileHeading("zzz")}, kBlank, {"<time>", FolderHeading("zzz")}, kBlank};
        EXPECT_EQ(Normalised(d.Rows()), expected);
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(tree.Root()));
    });
    EXPECT_TRUE(tree.Exists("plain.txt"));
}

TEST(CleanCommand, NestedMatchedFolderIsGoneWhenItsTurnComes)
{
    TempTree tree;
    tree.AddFolder("tmp");
    tree.AddFolder("tmp\\cache_tmp");
    tree.AddFile("tmp\\cache_tmp\\x.txt");
    tree.AddFolder("other");

    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.Clean("tmp", tree.Root());
        const std::vector<Row> expected = {
            {"<time>", FolderHeading("tmp")},
            {"√", tree.Path("tmp")},
            {"×", tree.Path("tmp\\cache_tmp")},
            kBlank,
        };
        EXPECT_EQ(Normalised(d.Rows()), expected);
        // The folder pass writes its status after each removal; the run then completes.
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(tree.Root()));
    });
    EXPECT_EQ(tree.Entries(), std::set<std::string>{"other"});
}

TEST(CleanCommand, LockedFileIsMarkedAndKeepsItsFolders)
{
    TempTree tree;
    tree.AddFile("locked_key.txt");
    tree.AddFile("free_key.txt");
    tree.AddFolder("keydir");
    tree.AddFolder("keydir\\deep");
    tree.AddFile("keydir\\deep\\held.txt");
    tree.AddFile("keydir\\loose.txt");

    // No sharing at all: nobody may delete these while the handles are open.
    const HANDLE lockedFile = ::CreateFileA(tree.Path("locked_key.txt").c_str(), GENERIC_READ, 0,
                                            NULL, OPEN_EXISTING, 0, NULL);
    const HANDLE heldFile = ::CreateFileA(tree.Path("keydir\\deep\\held.txt").c_str(), GENERIC_READ,
                                          0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(lockedFile, INVALID_HANDLE_VALUE);
    ASSERT_NE(heldFile, INVALID_HANDLE_VALUE);

    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean("key", tree.Root());
        const std::vector<Row> rows = Normalised(d.Rows());
        ASSERT_EQ(rows.size(), 7u);
        // Enumeration order within a folder is the file system's: compare the file rows as a set.
        std::vector<Row> fileRows(rows.begin() + 1, rows.begin() + 3);
        std::sort(fileRows.begin(), fileRows.end());
        EXPECT_EQ(fileRows, (std::vector<Row>{{"×", tree.Path("locked_key.txt")},
                                              {"√", tree.Path("free_key.txt")}}));
        EXPECT_EQ(rows[3], kBlank);
        EXPECT_EQ(rows[5], Row("×", tree.Path("keydir")));
        EXPECT_EQ(rows[6], kBlank);
    });
    ::CloseHandle(lockedFile);
    ::CloseHandle(heldFile);

    EXPECT_TRUE(tree.Exists("locked_key.txt"));
    EXPECT_FALSE(tree.Exists("free_key.txt"));
    EXPECT_TRUE(tree.Exists("keydir\\deep\\held.txt"));
    EXPECT_FALSE(tree.Exists("keydir\\loose.txt"));
}

TEST(CleanCommand, RunsAppendBelowEarlierRows)
{
    TempTree tree;
    tree.AddFolder("old1");
    tree.AddFolder("old2");
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.Clean("old1", tree.Root());
        const std::vector<Row> first = d.Rows();
        ASSERT_EQ(first.size(), 3u);
        d.Clean("old2", tree.Root());
        const std::vector<Row> both = d.Rows();
        ASSERT_EQ(both.size(), 6u);
        EXPECT_TRUE(std::equal(first.begin(), first.end(), both.begin()));
        EXPECT_EQ(both[4], Row("√", tree.Path("old2")));
    });
}

TEST(CleanCommand, MatchCaseTickedMatchesLetterCaseAndSaysSo)
{
    TempTree tree;
    tree.AddFile("KEY.txt");
    tree.AddFile("key.txt.bak");
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.SetCheck(IDC_CHECK_DELETE_FOLDERS, false);
        d.SetCheck(IDC_CHECK_MATCH_CASE, true);
        d.Clean("key", tree.Root());
        const std::vector<Row> expected = {
            {"<time>", Fill("清除包含关键字[%s]的文件(关键字区分大小写)。\r\n", "key")},
            {"√", tree.Path("key.txt.bak")},
            kBlank,
        };
        EXPECT_EQ(Normalised(d.Rows()), expected);
        EXPECT_TRUE(d.IsChecked(IDC_CHECK_MATCH_CASE));
    });
    EXPECT_EQ(tree.Entries(), std::set<std::string>{"KEY.txt"});
}

namespace {

// Every status text written while a run lasts, with whether the object it names still
// existed at that moment.
struct StatusRecord {
    std::string text;
    bool objectExisted;
};

std::vector<StatusRecord>* g_statusLog = nullptr;

LRESULT CALLBACK RecordStatus(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR)
{
    if (message == WM_SETTEXT && g_statusLog != nullptr) {
        std::string text = reinterpret_cast<const char*>(lParam);
        // The path sits between "[" and "]" in the file pass, between blanks in the folder pass.
        std::string path;
        const size_t open = text.find('[');
        const size_t close = text.rfind(']');
        if (text.find("正在删除[") == 0 && close != std::string::npos)
            path = text.substr(open + 1, close - open - 1);
        else if (text.find("正在删除 ") == 0)
            path = text.substr(std::strlen("正在删除 "),
                               text.size() - std::strlen("正在删除 ") - std::strlen(" ……"));
        const bool existed =
            !path.empty() && ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
        g_statusLog->push_back({text, existed});
    }
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

}  // namespace

TEST(CleanCommand, FilePassNamesTheFileBeforeDeletingItFolderPassAfter)
{
    TempTree tree;
    tree.AddFile("a_key.txt");
    tree.AddFolder("keys");
    std::vector<StatusRecord> log;
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        const HWND hStatus = d.Item(IDC_STATIC_STATUS);
        ASSERT_TRUE(::SetWindowSubclass(hStatus, RecordStatus, 1, 0));
        g_statusLog = &log;
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean("key", tree.Root());
        g_statusLog = nullptr;
        ::RemoveWindowSubclass(hStatus, RecordStatus, 1);
    });
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].text, Fill("正在删除[%s]……", tree.Path("a_key.txt")));
    EXPECT_TRUE(log[0].objectExisted);
    EXPECT_EQ(log[1].text, Fill("正在删除 %s ……", tree.Path("keys")));
    EXPECT_FALSE(log[1].objectExisted);
    EXPECT_EQ(log[2].text, Done(tree.Root()));
}
