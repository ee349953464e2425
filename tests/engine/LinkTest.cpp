#include "engine/EmptyFolder.h"
#include "engine/EntryKind.h"
#include "engine/TreeWalk.h"

#include "tests/engine/WalkTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A tree with links to folders and files inside and outside it, and a loop; everything
// outside must survive byte for byte whatever the engine is asked to do.
class Links : public ::testing::Test {
protected:
    void SetUp() override
    {
        outside.AddFile(L"secret_link.txt", L"outside bytes\r\n\x01\xFF");
        outside.AddFolder(L"odir");
        outside.AddFile(L"odir\\link_inner.txt", L"inner bytes");
        outsideBefore = Snapshot();

        inside.AddFile(L"real.txt", L"real");
        inside.AddFolder(L"sub");
        inside.AddFile(L"sub\\plain_link.txt", L"plain");
        if (!inside.AddLink(L"dir_link", outside.Path(L"odir")) ||
            !inside.AddLink(L"file_link", outside.Path(L"secret_link.txt")) ||
            !inside.AddLink(L"sub\\inner_link", inside.Path(L"real.txt")) ||
            !inside.AddLink(L"sub\\outer_link", outside.Path(L"secret_link.txt")) ||
            !inside.AddLink(L"sub\\loop_link", inside.Root()))
            GTEST_SKIP() << L"no Unix side to make links with";
    }

    std::map<std::wstring, std::wstring> Snapshot() const
    {
        std::map<std::wstring, std::wstring> contents;
        for (const std::wstring& entry : outside.Entries())
            contents[entry] = outside.Content(entry);
        return contents;
    }

    TempTree outside;
    TempTree inside;
    std::map<std::wstring, std::wstring> outsideBefore;
};

TEST_F(Links, AreToldApartFromPlainEntries)
{
    struct Row {
        std::wstring path;
        EntryKind kind;
    } const rows[] = {
        {inside.Path(L"real.txt"), EntryKind::File},
        {inside.Path(L"sub"), EntryKind::Folder},
        {inside.Path(L"dir_link"), EntryKind::FolderLink},
        {inside.Path(L"sub\\loop_link"), EntryKind::FolderLink},
        {inside.Path(L"missing"), EntryKind::Missing},
    };
    for (const Row& row : rows) EXPECT_EQ(int(row.kind), int(GetEntryKind(row.path))) << row.path;
    // Wine shows a link to a file without the link mark; either way it is no plain file.
    for (const wchar_t* link : {L"file_link", L"sub\\inner_link", L"sub\\outer_link"}) {
        const EntryKind kind = GetEntryKind(inside.Path(link));
        EXPECT_TRUE(kind == EntryKind::FileLink || kind == EntryKind::Elsewhere) << link;
    }
}

TEST_F(Links, AreNotEnteredByTheWalks)
{
    PathList files, folders;
    FindMatchingFiles(inside.Root(), L"link", files, 0, 0);
    FindMatchingFolders(inside.Root(), L"link", folders, 0, 0);
    for (const PathEntry& entry : files)
        EXPECT_NE(EntryKind::Elsewhere, GetEntryKind(entry.path)) << entry.path;
    std::vector<std::wstring> plainFiles;
    for (const std::wstring& path : RelativePaths(inside, files))
        if (GetEntryKind(inside.Path(path)) == EntryKind::File) plainFiles.push_back(path);
    EXPECT_EQ(std::vector<std::wstring>{L"sub\\plain_link.txt"}, plainFiles);
    const std::vector<std::wstring> folderPaths = RelativePaths(inside, folders);
    EXPECT_EQ((std::set<std::wstring>{L"dir_link", L"sub\\loop_link"}),
              std::set<std::wstring>(folderPaths.begin(), folderPaths.end()));
}

TEST_F(Links, SurviveEmptyingAndCleaningWithTheirTargets)
{
    EmptyFolder(inside.Path(L"dir_link"));
    EXPECT_EQ(outsideBefore, Snapshot());

    // What a clean run does with the walks' lists.
    PathList files, folders;
    FindMatchingFiles(inside.Root(), L"link", files, 0, 0);
    for (const PathEntry& entry : files) DeleteFileW(entry.path.c_str());
    FindMatchingFolders(inside.Root(), L"link", folders, 0, 0);
    for (const PathEntry& entry : folders) {
        EmptyFolder(entry.path);
        RemoveDirectoryW(entry.path.c_str());
    }
    EmptyFolder(inside.Root());

    EXPECT_EQ(outsideBefore, Snapshot());
    EXPECT_FALSE(inside.Exists(L"sub\\plain_link.txt"));
}

}  // namespace
