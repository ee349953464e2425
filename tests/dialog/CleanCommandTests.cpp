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
#include "tests/dialog/LogRows.h"
#include "tests/dialog/SweepDlgDriver.h"
#include "tests/support/MessageBoxCapture.h"
#include "tests/support/TempTree.h"

using Row = SweepDlgDriver::Row;

struct RefusedRun {
    const wchar_t* what;
    std::wstring keyword;
    std::wstring folder;  // L"@root", L"@file" and L"@missing" stand for paths of the scratch tree
    std::wstring message;
    std::wstring caption;
    UINT icon;
    std::wstring keywordAfter;
};

TEST(CleanCommand, RefusedInputsShowOneMessageAndChangeNothingElse)
{
    const std::wstring empty = L"关键字不能为空，请输入关键字!";
    const std::wstring illegal = L"关键字包含非法字符，请重新输入!";
    const std::wstring invalid = L"清理路径无效，请确认!";
    const RefusedRun runs[] = {
        {L"empty keyword", L"", L"@root", empty, L"提示", MB_ICONWARNING, L""},
        {L"empty keyword, folder not looked at", L"", L"@missing", empty, L"提示", MB_ICONWARNING,
         L""},
        {L"slash", L"a/b", L"@root", illegal, L"提示", MB_ICONWARNING, L""},
        {L"bar, keyword checked before folder", L"a|b", L"@missing", illegal, L"提示",
         MB_ICONWARNING, L""},
        {L"quote with empty folder", L"a\"b", L"", illegal, L"提示", MB_ICONWARNING, L""},
        {L"missing folder", L"key", L"@missing", invalid, L"提示", MB_ICONINFORMATION, L"key"},
        {L"a file is no folder", L"key", L"@file", invalid, L"提示", MB_ICONINFORMATION, L"key"},
        {L"start-up hint", L"key", L"支持目录拖曳", invalid, L"提示", MB_ICONINFORMATION, L"key"},
    };

    TempTree tree;
    tree.AddFile(L"key.txt");
    tree.AddFolder(L"key");
    for (const RefusedRun& run : runs) {
        SCOPED_TRACE(run.what);
        std::wstring folder = run.folder;
        if (folder == L"@root") folder = tree.Root();
        if (folder == L"@file") folder = tree.Path(L"key.txt");
        if (folder == L"@missing") folder = tree.Path(L"nowhere");

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
            EXPECT_EQ(d.Text(IDC_STATIC_STATUS), L"");
            EXPECT_TRUE(d.Rows().empty());
            // The boxes were not written back: the tick set before the run is still there.
            EXPECT_TRUE(d.IsChecked(IDC_CHECK_DELETE_FILES));
        });
        EXPECT_TRUE(tree.Exists(L"key.txt"));
        EXPECT_TRUE(tree.Exists(L"key"));
    }
}

TEST(CleanCommand, EmptyFolderTextCompletesAtOnceAndRestoresTheOptions)
{
    SweepDlgDriver::Run([](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.SetCheck(IDC_CHECK_DELETE_FOLDERS, false);
        d.SetCheck(IDC_CHECK_MATCH_CASE, true);
        MessageBoxCapture capture;
        d.Clean(L"key", L"");
        EXPECT_TRUE(capture.boxes().empty());
        EXPECT_TRUE(d.Rows().empty());
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(L""));
        // The options were not read in this run, so the start-up values come back.
        EXPECT_FALSE(d.IsChecked(IDC_CHECK_DELETE_FILES));
        EXPECT_TRUE(d.IsChecked(IDC_CHECK_DELETE_FOLDERS));
        EXPECT_FALSE(d.IsChecked(IDC_CHECK_MATCH_CASE));
    });
}

