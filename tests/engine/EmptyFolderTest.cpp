#include "engine/EmptyFolder.h"

#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

typedef std::set<std::string> Entries;

TEST(EmptyFolder, DeletesEverythingInsideWhateverTheAttributes)
{
    TempTree tree;
    tree.AddFolder("parent", FILE_ATTRIBUTE_HIDDEN);
    tree.AddFolder("parent\\target", FILE_ATTRIBUTE_READONLY);
    const char* const files[] = {"plain.txt", "ro.txt", "hidden.txt", "system.txt"};
    const DWORD attributes[] = {0, FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN,
                                FILE_ATTRIBUTE_SYSTEM};
    for (int i = 0; i < 4; ++i)
        tree.AddFile(std::string("parent\\target\\") + files[i], "x", attributes[i]);
    tree.AddFolder("parent\\target\\ro", FILE_ATTRIBUTE_READONLY);
    tree.AddFile("parent\\target\\ro\\inner.txt", "x", FILE_ATTRIBUTE_READONLY);
    tree.AddFolder("parent\\target\\hidden", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    tree.AddFolder("parent\\target\\hidden\\empty");
    tree.AddFile("parent\\sibling.txt");

    EmptyFolder(tree.Path("parent\\target"));

    EXPECT_EQ((Entries{"parent", "parent\\target", "parent\\sibling.txt"}), tree.Entries());
    // "." resets the emptied folder; the folder above keeps its attributes.
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_DIRECTORY),
              GetFileAttributesA(tree.Path("parent\\target").c_str()));
    EXPECT_TRUE(GetFileAttributesA(tree.Path("parent").c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST(EmptyFolder, RemovesAFolderTenLevelsDeepLevelByLevel)
{
    TempTree tree;
    std::string folder = "target";
    tree.AddFolder(folder);
    for (int level = 0; level < 10; ++level) {
        folder += "\\level";
        tree.AddFolder(folder);
        tree.AddFile(folder + "\\file.txt");
    }
    EmptyFolder(tree.Path("target"));
    EXPECT_EQ(Entries{"target"}, tree.Entries());
}

TEST(EmptyFolder, KeepsALockedFileAndTheFoldersAboveIt)
{
    TempTree tree;
    tree.AddFolder("target");
    tree.AddFolder("target\\a");
    tree.AddFolder("target\\a\\b");
    tree.AddFile("target\\a\\b\\locked.txt", "busy");
    tree.AddFile("target\\a\\b\\free.txt");
    tree.AddFolder("target\\other");
    tree.AddFile("target\\other\\free.txt");
    const HANDLE held = CreateFileA(tree.Path("target\\a\\b\\locked.txt").c_str(), GENERIC_READ,
                                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);

    EmptyFolder(tree.Path("target"));
    CloseHandle(held);

    EXPECT_EQ((Entries{"target", "target\\a", "target\\a\\b", "target\\a\\b\\locked.txt"}),
              tree.Entries());
    EXPECT_EQ("busy", tree.Content("target\\a\\b\\locked.txt"));
}

TEST(EmptyFolder, DoesNothingForAMissingFolderOrAFile)
{
    TempTree tree;
    tree.AddFile("file.txt", "kept");
    EmptyFolder(tree.Path("missing"));
    EmptyFolder(tree.Path("file.txt"));
    EmptyFolder("");
    EXPECT_EQ(Entries{"file.txt"}, tree.Entries());
    EXPECT_EQ("kept", tree.Content("file.txt"));
}

TEST(EmptyFolder, LeavesNamesTheCodePageCannotHoldAndTheirFolders)
{
    TempTree tree;
    tree.AddFolder("target");
    tree.AddFolder("target\\sub");
    tree.AddWideFile(L"target\\sub\\\xD55C\xAD6D.txt");
    tree.AddWideFolder(L"target\\\xD83D\xDE00");
    tree.AddFile("target\\plain.txt");
    tree.AddFile("target\\sub\\plain.txt");

    EmptyFolder(tree.Path("target"));

    const Entries left = tree.Entries();
    EXPECT_EQ(4u, left.size());
    EXPECT_TRUE(left.count("target\\sub"));
    EXPECT_FALSE(left.count("target\\plain.txt"));
    EXPECT_FALSE(left.count("target\\sub\\plain.txt"));
    // The unreadable names themselves are still there, under their substitute spelling.
    EXPECT_EQ(2, (int)std::count_if(left.begin(), left.end(), [](const std::string& p) {
                  return p.find('?') != std::string::npos;
              }));
}

// A path longer than the platform takes is left alone, never cut down to one it takes.
TEST(EmptyFolder, DeletesUpToThePathLimitAndLeavesWhatLiesBeyond)
{
    TempTree tree;
    const std::string target(250 - tree.Root().size(), 't');
    tree.AddFolder(target);
    const std::string nearLimit =
        target + "\\" + std::string(259 - tree.Root().size() - target.size() - 2, 'n');
    tree.AddFile(nearLimit, "x");
    ASSERT_EQ(259u, tree.Path(nearLimit).size());
    const std::string beyond = std::string(20, 'b');
    ASSERT_TRUE(TempTree::RunUnix("echo long > '" + TempTree::UnixPathOf(tree.Path(target)) + "/" +
                                  beyond + "'"));

    EmptyFolder(tree.Path(target));

    EXPECT_EQ((Entries{target, target + "\\" + beyond}), tree.Entries());
}

}  // namespace
