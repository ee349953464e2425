#include "engine/Deletion.h"
#include "engine/FileSystem.h"

#include "tests/engine/WalkTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Trees with links to folders and files inside and outside them; everything outside must
// survive byte for byte whatever the engine is asked to do.
class Links : public ::testing::Test {
protected:
    void SetUp() override
    {
        outside.AddFile(L"secret_link.txt", L"outside bytes\r\n\x01\xFF");
        outside.AddFolder(L"odir");
        outside.AddFile(L"odir\\link_inner.txt", L"inner bytes");
        outside.AddFile(L"a_junk.txt", L"outside a");
        outside.AddFile(L"b_junk.txt", L"outside b");
        outsideBefore = Snapshot();

        inside.AddFile(L"real.txt", L"real");
        inside.AddFolder(L"sub");
        inside.AddFile(L"sub\\plain_link.txt", L"plain");
        if (!inside.AddLink(L"dir_link", outside.Path(L"odir")) ||
            !inside.AddLink(L"file_link", outside.Path(L"secret_link.txt")) ||
            !inside.AddLink(L"sub\\inner_link", inside.Path(L"real.txt")) ||
            !inside.AddLink(L"sub\\outer_link", outside.Path(L"secret_link.txt")) ||
            !inside.AddLink(L"sub\\loop_link", inside.Root()))
            GTEST_SKIP() << "no Unix side to make links with";
    }
    void TearDown() override { SetBeforeDeletionHook(nullptr); }

    std::map<std::wstring, std::wstring> Snapshot() const
    {
        std::map<std::wstring, std::wstring> contents;
        for (const std::wstring& entry : outside.Entries())
            contents[entry] = outside.Content(entry);
        return contents;
    }

    // At the moment `when` is about to go, puts a link to `target` in place of `relative`
    // (which is kept under another name), as someone writing in the tree could.
    std::function<void(const std::wstring&)>
    SwapAt(const std::wstring& when, const std::wstring& relative, const std::wstring& target)
    {
        return [=](const std::wstring& shown) {
            if (shown != inside.Path(when) || swapped) return;
            const std::string place = TempTree::UnixPathOf(inside.Path(relative));
            swapped = TempTree::RunUnix("mv '" + place + "' '" + place + ".orig' && ln -s '" +
                                        TempTree::UnixPathOf(target) + "' '" + place + "'");
        };
    }

    TempTree outside;
    TempTree inside;
    std::map<std::wstring, std::wstring> outsideBefore;
    bool swapped = false;
};

TEST_F(Links, AreCollectedButNeitherEnteredNorFollowed)
{
    const Found found = FindIn(inside, L"link");
    const std::vector<std::wstring> files = RelativePaths(found.files);
    EXPECT_EQ((std::set<std::wstring>{L"file_link", L"sub\\inner_link", L"sub\\outer_link",
                                      L"sub\\plain_link.txt"}),
              std::set<std::wstring>(files.begin(), files.end()));
    const std::vector<std::wstring> folders = RelativePaths(found.folders);
    EXPECT_EQ((std::set<std::wstring>{L"dir_link", L"sub\\loop_link"}),
              std::set<std::wstring>(folders.begin(), folders.end()));
}

TEST_F(Links, CleaningAndEmptyingLeaveTheirTargets)
{
    Found found = FindIn(inside, L"link");
    const std::atomic<bool> notStopped(false);
    const std::shared_ptr<const OpenObject> root = OpenTree(inside);
    {
        Deleter deleter(*root, notStopped);
        for (const PathEntry& file : found.files)
            // Only the plain file goes; under Wine a link cannot go as itself, so it stays.
            EXPECT_EQ(deleter.DeleteCollectedFile(file) == Outcome::Deleted,
                      file.relative == L"sub\\plain_link.txt")
                << file.path;
        for (const PathEntry& folder : found.folders) deleter.DeleteCollectedFolder(folder);
    }
    const std::unique_ptr<OpenObject> sub =
        root->OpenEntry(L"sub", EntryKind::Folder, OpenPurpose::Delete);
    ASSERT_TRUE(sub);
    EmptyFolder(*sub, inside.Path(L"sub"), notStopped);

    EXPECT_EQ(outsideBefore, Snapshot());
    EXPECT_EQ(L"real", inside.Content(L"real.txt"));
    EXPECT_FALSE(inside.Exists(L"sub\\plain_link.txt"));
}

// The design the handles replace: the name checked, then deleted by its path.
bool DeleteByPath(const TempTree& tree, const PathEntry& file,
                  const std::function<void(const std::wstring&)>& seam)
{
    const std::wstring path = tree.LongPath(file.relative);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    seam(file.path);
    return DeleteFileW(path.c_str()) != FALSE;
}

// Each swap comes after the object is open and checked, just before it goes. Through its
// handle the run deletes nothing outside and marks the object kept; the same swap against a
// deletion by path shows the harm the test is there to catch.
struct Swap {
    const wchar_t* keyword;
    const wchar_t* when;      // the object about to go
    const wchar_t* replaced;  // what is put aside for a link
    const wchar_t* target;    // where the link points, outside
};

const Swap kSwaps[] = {
    // A matched file, for a link to an outside file.
    {L"secret", L"secret.txt", L"secret.txt", L"secret_link.txt"},
    // The folder above matched files, for a link to an outside folder holding the same names.
    {L"_junk", L"sub\\a_junk.txt", L"sub", L""},
};

TEST_F(Links, SwapsBeforeDeletionRedirectNothing)
{
    inside.AddFile(L"secret.txt", L"inside");
    inside.AddFile(L"sub\\a_junk.txt");
    inside.AddFile(L"sub\\b_junk.txt");
    for (const Swap& swap : kSwaps) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(swap.keyword)));
        swapped = false;
        Found found = FindIn(inside, swap.keyword);
        ASSERT_FALSE(found.files.empty());
        const std::atomic<bool> notStopped(false);
        const std::shared_ptr<const OpenObject> root = OpenTree(inside);
        Deleter deleter(*root, notStopped);
        SetBeforeDeletionHook(SwapAt(swap.when, swap.replaced, outside.Path(swap.target)));
        for (const PathEntry& file : found.files)
            EXPECT_EQ(Outcome::Failed, deleter.DeleteCollectedFile(file)) << file.path;
        EXPECT_TRUE(swapped);
        EXPECT_EQ(outsideBefore, Snapshot());
        SetBeforeDeletionHook(nullptr);
    }
}

TEST_F(Links, TheSameSwapsHarmADeletionByPath)
{
    inside.AddFile(L"secret.txt", L"inside");
    inside.AddFile(L"sub\\a_junk.txt");
    inside.AddFile(L"sub\\b_junk.txt");
    for (const Swap& swap : kSwaps) {
        swapped = false;
        const Found found = FindIn(inside, swap.keyword);
        const auto seam = SwapAt(swap.when, swap.replaced, outside.Path(swap.target));
        for (const PathEntry& file : found.files) DeleteByPath(inside, file, seam);
        EXPECT_TRUE(swapped);
    }
    // The outside file behind the link, and both outside files behind the swapped folder.
    EXPECT_FALSE(outside.Exists(L"secret_link.txt"));
    EXPECT_FALSE(outside.Exists(L"a_junk.txt"));
    EXPECT_FALSE(outside.Exists(L"b_junk.txt"));
}

}  // namespace
