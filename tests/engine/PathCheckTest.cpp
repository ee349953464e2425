#include "engine/LongPath.h"
#include "engine/FileSystem.h"
#include "engine/OpenObject.h"
#include "engine/PathCheck.h"

#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace {

// Wine's side of the folder check: the attributes Wine can set on a folder.
TEST(IsFolderToClean, AcceptsAFolderWhateverItsDataAttributes)
{
    TempTree tree;
    struct Row {
        const wchar_t* name;
        DWORD attributes;
        bool accepted;
    } const rows[] = {
        {L"plain", 0, true},
        {L"archive", FILE_ATTRIBUTE_ARCHIVE, true},
        {L"readonly", FILE_ATTRIBUTE_READONLY, true},
        {L"not_indexed", FILE_ATTRIBUTE_NOT_CONTENT_INDEXED, true},
        {L"hidden", FILE_ATTRIBUTE_HIDDEN, false},
        {L"system", FILE_ATTRIBUTE_SYSTEM, false},
    };
    for (const Row& row : rows) {
        tree.AddFolder(row.name, row.attributes);
        // Wine keeps no read-only mark on a folder; such a row shows nothing.
        const DWORD kept = GetFileAttributesW(tree.Path(row.name).c_str());
        if (row.attributes && !(kept & row.attributes)) continue;
        EXPECT_EQ(row.accepted, IsFolderToClean(SystemFileSystem(), tree.LongPath(row.name)))
            << row.name;
    }
    tree.AddFile(L"file.txt");
    EXPECT_FALSE(IsFolderToClean(SystemFileSystem(), tree.LongPath(L"file.txt")));
    EXPECT_FALSE(IsFolderToClean(SystemFileSystem(), tree.LongPath(L"missing")));
    EXPECT_FALSE(IsFolderToClean(SystemFileSystem(), L""));
    if (tree.AddLink(L"link", tree.Path(L"plain"))) {
        EXPECT_FALSE(IsFolderToClean(SystemFileSystem(), tree.LongPath(L"link")));
    }
}

TEST(LongPath, OneAbsoluteFolderInTheFormThatTakesNamesExactly)
{
    TempTree tree;
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(tree.Root().c_str()));
    // A relative text and a bare drive name are resolved against the current folder.
    EXPECT_EQ(tree.Path(L"sub"), GetAbsolutePath(L"sub"));
    std::wstring drive = GetAbsolutePath(tree.Root().substr(0, 2));
    if (drive.back() == L'\\') drive.pop_back();  // Wine ends it with a separator
    EXPECT_EQ(tree.Root(), drive);
    SetCurrentDirectoryW(previous);
    EXPECT_EQ(L"", GetAbsolutePath(L""));

    EXPECT_EQ(L"\\\\?\\C:\\a\\b.", ToLongPath(L"C:\\a\\b."));
    EXPECT_EQ(L"\\\\?\\UNC\\server\\share\\x", ToLongPath(L"\\\\server\\share\\x"));
    EXPECT_EQ(L"\\\\?\\C:\\x", ToLongPath(L"\\\\?\\C:\\x"));
}

// The chosen folder is opened as itself and must be a plain folder.
TEST(OpenRoot, OpensOnlyAPlainFolder)
{
    TempTree tree;
    tree.AddFolder(L"plain");
    tree.AddFile(L"file.txt");
    EXPECT_TRUE(OpenObject::OpenRoot(SystemFileSystem(), tree.LongPath(L"plain")));
    EXPECT_FALSE(OpenObject::OpenRoot(SystemFileSystem(), tree.LongPath(L"file.txt")));
    EXPECT_FALSE(OpenObject::OpenRoot(SystemFileSystem(), tree.LongPath(L"missing")));
    // A folder right below a drive's root: the folder above is the root, named "C:\".
    EXPECT_TRUE(OpenObject::OpenRoot(SystemFileSystem(), L"\\\\?\\C:\\windows"));
    EXPECT_TRUE(OpenObject::OpenRoot(SystemFileSystem(), L"\\\\?\\C:\\"));
    if (tree.AddLink(L"link", tree.Path(L"plain"))) {
        EXPECT_FALSE(OpenObject::OpenRoot(SystemFileSystem(), tree.LongPath(L"link")));
    }
    // A folder another program holds without sharing cannot be opened.
    const HANDLE held = CreateFileW(tree.LongPath(L"plain").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(OpenObject::OpenRoot(SystemFileSystem(), tree.LongPath(L"plain")));
    CloseHandle(held);
}

}  // namespace

namespace {

// The checks Wine needs depend on knowing it is Wine, by more than one of its marks.
TEST(SystemFileSystem, KnowsItRunsUnderWine)
{
    HKEY key;
    const bool winePrefix =
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Wine", 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (!winePrefix) GTEST_SKIP() << "not under Wine";
    RegCloseKey(key);
    EXPECT_TRUE(SystemFileSystem().LinksUnmarked());
}

}  // namespace
