// A run through the real dialog while it goes: the window takes input, the run can be stopped,
// closing stops it first, Enter starts no second run; and a preview deletes nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <set>
#include <stdexcept>

#include "engine/Deletion.h"
#include "res/resource.h"
#include "tests/dialog/LogRows.h"
#include "tests/dialog/SweepDlgDriver.h"
#include "tests/support/TempTree.h"

namespace {

// Holds the run before its n-th deletion, does `act` on the window's thread meanwhile, then
// lets the run go on: whatever the act does happens with the n-th object in hand.
class PauseAt {
public:
    PauseAt(int n, std::function<void()> act)
        : m_act(std::move(act)),
          m_resume(::CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
        SetBeforeDeletionHook([this, n](const std::wstring&) {
            if (++m_seen != n) return;
            m_paused = true;
            ::WaitForSingleObject(m_resume, 60000);
        });
    }
    ~PauseAt()
    {
        ::SetEvent(m_resume);
        SetBeforeDeletionHook(nullptr);
        ::CloseHandle(m_resume);
    }

    // Handles the window's messages until the run holds, then acts and lets it go on.
    void Act()
    {
        const DWORD start = ::GetTickCount();
        while (!m_paused) {
            SweepDlgDriver::HandlePending();
            ::MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            if (::GetTickCount() - start > 60000) {
                ADD_FAILURE() << "the run never came to the object to hold at";
                return;
            }
        }
        m_act();
        ::SetEvent(m_resume);
    }

private:
    std::function<void()> m_act;
    HANDLE m_resume;
    std::atomic<int> m_seen{0};
    std::atomic<bool> m_paused{false};
};

void PressKey(SweepDlgDriver& d, WPARAM key)
{
    MSG msg = {::GetFocus(), WM_KEYDOWN, key, 0, 0, {0, 0}};
    ::IsDialogMessageW(d.Window(), &msg);
}

std::vector<std::wstring> Junk(TempTree& tree, int count)
{
    std::vector<std::wstring> names;
    for (int i = 0; i < count; ++i) {
        names.push_back(L"junk_" + std::to_wstring(1000 + i) + L".txt");
        tree.AddFile(names.back());
    }
    return names;
}

TEST(RunControl, StopInTheMiddleDeletesNothingMoreAndSaysSo)
{
    TempTree tree;
    Junk(tree, 300);
    tree.AddFolder(L"junk_folder");
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        PauseAt pause(100, [&] {
            // Everything the run must not change is shut while it goes.
            EXPECT_FALSE(::IsWindowEnabled(d.Item(IDC_EDIT_PATH)));
            EXPECT_FALSE(::IsWindowEnabled(d.Item(IDC_CHECK_PREVIEW)));
            EXPECT_EQ(d.Text(IDC_BUTTON_CLEAN), L"停止");
            d.DropFiles({L"C:\\elsewhere"});
            EXPECT_EQ(d.Text(IDC_EDIT_PATH), tree.Root());
            d.Click(IDC_BUTTON_CLEAN);
        });
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.StartClean(L"junk", tree.Root());
        pause.Act();
        ASSERT_TRUE(d.WaitForRun());

        const std::vector<Row> rows = Normalised(d.Rows());
        // The heading, the 100 objects up to the one in hand, the stop, the end of the block.
        ASSERT_EQ(rows.size(), 103u);
        std::set<std::wstring> deleted;
        for (size_t i = 1; i <= 100; ++i) {
            EXPECT_EQ(rows[i].first, L"√");
            deleted.insert(rows[i].second.substr(tree.Root().size() + 1));
        }
        EXPECT_TRUE(IsTimeStamp(rows[101].first));
        EXPECT_EQ(rows[101].second, L"已停止，余下的对象未删除。");
        EXPECT_EQ(rows[102], kBlank);
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Fill(L"清除[%s]已停止!", tree.Root()));
        EXPECT_EQ(d.Text(IDC_BUTTON_CLEAN), L"现在清理");
        EXPECT_TRUE(::IsWindowEnabled(d.Item(IDC_EDIT_PATH)));

        const std::set<std::wstring> left = tree.Entries();
        EXPECT_EQ(left.size(), 201u);  // 200 files and the folder: the folder pass did not run
        for (const std::wstring& name : deleted) EXPECT_EQ(left.count(name), 0u) << name;
    });
}

