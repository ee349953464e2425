#include "engine/Deletion.h"

#include "tests/engine/WalkTestSupport.h"

#include <gtest/gtest.h>

namespace {

typedef std::set<std::wstring> Entries;

// Empties `relative` of the tree as the folder pass does: opened inside its folder.
void Empty(const TempTree& tree, const std::wstring& above, const std::wstring& name)
{
    const std::shared_ptr<const OpenObject> folder = OpenTree(tree, above);
    ASSERT_TRUE(folder);
    const std::unique_ptr<OpenObject> target =
        folder->OpenEntry(name, EntryKind::Folder, OpenPurpose::Delete);
    ASSERT_TRUE(target);
    const std::atomic<bool> notStopped(false);
    EmptyFolder(*target, tree.Path(above + L"\\" + name), notStopped);
}

// What the run does with what one walk collected: files, then folders.
std::vector<bool> Clean(const TempTree& tree, const std::wstring& keyword)
{
    Found found = FindIn(tree, keyword);
    std::vector<bool> gone;
    const std::atomic<bool> notStopped(false);
    const std::shared_ptr<const OpenObject> root = OpenTree(tree);
    Deleter deleter(*root, notStopped);
    for (const PathEntry& file : found.files)
        gone.push_back(deleter.DeleteCollectedFile(file) == Outcome::Deleted);
    for (const PathEntry& folder : found.folders)
        gone.push_back(deleter.DeleteCollectedFolder(folder) == Outcome::Deleted);
    return gone;
}

TEST(EmptyFolder, DeletesEverythingInsideWhateverTheAttributes)
{
    TempTree tree;
    tree.AddFolder(L"parent", FILE_ATTRIBUTE_HIDDEN);
    tree.AddFolder(L"parent\\target", FILE_ATTRIBUTE_READONLY);
    const wchar_t* const files[] = {L"plain.txt", L"ro.txt", L"hidden.txt", L"system.txt"};
    const DWORD attributes[] = {0, FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN,
                                FILE_ATTRIBUTE_SYSTEM};
    for (int i = 0; i < 4; ++i)
        tree.AddFile(std::wstring(L"parent\\target\\") + files[i], L"x", attributes[i]);
    tree.AddFolder(L"parent\\target\\ro", FILE_ATTRIBUTE_READONLY);
    tree.AddFile(L"parent\\target\\ro\\inner.txt", L"x", FILE_ATTRIBUTE_READONLY);
    tree.AddFolder(L"parent\\target\\hidden", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    tree.AddFolder(L"parent\\target\\hidden\\empty");
    tree.AddFile(L"parent\\sibling.txt");

    Empty(tree, L"parent", L"target");

    EXPECT_EQ((Entries{L"parent", L"parent\\target", L"parent\\sibling.txt"}), tree.Entries());
    EXPECT_TRUE(tree.Attributes(L"parent") & FILE_ATTRIBUTE_HIDDEN);
}

TEST(EmptyFolder, RemovesAFolderTenLevelsDeepLevelByLevel)
{
    TempTree tree;
    tree.AddFolder(L"above");
    std::wstring folder = L"above\\target";
    tree.AddFolder(folder);
    for (int level = 0; level < 10; ++level) {
        folder += L"\\level";
        tree.AddFolder(folder);
        tree.AddFile(folder + L"\\file.txt");
    }
    Empty(tree, L"above", L"target");
    EXPECT_EQ((Entries{L"above", L"above\\target"}), tree.Entries());
}

TEST(EmptyFolder, KeepsALockedFileAndTheFoldersAboveIt)
{
    TempTree tree;
    tree.AddFolder(L"target");
    tree.AddFolder(L"target\\a");
    tree.AddFolder(L"target\\a\\b");
    tree.AddFile(L"target\\a\\b\\locked.txt", L"busy");
    tree.AddFile(L"target\\a\\b\\free.txt");
    tree.AddFolder(L"target\\other");
    tree.AddFile(L"target\\other\\free.txt");
    const HANDLE held =
        CreateFileW(tree.LongPath(L"target\\a\\b\\locked.txt").c_str(), GENERIC_READ,
                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);

    Empty(tree, L"", L"target");
    CloseHandle(held);

    EXPECT_EQ((Entries{L"target", L"target\\a", L"target\\a\\b", L"target\\a\\b\\locked.txt"}),
              tree.Entries());
    EXPECT_EQ(L"busy", tree.Content(L"target\\a\\b\\locked.txt"));
}

TEST(EmptyFolder, DeletesNamesOfEveryScriptAndAnyLength)
{
    TempTree tree;
    tree.AddFolder(L"target");
    tree.AddFolder(L"target\\sub");
    tree.AddFile(L"target\\sub\\한국.txt");
    tree.AddFolder(L"target\\😀");
    tree.AddFile(L"target\\ملف.doc");
    tree.AddFile(L"target\\a_tmp.");
    tree.AddFile(L"target\\aux.tmp");
    std::wstring deep = L"target";
    for (int level = 0; level < 8; ++level) {
        deep += L"\\" + std::wstring(50, L'd');
        tree.AddFolder(deep);
    }
    tree.AddFile(deep + L"\\deep.txt");
    ASSERT_GT(tree.Path(deep).size(), 400u);

    Empty(tree, L"", L"target");

    EXPECT_EQ(Entries{L"target"}, tree.Entries());
}

TEST(DeleteCollected, LeavesAReadOnlyMatchedFileAndReportsIt)
{
    TempTree tree;
    tree.AddFile(L"ro_junk.txt", L"kept", FILE_ATTRIBUTE_READONLY);
    tree.AddFile(L"plain_junk.txt");
    Found found = FindIn(tree, L"junk");
    ASSERT_EQ(2u, found.files.size());
    const std::atomic<bool> notStopped(false);
    const std::shared_ptr<const OpenObject> root = OpenTree(tree);
    Deleter deleter(*root, notStopped);
    for (const PathEntry& file : found.files)
        EXPECT_EQ(file.relative == L"plain_junk.txt",
                  deleter.DeleteCollectedFile(file) == Outcome::Deleted)
            << file.path;
    EXPECT_EQ(Entries{L"ro_junk.txt"}, tree.Entries());
    EXPECT_TRUE(tree.Attributes(L"ro_junk.txt") & FILE_ATTRIBUTE_READONLY);
}

TEST(DeleteCollected, NestedMatchIsGoneWhenItsTurnComes)
{
    TempTree tree;
    tree.AddFolder(L"junk");
    tree.AddFolder(L"junk\\inner_junk");
    tree.AddFile(L"junk\\inner_junk\\file");
    EXPECT_EQ((std::vector<bool>{true, false}), Clean(tree, L"junk"));
    EXPECT_TRUE(tree.Entries().empty());
}

// A read-only file inside a matched folder with a second name outside: the outside name keeps
// its attributes, since attributes belong to the file.
TEST(DeleteCollected, HardLinkedReadOnlyFileKeepsItsAttributesOutside)
{
    TempTree outside, tree;
    outside.AddFile(L"shared.txt", L"shared", FILE_ATTRIBUTE_READONLY);
    tree.AddFolder(L"junk");
    if (!TempTree::RunUnix("ln '" + TempTree::UnixPathOf(outside.Path(L"shared.txt")) + "' '" +
                           TempTree::UnixPathOf(tree.Path(L"junk")) + "/shared.txt'"))
        GTEST_SKIP() << "no Unix side to make a hard link with";
    ASSERT_TRUE(tree.Exists(L"junk\\shared.txt"));

    EXPECT_EQ(std::vector<bool>{true}, Clean(tree, L"junk"));
    EXPECT_TRUE(tree.Entries().empty());
    EXPECT_EQ(L"shared", outside.Content(L"shared.txt"));
    EXPECT_TRUE(outside.Attributes(L"shared.txt") & FILE_ATTRIBUTE_READONLY);
}

}  // namespace
