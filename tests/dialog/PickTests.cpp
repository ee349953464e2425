// Sizes in the log and picking from a preview, through the real dialog: the run that follows
// a preview deletes exactly the ticked objects, and a change of the inputs drops the picks.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>

#include "res/resource.h"
#include "tests/dialog/LogRows.h"
#include "tests/dialog/SweepDlgDriver.h"
#include "tests/support/TempTree.h"

namespace {

std::wstring Cell(HWND hList, int row, int column)
{
    wchar_t buffer[1024] = {};
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 1024;
    ::SendMessageW(hList, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

// 1 ticked, 0 unticked, -1 no box.
int Check(HWND hList, int row)
{
    return static_cast<int>(::SendMessageW(hList, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK) >>
                            12) -
           1;
}

int RowOf(SweepDlgDriver& d, const std::wstring& object)
{
    const std::vector<Row> rows = d.Rows();
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].second == object) return static_cast<int>(i);
    ADD_FAILURE() << "no row for " << testing::PrintToString(object);
    return -1;
}

void Untick(SweepDlgDriver& d, const std::wstring& object)
{
    ListView_SetCheckState(d.Item(IDC_LIST_LOG), RowOf(d, object), FALSE);
}

void MakeTree(TempTree& tree)
{
    tree.AddFile(L"a_junk.txt", L"12345");
    tree.AddFile(L"b_junk.txt", std::wstring(2000, L'x'));
    tree.AddFolder(L"junk");
    tree.AddFile(L"junk\\x_junk", L"123");
    tree.AddFolder(L"c_junk");
    tree.AddFile(L"keep.txt");
}

void Preview(SweepDlgDriver& d, const TempTree& tree)
{
    d.SetCheck(IDC_CHECK_DELETE_FILES, true);
    d.SetCheck(IDC_CHECK_PREVIEW, true);
    d.Clean(L"junk", tree.Root());
    d.SetCheck(IDC_CHECK_PREVIEW, false);
}

TEST(Picks, TheRunAfterAPreviewDeletesExactlyTheTickedObjects)
{
    TempTree tree;
    MakeTree(tree);
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        const HWND hList = d.Item(IDC_LIST_LOG);
        Preview(d, tree);
        // x_junk goes with its folder: 2005 + 3 bytes.
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS),
                  Fill(L"预览[%s]完毕：将删除 3 个文件、2 个目录，共 1.96 KB。", tree.Root()));
        const std::vector<Row> rows = d.Rows();
        ASSERT_EQ(rows.size(), 9u);
        for (int i = 0; i < 9; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(Check(hList, i), rows[i].first == L"○" ? 1 : -1);
        }
        EXPECT_EQ(Cell(hList, 0, 2), L"1.96 KB");  // the file pass's total
        EXPECT_EQ(Cell(hList, RowOf(d, tree.Path(L"b_junk.txt")), 2), L"1.95 KB");
        EXPECT_EQ(Cell(hList, RowOf(d, tree.Path(L"junk\\x_junk")), 2), L"3 字节");
        EXPECT_EQ(Cell(hList, RowOf(d, tree.Path(L"junk")), 2), L"3 字节");
        EXPECT_EQ(Cell(hList, 4, 2), L"");  // the blank row

        Untick(d, tree.Path(L"b_junk.txt"));
        Untick(d, tree.Path(L"junk"));
        d.Click(IDC_BUTTON_CLEAN);
        ASSERT_TRUE(d.WaitForRun());
        EXPECT_EQ(tree.Entries(),
                  (std::set<std::wstring>{L"b_junk.txt", L"junk", L"keep.txt"}));
        const std::vector<Row> run = Normalised(d.Rows());
        const std::vector<Row> expected = {
            {L"<time>", FileHeading(L"junk")},
            {L"√", tree.Path(L"a_junk.txt")},
            {L"√", tree.Path(L"junk\\x_junk")},
            kBlank,
            {L"<time>", FolderHeading(L"junk")},
            {L"√", tree.Path(L"c_junk")},
            kBlank};
        ASSERT_EQ(run.size(), 9 + expected.size());
        // Within a pass the host lists in its own order.
        EXPECT_EQ(std::set<Row>(run.begin() + 10, run.begin() + 12),
                  std::set<Row>(expected.begin() + 1, expected.begin() + 3));
        EXPECT_EQ(run[9], expected[0]);
        EXPECT_EQ(std::vector<Row>(run.begin() + 12, run.end()),
                  std::vector<Row>(expected.begin() + 3, expected.end()));
        EXPECT_EQ(Cell(hList, 9, 2), L"8 字节");
        for (int i = 0; i < static_cast<int>(run.size()); ++i) EXPECT_EQ(Check(hList, i), -1);
    });
}

TEST(Picks, AChangedOptionDropsThemAndTheNextRunIsANormalOne)
{
    TempTree tree;
    MakeTree(tree);
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        Preview(d, tree);
        Untick(d, tree.Path(L"a_junk.txt"));
        // Changed and changed back: the boxes go at the first change.
        d.Click(IDC_CHECK_EXACT_MATCH);
        EXPECT_EQ(Check(d.Item(IDC_LIST_LOG), RowOf(d, tree.Path(L"b_junk.txt"))), -1);
        d.Click(IDC_CHECK_EXACT_MATCH);
        d.Click(IDC_BUTTON_CLEAN);
        ASSERT_TRUE(d.WaitForRun());
        EXPECT_EQ(tree.Entries(), std::set<std::wstring>{L"keep.txt"});
    });
}

}  // namespace