TEST(RunControl, ClosingDuringARunStopsItFirst)
{
    TempTree tree;
    Junk(tree, 60);
    const INT_PTR result = SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        PauseAt pause(20, [&] {
            // The dialog manager turns the close command into a posted "退出".
            ::SendMessageW(d.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
            SweepDlgDriver::HandlePending();
            // The dialog waits for the run before it goes.
            EXPECT_TRUE(::IsWindowVisible(d.Window()));
        });
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.StartClean(L"junk", tree.Root());
        pause.Act();
        EXPECT_TRUE(d.WaitForRun());
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(tree.Entries().size(), 40u);
}

// Enter presses the default button, which a run makes "停止": it stops the run in hand and
// starts no other.
TEST(RunControl, EnterDuringARunStartsNoSecondRun)
{
    TempTree tree;
    Junk(tree, 60);
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        PauseAt pause(20, [&] { PressKey(d, VK_RETURN); });
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.StartClean(L"junk", tree.Root());
        pause.Act();
        ASSERT_TRUE(d.WaitForRun());
        int headings = 0;
        for (const Row& row : Normalised(d.Rows())) headings += row.first == L"<time>";
        EXPECT_EQ(headings, 1);
        EXPECT_EQ(tree.Entries().size(), 40u);
    });
}

// A fault in the run ends it with a row and a status that say so; the window goes on.
TEST(RunControl, AFaultEndsTheRunWithARow)
{
    TempTree tree;
    Junk(tree, 10);
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        int seen = 0;
        SetBeforeDeletionHook([&](const std::wstring&) {
            if (++seen == 3) throw std::runtime_error("injected");
        });
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean(L"junk", tree.Root());
        SetBeforeDeletionHook(nullptr);
        const std::vector<Row> rows = d.Rows();
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_EQ(rows[3], Row(L"×", L"运行出错，清理已中止。"));
        EXPECT_EQ(rows[4], kBlank);
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Fill(L"清除[%s]出错中止!", tree.Root()));
        // The next run works.
        d.Clean(L"junk", tree.Root());
        EXPECT_TRUE(tree.Entries().empty());
    });
}

TEST(RunControl, PreviewListsExactlyWhatTheRunThenDeletes)
{
    TempTree tree;
    tree.AddFile(L"a_junk.txt");
    tree.AddFile(L"keep.txt");
    tree.AddFolder(L"junk");
    tree.AddFolder(L"junk\\inner_junk");
    tree.AddFile(L"junk\\inner_junk\\x");
    const std::set<std::wstring> before = tree.Entries();
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        EXPECT_FALSE(d.IsChecked(IDC_CHECK_PREVIEW));
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.SetCheck(IDC_CHECK_PREVIEW, true);
        d.Clean(L"junk", tree.Root());
        EXPECT_EQ(tree.Entries(), before);
        const std::vector<Row> preview = d.Rows();
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS),
                  Fill(L"预览[%s]完毕：将删除 1 个文件、2 个目录，共 0 字节。", tree.Root()));
        EXPECT_TRUE(d.IsChecked(IDC_CHECK_PREVIEW));

        d.SetCheck(IDC_CHECK_PREVIEW, false);
        d.Clean(L"junk", tree.Root());
        EXPECT_EQ(tree.Entries(), std::set<std::wstring>{L"keep.txt"});
        const std::vector<Row> all = d.Rows();
        ASSERT_EQ(all.size(), 2 * preview.size());
        for (size_t i = 0; i < preview.size(); ++i) {
            const Row& listed = preview[i];
            const Row& done = all[preview.size() + i];
            SCOPED_TRACE(::testing::PrintToString(done));
            if (IsTimeStamp(listed.first)) {
                // The heading says it is a preview.
                EXPECT_EQ(listed.second, L"预览：将" + done.second);
            } else {
                EXPECT_EQ(listed.second, done.second);
                EXPECT_EQ(listed.first, listed.second.empty() ? L"" : L"○");
            }
        }
    });
}

}  // namespace

namespace {

TEST(RunControl, RecyclingSaysSoInTheWarningAndLogsAsADeletion)
{
    TempTree tree;
    tree.AddFile(L"a_junk.txt", L"a");
    tree.AddFile(L"keep.txt");
    const std::wstring today = L"温馨提示：当选中删除目录时同时会删除该目录下的所有文件，目前版本暂不支持"
                               L"从回收站恢复，请谨慎使用！";
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.Click(IDC_CHECK_RECYCLE);
        EXPECT_EQ(d.Text(IDC_STATIC_WARNING),
                  L"温馨提示：当选中删除目录时同时会删除该目录下的所有文件，删除的对象将移到回"
                  L"收站，可以从回收站恢复。");
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean(L"junk", tree.Root());
        EXPECT_EQ(tree.Entries(), std::set<std::wstring>{L"keep.txt"});
        const std::vector<Row> rows = Normalised(d.Rows());
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_EQ(rows[1], Row(L"√", tree.Path(L"a_junk.txt")));
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(tree.Root()));
        EXPECT_TRUE(d.IsChecked(IDC_CHECK_RECYCLE));
        d.Click(IDC_CHECK_RECYCLE);
        EXPECT_EQ(d.Text(IDC_STATIC_WARNING), today);
    });
}

}  // namespace