TEST(CleanCommand, NeitherPassTickedLogsNothing)
{
    TempTree tree;
    tree.AddFile(L"key.txt");
    tree.AddFolder(L"key");
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FOLDERS, false);
        d.Clean(L"key", tree.Root());
        EXPECT_TRUE(d.Rows().empty());
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(tree.Root()));
        EXPECT_FALSE(d.IsChecked(IDC_CHECK_DELETE_FOLDERS));
    });
    EXPECT_TRUE(tree.Exists(L"key.txt"));
    EXPECT_TRUE(tree.Exists(L"key"));
}

// A folder that passes the path check but cannot be opened for the run (another program holds
// it without sharing) is said so, and nothing is deleted.
TEST(CleanCommand, FolderThatCannotBeOpenedIsReportedAndNothingGoes)
{
    TempTree tree;
    tree.AddFolder(L"held");
    tree.AddFile(L"held\\key.txt");
    const HANDLE held = ::CreateFileW(tree.LongPath(L"held").c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        MessageBoxCapture capture;
        d.Clean(L"key", tree.Path(L"held"));
        ASSERT_EQ(capture.boxes().size(), 1u);
        EXPECT_EQ(capture.boxes()[0].text,
                  L"无法打开清理路径或核实它的位置，未删除任何对象，请确认!");
        EXPECT_EQ(capture.boxes()[0].caption, L"提示");
        EXPECT_EQ(capture.boxes()[0].icon, static_cast<UINT>(MB_ICONWARNING));
        EXPECT_TRUE(d.Rows().empty());
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), L"");
    });
    ::CloseHandle(held);
    EXPECT_TRUE(tree.Exists(L"held\\key.txt"));
}

TEST(CleanCommand, BothPassesLogFileBlockThenFolderBlock)
{
    TempTree tree;
    tree.AddFile(L"a_key.txt");
    tree.AddFile(L"plain.txt");
    tree.AddFolder(L"sub");
    tree.AddFile(L"sub\\KEY.log");
    tree.AddFolder(L"sub\\keyring");
    tree.AddFile(L"sub\\keyring\\inside.txt");

    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        // Both headings show the keyword as typed, whatever case the matching ignores.
        d.Clean(L"kEy", tree.Root());
        const std::vector<Row> expected = {
            {L"<time>", FileHeading(L"kEy")},
            {L"√", tree.Path(L"a_key.txt")},
            {L"√", tree.Path(L"sub\\KEY.log")},
            kBlank,
            {L"<time>", FolderHeading(L"kEy")},
            {L"√", tree.Path(L"sub\\keyring")},
            kBlank,
        };
        EXPECT_EQ(Normalised(d.Rows()), expected);
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(tree.Root()));
        EXPECT_TRUE(d.IsChecked(IDC_CHECK_DELETE_FILES));
        EXPECT_TRUE(d.IsChecked(IDC_CHECK_DELETE_FOLDERS));
    });
    EXPECT_EQ(tree.Entries(), (std::set<std::wstring>{L"plain.txt", L"sub"}));
}

TEST(CleanCommand, NothingFoundGivesHeadingThenBlankRow)
{
    TempTree tree;
    tree.AddFile(L"plain.txt");
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean(L"zzz", tree.Root());
        const std::vector<Row> expected = {
            {L"<time>", FileHeading(L"zzz")}, kBlank, {L"<time>", FolderHeading(L"zzz")}, kBlank};
        EXPECT_EQ(Normalised(d.Rows()), expected);
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(tree.Root()));
    });
    EXPECT_TRUE(tree.Exists(L"plain.txt"));
}

TEST(CleanCommand, NestedMatchedFolderIsGoneWhenItsTurnComes)
{
    TempTree tree;
    tree.AddFolder(L"tmp");
    tree.AddFolder(L"tmp\\cache_tmp");
    tree.AddFile(L"tmp\\cache_tmp\\x.txt");
    tree.AddFolder(L"other");

    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.Clean(L"tmp", tree.Root());
        const std::vector<Row> expected = {
            {L"<time>", FolderHeading(L"tmp")},
            {L"√", tree.Path(L"tmp")},
            {L"×", tree.Path(L"tmp\\cache_tmp")},
            kBlank,
        };
        EXPECT_EQ(Normalised(d.Rows()), expected);
        // The folder pass writes its status after each removal; the run then completes.
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(tree.Root()));
    });
    EXPECT_EQ(tree.Entries(), std::set<std::wstring>{L"other"});
}

