#include "engine/EmptyFolder.h"

#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

typedef std::set<std::wstring> Entries;

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

    EmptyFolder(tree.Path(L"parent\\target"));

    EXPECT_EQ((Entries{L"parent", L"parent\\target", L"parent\\sibling.txt"}), tree.Entries());
    // L"." resets the emptied folder; the folder above keeps its attributes.
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_DIRECTORY),
              GetFileAttributesW(tree.Path(L"parent\\target").c_str()));
    EXPECT_TRUE(GetFileAttributesW(tree.Path(L"parent").c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST(EmptyFolder, RemovesAFolderTenLevelsDeepLevelByLevel)
{
    TempTree tree;
    std::wstring folder = L"target";
    tree.AddFolder(folder);
    for (int level = 0; level < 10; ++level) {
        folder += L"\\level";
        tree.AddFolder(folder);
        tree.AddFile(folder + L"\\file.txt");
    }
    EmptyFolder(tree.Path(L"target"));
    EXPECT_EQ(Entries{L"target"}, tree.Entries());
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
    const HANDLE held = CreateFileW(tree.Path(L"target\\a\\b\\locked.txt").c_str(), GENERIC_READ,
                                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);

    EmptyFolder(tree.Path(L"target"));
    CloseHandle(held);

    EXPECT_EQ((Entries{L"target", L"target\\a", L"target\\a\\b", L"target\\a\\b\\locked.txt"}),
              tree.Entries());
    EXPECT_EQ(L"busy", tree.Content(L"target\\a\\b\\locked.txt"));
}

TEST(EmptyFolder, DoesNothingForAMissingFolderOrAFile)
{
    TempTree tree;
    tree.AddFile(L"file.txt", L"kept");
    EmptyFolder(tree.Path(L"missing"));
    EmptyFolder(tree.Path(L"file.txt"));
    EmptyFolder(L"");
    EXPECT_EQ(Entries{L"file.txt"}, tree.Entries());
    EXPECT_EQ(L"kept", tree.Content(L"file.txt"));
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

    EmptyFolder(tree.LongPath(L"target"));

    EXPECT_EQ(Entries{L"target"}, tree.Entries());
}

}  // namespace
