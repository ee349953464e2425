// A clean run as a front end without a window follows it: the job on its own thread, told
// of waiting reports by an event, its reports turned into the log's rows by RunTexts.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <functional>

#include "dialog/RunTexts.h"
#include "engine/Deletion.h"
#include "engine/LongPath.h"
#include "tests/dialog/LogRows.h"
#include "tests/support/TempTree.h"

namespace {

class EventOwner : public ICleanJobOwner {
public:
    ~EventOwner() override { ::CloseHandle(m_told); }
    void ReportsWaiting() override { ::SetEvent(m_told); }
    void RunEnded(RunEnd end, bool) override
    {
        m_end = end;
        m_ended = true;
        ::SetEvent(m_told);
    }

    // The rows of the whole run, taken a few reports at a time as they come; seen is told
    // how many there are after each take.
    std::vector<RunTexts::Row> Follow(CleanJob& job, RunTexts& texts,
                                      const std::function<void(size_t)>& seen)
    {
        std::vector<RunTexts::Row> rows;
        WString status;
        for (;;) {
            // Read before taking: all a run reports is queued before it tells its end.
            const bool ended = m_ended;
            for (std::vector<RunReport> reports; !(reports = job.TakeReports(3)).empty();)
                for (const RunReport& report : reports) texts.Add(report, rows, status);
            seen(rows.size());
            if (ended) return rows;
            if (::WaitForSingleObject(m_told, 10000) != WAIT_OBJECT_0) {
                ADD_FAILURE() << "the job stopped telling its owner";
                return rows;
            }
        }
    }

    RunEnd End() const { return m_end; }
    bool Ended() const { return m_ended; }

private:
    HANDLE m_told = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::atomic<bool> m_ended{false};
    RunEnd m_end = RunEnd::FolderUnavailable;
};

TEST(RunWithoutWindow, GivesTheDialogsRowsAtTheNormalPriority)
{
    TempTree tree;
    const int kFiles = 40;
    for (int i = 0; i < kFiles; ++i) tree.AddFile(L"f" + std::to_wstring(i) + L"_junk.txt");
    tree.AddFolder(L"junk_dir");
    tree.AddFile(L"junk_dir\\keep.txt");
    tree.AddFile(L"keep.txt");

    // The run holds before its 20th deletion until the owner has the rows before it: the
    // owner is told of reports while the run goes, not only at its end.
    const HANDLE caughtUp = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> heldInVain{false};
    // Other programs keeping the processors busy must not hold the run back.
    std::atomic<int> priority{THREAD_PRIORITY_ERROR_RETURN};
    int deletions = 0;
    SetBeforeDeletionHook([&](const std::wstring&) {
        priority = ::GetThreadPriority(::GetCurrentThread());
        if (++deletions == 20) heldInVain = ::WaitForSingleObject(caughtUp, 10000) != WAIT_OBJECT_0;
    });
    EventOwner owner;
    RunTexts texts(L"junk", 0, false, L"", 0);
    std::vector<Row> rows;
    {
        CleanJob job({ToLongPath(tree.Root()),
                      tree.Root(),
                      L"junk",
                      0,
                      0,
                      true,
                      true,
                      false,
                      false,
                      nullptr,
                      {},
                      0},
                     owner);
        rows = Normalised(LogRowsOf(owner.Follow(job, texts, [&](size_t count) {
            if (count >= 20) ::SetEvent(caughtUp);  // the heading and 19 objects
        })));
    }
    SetBeforeDeletionHook(nullptr);
    ::CloseHandle(caughtUp);

    EXPECT_FALSE(heldInVain);
    EXPECT_EQ(priority, THREAD_PRIORITY_NORMAL);
    EXPECT_EQ(owner.End(), RunEnd::Completed);
    EXPECT_EQ(tree.Entries(), std::set<std::wstring>{L"keep.txt"});
    ASSERT_EQ(rows.size(), kFiles + 5u);
    EXPECT_EQ(rows[0], Row(L"<time>", FileHeading(L"junk")));
    for (int i = 1; i <= kFiles; ++i) EXPECT_EQ(rows[i].first, L"√");
    EXPECT_EQ(rows[kFiles + 1], kBlank);
    EXPECT_EQ(rows[kFiles + 2], Row(L"<time>", FolderHeading(L"junk")));
    EXPECT_EQ(rows[kFiles + 3], Row(L"√", tree.Path(L"junk_dir")));
    EXPECT_EQ(rows[kFiles + 4], kBlank);
    EXPECT_EQ(texts.EndText(owner.End(), false, L"D:\\x"), L"清除[D:\\x]完毕!");
}

// A run that reports faster than its owner takes waits for the owner rather than piling up
// reports, and gives every row once they are taken.
TEST(RunWithoutWindow, WaitsForItsOwnerWhenTooManyReportsWait)
{
    TempTree tree;
    const int kFiles = 20;
    for (int i = 0; i < kFiles; ++i) tree.AddFile(L"f" + std::to_wstring(i) + L"_junk.txt");
    EventOwner owner;
    RunTexts texts(L"junk", 0, true, L"", 0);
    const size_t kMostWaiting = 8;
    std::vector<Row> rows;
    size_t firstTake = 0;
    bool endedUntaken = true;
    {
        CleanJob job({ToLongPath(tree.Root()), tree.Root(), L"junk", 0, 0, true, false, true,
                      false, nullptr, {}, 0},
                     owner, kMostWaiting);
        ::Sleep(1000);  // a preview of 20 files is over in moments unless it waits
        endedUntaken = owner.Ended();
        std::vector<RunTexts::Row> taken;
        WString status;
        const std::vector<RunReport> reports = job.TakeReports(SIZE_MAX);
        firstTake = reports.size();
        for (const RunReport& report : reports) texts.Add(report, taken, status);
        const std::vector<RunTexts::Row> rest = owner.Follow(job, texts, [](size_t) {});
        taken.insert(taken.end(), rest.begin(), rest.end());
        rows = LogRowsOf(taken);
    }
    EXPECT_FALSE(endedUntaken);
    EXPECT_EQ(firstTake, kMostWaiting);
    EXPECT_EQ(owner.End(), RunEnd::Completed);
    // The heading, every file, the heading's total, a blank row.
    EXPECT_EQ(rows.size(), kFiles + 2u);
}

}  // namespace
