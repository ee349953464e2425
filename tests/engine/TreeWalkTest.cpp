#include "engine/TreeWalk.h"

#include "tests/engine/WalkTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

std::set<std::string> AsSet(const std::vector<std::string>& paths)
{
    return std::set<std::string>(paths.begin(), paths.end());
}

class TreeWalk : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.AddFolder("old");
        tree.AddFile("old\\x.txt");
        tree.AddFolder("tmp");
        tree.AddFolder("tmp\\cache_tmp");
        tree.AddFile("tmp\\cache_tmp\\data.TMP");
        tree.AddFile("keep.txt");
        tree.AddFile("Report.txt", "", FILE_ATTRIBUTE_HIDDEN);
        tree.AddFile("sys_report.log", "", FILE_ATTRIBUTE_SYSTEM);
        tree.AddFile("ro_REPORT", "", FILE_ATTRIBUTE_READONLY);
        tree.AddFolder("sub", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
        tree.AddFolder("sub\\report");
        tree.AddFile("sub\\report\\report.doc");
    }

    std::vector<std::string> Files(const std::string& keyword, int exact, int matchCase)
    {
        PathList list;
        FindMatchingFiles(tree.Root(), keyword, list, exact, matchCase);
        for (const PathEntry& entry : list) EXPECT_EQ(1, entry.isFile) << entry.path;
        return RelativePaths(tree, list);
    }

    std::vector<std::string> Folders(const std::string& keyword, int exact, int matchCase)
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
        const char* keyword;
        int exact, matchCase;
        std::set<std::string> files;
    } const rows[] = {
        {"report", 0, 0, {"Report.txt", "sys_report.log", "ro_REPORT", "sub\\report\\report.doc"}},
        {"report", 0, 1, {"sys_report.log", "sub\\report\\report.doc"}},
        {"report.txt", 1, 0, {"Report.txt"}},
        {"report.txt", 1, 1, {}},
        {"old", 0, 0, {}},
        {"tmp", 0, 0, {"tmp\\cache_tmp\\data.TMP"}},
        {"nothing-like-it", 0, 0, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.files, AsSet(Files(row.keyword, row.exact, row.matchCase))) << row.keyword;
}

TEST_F(TreeWalk, CollectsMatchingFoldersOuterFirst)
{
    struct Row {
        const char* keyword;
        int exact, matchCase;
        std::vector<std::string> folders;
    } const rows[] = {
        {"tmp", 0, 0, {"tmp", "tmp\\cache_tmp"}},
        {"TMP", 0, 1, {}},
        {"tmp", 1, 0, {"tmp"}},
        {"old", 0, 0, {"old"}},
        {"REPORT", 0, 0, {"sub\\report"}},
        {"varnel-test", 0, 0, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.folders, Folders(row.keyword, row.exact, row.matchCase)) << row.keyword;
}

TEST_F(TreeWalk, AppendsBehindWhatTheListHolds)
{
    PathList list = {{"earlier", 1}};
    FindMatchingFolders(tree.Root(), "tmp", list, 0, 0);
    FindMatchingFiles(tree.Root(), "x.txt", list, 0, 0);
    ASSERT_EQ(4u, list.size());
    EXPECT_EQ("earlier", list[0].path);
    EXPECT_EQ(tree.Path("tmp"), list[1].path);
    EXPECT_EQ(tree.Path("old\\x.txt"), list[3].path);
}

TEST_F(TreeWalk, LeavesTheListAloneForAFolderThatCannotBeEnumerated)
{
    PathList list = {{"earlier", 0}};
    FindMatchingFiles(tree.Path("missing"), "x", list, 0, 0);
    FindMatchingFolders(tree.Path("keep.txt"), "x", list, 0, 0);
    ASSERT_EQ(1u, list.size());
}

TEST_F(TreeWalk, GivesAbsolutePathsForARelativeOrSlashEndedFolderText)
{
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(tree.Root().c_str()));
    PathList relative;
    FindMatchingFiles("old", "x", relative, 0, 0);
    SetCurrentDirectoryA(previous);
    ASSERT_EQ(1u, relative.size());
    EXPECT_EQ(tree.Path("old\\x.txt"), relative[0].path);

    PathList slashEnded;
    FindMatchingFiles(tree.Root() + "\\", "x.txt", slashEnded, 0, 0);
    ASSERT_EQ(1u, slashEnded.size());
    EXPECT_EQ(tree.Path("old\\x.txt"), slashEnded[0].path);
}

TEST(TreeWalkDepth, ReachesAFileTenLevelsDown)
{
    TempTree tree;
    std::string folder;
    for (int level = 0; level < 10; ++level) {
        folder += (level ? "\\" : "") + std::string("level");
        tree.AddFolder(folder);
    }
    tree.AddFile(folder + "\\deep.txt");
    PathList files, folders;
    FindMatchingFiles(tree.Root(), "deep", files, 0, 0);
    FindMatchingFolders(tree.Root(), "level", folders, 0, 0);
    ASSERT_EQ(1u, files.size());
    EXPECT_EQ(tree.Path(folder + "\\deep.txt"), files[0].path);
    ASSERT_EQ(10u, folders.size());
    EXPECT_EQ(tree.Path(folder), folders.back().path);
}

TEST(TreeWalkNames, PassesOverNamesTheCodePageCannotHold)
{
    TempTree tree;
    tree.AddWideFolder(L"\xD55C\xAD6D txt");
    tree.AddWideFile(L"\xD55C\xAD6D txt\\inner.txt");
    tree.AddWideFile(L"\xD83D\xDE00.txt");
    tree.AddFile("plain.txt");
    tree.AddFolder("txt folder");
    PathList files, folders;
    FindMatchingFiles(tree.Root(), "txt", files, 0, 0);
    FindMatchingFolders(tree.Root(), "txt", folders, 0, 0);
    EXPECT_EQ(std::vector<std::string>{"plain.txt"}, RelativePaths(tree, files));
    EXPECT_EQ(std::vector<std::string>{"txt folder"}, RelativePaths(tree, folders));
}

// Paths are never cut short: an entry whose path the platform cannot take is left out, and
// the names around the limit are reported whole.
TEST(TreeWalkLongPaths, TakesPathsUpToTheLimitAndNoneBeyond)
{
    TempTree tree;
    const std::string nearName(250 - tree.Root().size(), 'n');
    tree.AddFolder(nearName);
    const std::string nearFile =
        nearName + "\\hit" + std::string(254 - tree.Root().size() - nearName.size(), 'x');
    tree.AddFile(nearFile);
    ASSERT_EQ(259u, tree.Path(nearFile).size());
    const std::string beyond = nearName + "\\" + std::string(40, 'd');
    ASSERT_TRUE(TempTree::RunUnix("mkdir -p '" + TempTree::UnixPathOf(tree.Root()) + "/" +
                                  nearName + "/" + std::string(40, 'd') + "/hit'"));

    PathList files, folders;
    FindMatchingFiles(tree.Root(), "hit", files, 0, 0);
    FindMatchingFolders(tree.Root(), "hit", folders, 0, 0);
    EXPECT_EQ(std::vector<std::string>{nearFile}, RelativePaths(tree, files));
    EXPECT_TRUE(folders.empty());
}

}  // namespace
