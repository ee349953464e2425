#include "engine/CleanRun.h"

#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Writes down what the run tells, and whether each object in hand still existed then.
class Recorder : public ICleanReport {
public:
    explicit Recorder(const TempTree& tree)
        : m_tree(tree)
    {
    }
    void Searching(const std::wstring&) override { ++searched; }
    void BeginPass(Pass pass, const std::wstring&) override
    {
        events.push_back(pass == Pass::Files ? L"files" : L"folders");
    }
    void Working(Pass, const std::wstring& path) override
    {
        const bool exists =
            GetFileAttributesW((L"\\\\?\\" + path).c_str()) != INVALID_FILE_ATTRIBUTES;
        events.push_back((exists ? L"in hand: " : L"in hand, gone: ") + Relative(path));
    }
    void ObjectDone(Outcome outcome, const PathEntry& object) override
    {
        const std::wstring& path = object.path;
        const wchar_t* mark = outcome == Outcome::Deleted  ? L"√ "
                              : outcome == Outcome::Failed ? L"× "
                                                           : L"○ ";
        events.push_back(mark + Relative(path));
        if (afterObject) afterObject();
    }
    void EndPass(bool stopped, ULONGLONG) override
    {
        events.push_back(stopped ? L"stopped" : L"end");
    }

    std::vector<std::wstring> events;
    int searched = 0;
    std::function<void()> afterObject;

private:
    std::wstring Relative(const std::wstring& path) const
    {
        return path.substr(m_tree.Root().size() + 1);
    }
    const TempTree& m_tree;
};

CleanRequest Request(const TempTree& tree, const std::wstring& keyword, bool preview = false)
{
    return {
        tree.LongPath(L""), tree.Root(), keyword, 0, 0, true, true, preview, false, nullptr, {}, 0};
}

class CleanRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.AddFile(L"a_junk.txt");
        tree.AddFolder(L"junk");
        tree.AddFile(L"junk\\inner.txt");
        tree.AddFile(L"keep.txt");
    }
    TempTree tree;
    Recorder report{tree};
    std::atomic<bool> stop{false};
};

// A file is named before it goes, a folder once it has gone; each pass ends its block.
TEST_F(CleanRun, ReportsEachPassInTheOrderOfTheLog)
{
    EXPECT_EQ(RunEnd::Completed, RunClean(Request(tree, L"junk"), report, stop));
    EXPECT_EQ((std::vector<std::wstring>{L"files", L"in hand: a_junk.txt", L"√ a_junk.txt", L"end",
                                         L"folders", L"in hand, gone: junk", L"√ junk", L"end"}),
              report.events);
    EXPECT_EQ(2, report.searched);  // the chosen folder and junk
    EXPECT_EQ((std::set<std::wstring>{L"keep.txt"}), tree.Entries());
}

// A preview lists what the real run then deletes, and deletes nothing.
TEST_F(CleanRun, PreviewListsWhatTheRunDeletesAndDeletesNothing)
{
    const std::set<std::wstring> before = tree.Entries();
    EXPECT_EQ(RunEnd::Completed, RunClean(Request(tree, L"junk", true), report, stop));
    EXPECT_EQ(before, tree.Entries());
    std::vector<std::wstring> listed = report.events;
    Recorder real(tree);
    RunClean(Request(tree, L"junk"), real, stop);
    for (std::wstring& event : listed)
        if (event.compare(0, 2, L"○ ") == 0) event.replace(0, 2, L"√ ");
    for (std::wstring& event : real.events)
        if (event.compare(0, 15, L"in hand, gone: ") == 0) event.replace(0, 15, L"in hand: ");
    EXPECT_EQ(real.events, listed);
}

// Stopped after an object, the pass ends with its stop, and nothing more goes.
TEST_F(CleanRun, StopsAfterTheObjectInHand)
{
    tree.AddFile(L"b_junk.txt");
    report.afterObject = [&] { stop = true; };
    EXPECT_EQ(RunEnd::Stopped, RunClean(Request(tree, L"junk"), report, stop));
    ASSERT_EQ(4u, report.events.size());
    EXPECT_EQ(L"stopped", report.events.back());
    EXPECT_EQ(4u, tree.Entries().size());  // one file of two gone, the folder and keep.txt stay
}

TEST_F(CleanRun, StoppedWhileSearchingEndsTheFirstPassAtOnce)
{
    stop = true;
    EXPECT_EQ(RunEnd::Stopped, RunClean(Request(tree, L"junk"), report, stop));
    EXPECT_EQ((std::vector<std::wstring>{L"files", L"stopped"}), report.events);
    EXPECT_EQ(4u, tree.Entries().size());
}

TEST_F(CleanRun, AFolderThatCannotBeOpenedEndsTheRunBeforeAnything)
{
    CleanRequest request = Request(tree, L"junk");
    request.folder = tree.LongPath(L"missing");
    EXPECT_EQ(RunEnd::FolderUnavailable, RunClean(request, report, stop));
    EXPECT_TRUE(report.events.empty());
    EXPECT_EQ(4u, tree.Entries().size());
}

}  // namespace
