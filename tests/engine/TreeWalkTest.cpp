#include "engine/TreeWalk.h"

#include "tests/engine/WalkTestSupport.h"

#include <gtest/gtest.h>

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
    for (const Row& row : rows) {
        const Found found = FindIn(tree, row.keyword, row.exact, row.matchCase);
        EXPECT_EQ(row.files, AsSet(RelativePaths(found.files))) << row.keyword;
        for (const PathEntry& entry : found.files) {
            EXPECT_EQ(1, entry.isFile);
            EXPECT_EQ(tree.Path(entry.relative), entry.path);
        }
    }
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
    for (const Row& row : rows) {
        const Found found = FindIn(tree, row.keyword, row.exact, row.matchCase);
        EXPECT_EQ(row.folders, RelativePaths(found.folders)) << row.keyword;
        for (const PathEntry& entry : found.folders) EXPECT_EQ(0, entry.isFile);
    }
}

TEST_F(TreeWalk, CollectsOnlyTheKindsAskedForAndAppends)
{
    PathList files = {{L"earlier", 1, L"earlier", false, 0, FileId()}};
    const std::atomic<bool> notStopped(false);
    FindMatches(*OpenTree(tree), L"C:\\shown", Keyword(L"x.txt", 1), &files, nullptr, notStopped);
    ASSERT_EQ(2u, files.size());
    EXPECT_EQ(L"earlier", files[0].path);
    EXPECT_EQ(L"C:\\shown\\old\\x.txt", files[1].path);
}

TEST_F(TreeWalk, StopsWhenAsked)
{
    PathList files;
    const std::atomic<bool> stopped(true);
    FindMatches(*OpenTree(tree), tree.Root(), Keyword(L"t"), &files, nullptr, stopped);
    EXPECT_TRUE(files.empty());
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
    const Found found = FindIn(tree, L"txt");
    EXPECT_EQ(
        (std::set<std::wstring>{L"한국 txt\\inner.txt", L"😀.txt", L"a_txt.", L"a_txt", L"aux.txt"}),
        AsSet(RelativePaths(found.files)));
    EXPECT_EQ((std::set<std::wstring>{L"한국 txt", L"txt folder"}),
              AsSet(RelativePaths(found.folders)));
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

    const Found found = FindIn(tree, L"hit");
    EXPECT_EQ(std::vector<std::wstring>{deep + L"\\hit.txt"}, RelativePaths(found.files));
    EXPECT_EQ(std::vector<std::wstring>{deep + L"\\hit"}, RelativePaths(found.folders));
}

}  // namespace