TEST(CleanCommand, LockedFileIsMarkedAndKeepsItsFolders)
{
    TempTree tree;
    tree.AddFile(L"locked_key.txt");
    tree.AddFile(L"free_key.txt");
    tree.AddFolder(L"keydir");
    tree.AddFolder(L"keydir\\deep");
    tree.AddFile(L"keydir\\deep\\held.txt");
    tree.AddFile(L"keydir\\loose.txt");

    // No sharing at all: nobody may delete these while the handles are open.
    const HANDLE lockedFile = ::CreateFileW(tree.Path(L"locked_key.txt").c_str(), GENERIC_READ, 0,
                                            NULL, OPEN_EXISTING, 0, NULL);
    const HANDLE heldFile = ::CreateFileW(tree.Path(L"keydir\\deep\\held.txt").c_str(),
                                          GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(lockedFile, INVALID_HANDLE_VALUE);
    ASSERT_NE(heldFile, INVALID_HANDLE_VALUE);

    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean(L"key", tree.Root());
        const std::vector<Row> rows = Normalised(d.Rows());
        ASSERT_EQ(rows.size(), 7u);
        // Enumeration order within a folder is the file system's: compare the file rows as a set.
        std::vector<Row> fileRows(rows.begin() + 1, rows.begin() + 3);
        std::sort(fileRows.begin(), fileRows.end());
        EXPECT_EQ(fileRows, (std::vector<Row>{{L"×", tree.Path(L"locked_key.txt")},
                                              {L"√", tree.Path(L"free_key.txt")}}));
        EXPECT_EQ(rows[3], kBlank);
        EXPECT_EQ(rows[5], Row(L"×", tree.Path(L"keydir")));
        EXPECT_EQ(rows[6], kBlank);
    });
    ::CloseHandle(lockedFile);
    ::CloseHandle(heldFile);

    EXPECT_TRUE(tree.Exists(L"locked_key.txt"));
    EXPECT_FALSE(tree.Exists(L"free_key.txt"));
    EXPECT_TRUE(tree.Exists(L"keydir\\deep\\held.txt"));
    EXPECT_FALSE(tree.Exists(L"keydir\\loose.txt"));
}

TEST(CleanCommand, RunsAppendBelowEarlierRows)
{
    TempTree tree;
    tree.AddFolder(L"old1");
    tree.AddFolder(L"old2");
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.Clean(L"old1", tree.Root());
        const std::vector<Row> first = d.Rows();
        ASSERT_EQ(first.size(), 3u);
        d.Clean(L"old2", tree.Root());
        const std::vector<Row> both = d.Rows();
        ASSERT_EQ(both.size(), 6u);
        EXPECT_TRUE(std::equal(first.begin(), first.end(), both.begin()));
        EXPECT_EQ(both[4], Row(L"√", tree.Path(L"old2")));
    });
}

TEST(CleanCommand, MatchCaseTickedMatchesLetterCaseAndSaysSo)
{
    TempTree tree;
    tree.AddFile(L"KEY.txt");
    tree.AddFile(L"key.txt.bak");
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.SetCheck(IDC_CHECK_DELETE_FOLDERS, false);
        d.SetCheck(IDC_CHECK_MATCH_CASE, true);
        d.Clean(L"key", tree.Root());
        const std::vector<Row> expected = {
            {L"<time>", Fill(L"清除包含关键字[%s]的文件(关键字区分大小写)。\r\n", L"key")},
            {L"√", tree.Path(L"key.txt.bak")},
            kBlank,
        };
        EXPECT_EQ(Normalised(d.Rows()), expected);
        EXPECT_TRUE(d.IsChecked(IDC_CHECK_MATCH_CASE));
    });
    EXPECT_EQ(tree.Entries(), std::set<std::wstring>{L"KEY.txt"});
}
