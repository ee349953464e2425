#include "engine/TreeWalk.h"

#include "tests/engine/WalkTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

std::set<std::wstring> AsSet(const std::vector<std::wstring>& paths)
{
    return std::set<std::wstring>(paths.begin(), paths.end());
}

class TreeWalk : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.AddFolder(L"old");
        tree.AddFile(L"old\\x.txt");
        tree.AddFolder(L"tmp");
        tree.AddFolder(L"tmp\\cache_tmp");
        tree.AddFile(L"tmp\\cache_tmp\\data.TMP");
        tree.AddFile(L"keep.txt");
        tree.AddFile(L"Report.txt", L"", FILE_ATTRIBUTE_HIDDEN);
        tree.AddFile(L"sys_report.log", L"", FILE_ATTRIBUTE_SYSTEM);
        tree.AddFile(L"ro_REPORT", L"", FILE_ATTRIBUTE_READONLY);
        tree.AddFolder(L"sub", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
        tree.AddFolder(L"sub\\report");
        tree.AddFile(L"sub\\report\\report.doc");
    }

    std::vector<std::wstring> Files(const std::wstring& keyword, int exact, int matchCase)
    {
        PathList list;
        FindMatchingFiles(tree.Root(), keyword, list, exact, matchCase);
        for (const PathEntry& entry : list) EXPECT_EQ(1, entry.isFile) << entry.path;
        return RelativePaths(tree, list);
    }

    std::vector<std::wstring> Folders(const std::wstring& keyword, int exact, int matchCase)
    {
        PathList list;
        FindMatchingFolders(tree.Root(), keyword, list, exact, matchCase);
        for (const PathEntry& entry : list) EXPECT_EQ(0, entry.isFile) << entry.path;
        return RelativePaths(tree, list);
    }

    TempTree tree;
};

