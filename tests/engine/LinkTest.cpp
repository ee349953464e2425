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
        outside.AddFile("secret_link.txt", "outside bytes\r\n\x01\xFF");
        outside.AddFolder("odir");
        outside.AddFile("odir\\link_inner.txt", "inner bytes");
        outsideBefore = Snapshot();

        inside.AddFile("real.txt", "real");
        inside.AddFolder("sub");
        inside.AddFile("sub\\plain_link.txt", "plain");
        if (!inside.AddLink("dir_link", outside.Path("odir")) ||
            !inside.AddLink("file_link", outside.Path("secret_link.txt")) ||
            !inside.AddLink("sub\\inner_link", inside.Path("real.txt")) ||
            !inside.AddLink("sub\\outer_link", outside.Path("secret_link.txt")) ||
            !inside.AddLink("sub\\loop_link", inside.Root()))
            GTEST_SKIP() << "no Unix side to make links with";
    }

    std::map<std::string, std::string> Snapshot() const
    {
        std::map<std::string, std::string> contents;
        for (const std::string& entry : outside.Entries()) contents[entry] = outside.Content(entry);
        return contents;
    }

    TempTree outside;
    TempTree inside;
    std::map<std::string, std::string> outsideBefore;
};

TEST_F(Links, AreToldApartFromPlainEntries)
{
    struct Row {
        std::string path;
        EntryKind kind;
    } const rows[] = {
        {inside.Path("real.txt"), EntryKind::File},
        {inside.Path("sub"), EntryKind::Folder},
        {inside.Path("dir_link"), EntryKind::FolderLink},
        {inside.Path("sub\\loop_link"), EntryKind::FolderLink},
        {inside.Path("missing"), EntryKind::Missing},
    };
    for (const Row& row : rows) EXPECT_EQ(int(row.kind), int(GetEntryKind(row.path))) << row.path;
    // Wine shows a link to a file without the link mark; either way it is no plain file.
    for (const char* link : {"file_link", "sub\\inner_link", "sub\\outer_link"}) {
        const EntryKind kind = GetEntryKind(inside.Path(link));
        EXPECT_TRUE(kind == EntryKind::FileLink || kind == EntryKind::Elsewhere) << link;
    }
}

TEST_F(Links, AreNotEnteredByTheWalks)
{
    PathList files, folders;
    FindMatchingFiles(inside.Root(), "link", files, 0, 0);
    FindMatchingFolders(inside.Root(), "link", folders, 0, 0);
    for (const PathEntry& entry : files)
        EXPECT_NE(EntryKind::Elsewhere, GetEntryKind(entry.path)) << entry.path;
    std::vector<std::string> plainFiles;
    for (const std::string& path : RelativePaths(inside, files))
        if (GetEntryKind(inside.Path(path)) == EntryKind::File) plainFiles.push_back(path);
    EXPECT_EQ(std::vector<std::string>{"sub\\plain_link.txt"}, plainFiles);
    const std::vector<std::string> folderPaths = RelativePaths(inside, folders);
    EXPECT_EQ((std::set<std::string>{"dir_link", "sub\\loop_link"}),
              std::set<std::string>(folderPaths.begin(), folderPaths.end()));
}

TEST_F(Links, SurviveEmptyingAndCleaningWithTheirTargets)
{
    EmptyFolder(inside.Path("dir_link"));
    EXPECT_EQ(outsideBefore, Snapshot());

    // What a clean run does with the walks' lists.
    PathList files, folders;
    FindMatchingFiles(inside.Root(), "link", files, 0, 0);
    for (const PathEntry& entry : files) DeleteFileA(entry.path.c_str());
    FindMatchingFolders(inside.Root(), "link", folders, 0, 0);
    for (const PathEntry& entry : folders) {
        EmptyFolder(entry.path);
        RemoveDirectoryA(entry.path.c_str());
    }
    EmptyFolder(inside.Root());

    EXPECT_EQ(outsideBefore, Snapshot());
    EXPECT_FALSE(inside.Exists("sub\\plain_link.txt"));
}

}  // namespace