TEST_F(TreeWalk, CollectsMatchingFilesAtEveryDepthWhateverTheirAttributes)
{
    struct Row {
        const wchar_t* keyword;
        int exact, matchCase;
        std::set<std::wstring> files;
    } const rows[] = {
        {L"report",
         0,
         0,
         {L"Report.txt", L"sys_report.log", L"ro_REPORT", L"sub\\report\\report.doc"}},
        {L"report", 0, 1, {L"sys_report.log", L"sub\\report\\report.doc"}},
        {L"report.txt", 1, 0, {L"Report.txt"}},
        {L"report.txt", 1, 1, {}},
        {L"old", 0, 0, {}},
        {L"tmp", 0, 0, {L"tmp\\cache_tmp\\data.TMP"}},
        {L"nothing-like-it", 0, 0, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.files, AsSet(Files(row.keyword, row.exact, row.matchCase))) << row.keyword;
}

TEST_F(TreeWalk, CollectsMatchingFoldersOuterFirst)
{
    struct Row {
        const wchar_t* keyword;
        int exact, matchCase;
        std::vector<std::wstring> folders;
    } const rows[] = {
        {L"tmp", 0, 0, {L"tmp", L"tmp\\cache_tmp"}},
        {L"TMP", 0, 1, {}},
        {L"tmp", 1, 0, {L"tmp"}},
        {L"old", 0, 0, {L"old"}},
        {L"REPORT", 0, 0, {L"sub\\report"}},
        {L"varnel-test", 0, 0, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.folders, Folders(row.keyword, row.exact, row.matchCase)) << row.keyword;
}

TEST_F(TreeWalk, AppendsBehindWhatTheListHolds)
{
    PathList list = {{L"earlier", 1}};
    FindMatchingFolders(tree.Root(), L"tmp", list, 0, 0);
    FindMatchingFiles(tree.Root(), L"x.txt", list, 0, 0);
    ASSERT_EQ(4u, list.size());
    EXPECT_EQ(L"earlier", list[0].path);
    EXPECT_EQ(tree.Path(L"tmp"), list[1].path);
    EXPECT_EQ(tree.Path(L"old\\x.txt"), list[3].path);
}

TEST_F(TreeWalk, LeavesTheListAloneForAFolderThatCannotBeEnumerated)
{
    PathList list = {{L"earlier", 0}};
    FindMatchingFiles(tree.Path(L"missing"), L"x", list, 0, 0);
    FindMatchingFolders(tree.Path(L"keep.txt"), L"x", list, 0, 0);
    ASSERT_EQ(1u, list.size());
}

TEST_F(TreeWalk, GivesAbsolutePathsForARelativeOrSlashEndedFolderText)
{
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(tree.Root().c_str()));
    PathList relative;
    FindMatchingFiles(L"old", L"x", relative, 0, 0);
    SetCurrentDirectoryW(previous);
    ASSERT_EQ(1u, relative.size());
    EXPECT_EQ(tree.Path(L"old\\x.txt"), relative[0].path);

    PathList slashEnded;
    FindMatchingFiles(tree.Root() + L"\\", L"x.txt", slashEnded, 0, 0);
    ASSERT_EQ(1u, slashEnded.size());
    EXPECT_EQ(tree.Path(L"old\\x.txt"), slashEnded[0].path);
}

TEST(TreeWalkDepth, ReachesAFileTenLevelsDown)
{
    TempTree tree;
    std::wstring folder;
    for (int level = 0; level < 10; ++level) {
        folder += (level ? L"\\" : L"") + std::wstring(L"level");
        tree.AddFolder(folder);
    }
    tree.AddFile(folder + L"\\deep.txt");
    PathList files, folders;
    FindMatchingFiles(tree.Root(), L"deep", files, 0, 0);
    FindMatchingFolders(tree.Root(), L"level", folders, 0, 0);
    ASSERT_EQ(1u, files.size());
    EXPECT_EQ(tree.Path(folder + L"\\deep.txt"), files[0].path);
    ASSERT_EQ(10u, folders.size());
    EXPECT_EQ(tree.Path(folder), folders.back().path);
}

TEST(TreeWalkNames, CollectsNamesOfEveryScriptAsThemselves)
{
    TempTree tree;
    tree.AddFolder(L"한국 txt");
    tree.AddFile(L"한국 txt\\inner.txt");
    tree.AddFile(L"😀.txt");
    tree.AddFile(L"a_txt.");
    tree.AddFile(L"a_txt");
    tree.AddFile(L"aux.txt");
    tree.AddFolder(L"txt folder");
    PathList files, folders;
    FindMatchingFiles(tree.LongPath(L""), L"txt", files, 0, 0);
    FindMatchingFolders(tree.LongPath(L""), L"txt", folders, 0, 0);
    const std::vector<std::wstring> names = RelativePaths(tree, files);
    EXPECT_EQ(
        (std::set<std::wstring>{L"한국 txt\\inner.txt", L"😀.txt", L"a_txt.", L"a_txt", L"aux.txt"}),
        AsSet(names));
    EXPECT_EQ((std::set<std::wstring>{L"한국 txt", L"txt folder"}),
              AsSet(RelativePaths(tree, folders)));
}

// Paths are never cut short, however long.
TEST(TreeWalkLongPaths, TakesPathsOfAnyLength)
{
    TempTree tree;
    std::wstring deep;
    for (int level = 0; level < 8; ++level) {
        deep += (level ? L"\\" : L"") + std::wstring(50, L'd');
        tree.AddFolder(deep);
    }
    tree.AddFile(deep + L"\\hit.txt");
    tree.AddFolder(deep + L"\\hit");
    ASSERT_GT(tree.Path(deep).size(), 400u);

    PathList files, folders;
    FindMatchingFiles(tree.LongPath(L""), L"hit", files, 0, 0);
    FindMatchingFolders(tree.LongPath(L""), L"hit", folders, 0, 0);
    EXPECT_EQ(std::vector<std::wstring>{deep + L"\\hit.txt"}, RelativePaths(tree, files));
    EXPECT_EQ(std::vector<std::wstring>{deep + L"\\hit"}, RelativePaths(tree, folders));
}

}  // namespace
