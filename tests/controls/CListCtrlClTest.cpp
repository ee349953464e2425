#include "controls/CListCtrlCl.h"
#include "controls/RowData.h"
#include "tests/controls/ReportListHost.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

const RowData& RowOf(CListCtrlCl& list, int row)
{
    return *reinterpret_cast<const RowData*>(list.GetItemData(row));
}

int ColumnFormat(HWND hList, int column)
{
    LVCOLUMNA lvc = {};
    lvc.mask = LVCF_FMT;
    ::SendMessageA(hList, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&lvc));
    return lvc.fmt & LVCFMT_JUSTIFYMASK;
}

TEST(ReportListColumns, AppendsWhateverIndexIsGiven)
{
    ReportListHost host;
    CListCtrlCl& list = host.List();
    EXPECT_TRUE(list.AddColumn(5, "first", LVCFMT_RIGHT, 80));
    EXPECT_TRUE(list.AddColumn(0, "second", LVCFMT_CENTER, 90));
    EXPECT_TRUE(list.AddColumn(1, "third", LVCFMT_LEFT, 100));
    EXPECT_TRUE(list.AddColumn(-3, "fourth", 3, 110));

    ASSERT_EQ(4, Header_GetItemCount(host.HeaderWindow()));
    list.AddRow("0", "1", "2", "3", "not read");
    EXPECT_EQ(4, RowOf(list, 0).GetCount());
    const char* titles[] = {"first", "second", "third", "fourth"};
    const int widths[] = {80, 90, 100, 110};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(titles[i], host.Header().m_astrTitles[i]);
        char text[32] = "";
        LVCOLUMNA lvc = {};
        lvc.mask = LVCF_TEXT | LVCF_WIDTH;
        lvc.pszText = text;
        lvc.cchTextMax = sizeof(text);
        ASSERT_TRUE(
            ::SendMessageA(host.ListWindow(), LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&lvc)));
        EXPECT_STREQ(titles[i], text);
        EXPECT_EQ(widths[i], lvc.cx);
    }
    EXPECT_EQ(LVCFMT_CENTER, ColumnFormat(host.ListWindow(), 1));
    // Column 0 of a list view is always left-aligned; the kept code still says right.
    EXPECT_STREQ("2101", host.Header().m_strAlignCodes);
}

// Refuses every new header item, so that the list view cannot insert a column.
LRESULT CALLBACK RefuseHeaderItems(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR)
{
    if (message == HDM_INSERTITEMA || message == HDM_INSERTITEMW) return -1;
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

TEST(ReportListColumns, KeepsCountTitleAndCodeWhenTheInsertionFails)
{
    ReportListHost host;
    CListCtrlCl& list = host.List();
    ASSERT_TRUE(list.AddColumn(0, "kept", LVCFMT_LEFT, 100));
    ASSERT_TRUE(::SetWindowSubclass(host.HeaderWindow(), RefuseHeaderItems, 1, 0));

    EXPECT_FALSE(list.AddColumn(1, "refused", LVCFMT_RIGHT, 100));

    EXPECT_EQ(1, Header_GetItemCount(host.HeaderWindow()));
    // The count grew all the same: rows read a text for the refused column too.
    list.AddRow("a", "b");
    EXPECT_EQ(2, RowOf(list, 0).GetCount());
    EXPECT_STREQ("b", RowOf(list, 0).GetText(1));
    EXPECT_EQ(2, host.Header().m_astrTitles.GetSize());
    EXPECT_STREQ("refused", host.Header().m_astrTitles[1]);
    EXPECT_STREQ("02", host.Header().m_strAlignCodes);
    ::RemoveWindowSubclass(host.HeaderWindow(), RefuseHeaderItems, 1);
}

TEST(ReportListRows, ShowsAndCopiesOneTextPerColumn)
{
    ReportListHost host;
    host.AddLogColumns();
    CListCtrlCl& list = host.List();
    char path[] = "C:\\data\\old.tmp";
    EXPECT_TRUE(list.AddRow("√", path));
    EXPECT_TRUE(list.AddRow("", "", ""));
    EXPECT_TRUE(list.AddRow("12:00:01", "删除文件", "ignored"));
    path[0] = 'D';

    EXPECT_EQ((Texts{"√", "", "12:00:01"}), host.ShownColumn(0));
    EXPECT_EQ((Texts{"C:\\data\\old.tmp", "", "删除文件"}), host.ShownColumn(1));
    EXPECT_EQ("", host.ShownColumn(2)[2]);  // no third column to show it
    for (int row = 0; row < 3; ++row) EXPECT_EQ(2, RowOf(list, row).GetCount());
    EXPECT_STREQ("C:\\data\\old.tmp", RowOf(list, 0).GetText(1));
    EXPECT_STREQ("删除文件", RowOf(list, 2).GetText(1));
}

TEST(ReportListRows, KeepsALongTextWholeForSorting)
{
    ReportListHost host;
    host.AddLogColumns();
    CListCtrlCl& list = host.List();
    const std::string longText = std::string(300, 'a') + "z";
    list.AddRow("1", longText.c_str());
    EXPECT_EQ(longText, RowOf(list, 0).GetText(1));

    // Equal for their first 300 bytes: only the whole copies can order them.
    const std::string longerA = std::string(300, 'a') + "b";
    list.AddRow("2", longerA.c_str());
    host.ClickColumn(1);
    EXPECT_EQ((Texts{"2", "1"}), host.ShownColumn(0));
}

TEST(ReportListRows, StoresNoTextWithoutColumnsAndSortsForeignRowsAsEmpty)
{
    ReportListHost host;
    CListCtrlCl& list = host.List();
    list.AddRow("lonely");
    EXPECT_EQ(0, RowOf(list, 0).GetCount());

    // A row inserted behind the list's back carries no texts: it sorts as empty texts.
    ReportListHost other;
    other.AddLogColumns();
    other.List().AddRow("b", "2");
    other.List().InsertItem(1, "foreign");
    other.List().AddRow("a", "1");
    other.ClickColumn(1);  // numbers: the empty text is 0
    EXPECT_EQ((Texts{"foreign", "a", "b"}), other.ShownColumn(0));
}

// Rows of (operation, object) texts added in order.
void AddRows(CListCtrlCl& list, const std::vector<std::pair<const char*, const char*>>& rows)
{
    for (const auto& row : rows) list.AddRow(row.first, row.second);
}

TEST(ReportListSorting, FlipsTheDirectionOnEveryClickWhicheverColumn)
{
    ReportListHost host;
    host.AddLogColumns();
    AddRows(host.List(), {{"b", "2"}, {"c", "1"}, {"a", "3"}});

    host.ClickColumn(1);  // first click: ascending
    EXPECT_EQ((Texts{"1", "2", "3"}), host.ShownColumn(1));
    host.ClickColumn(0);  // second click, other column: descending
    EXPECT_EQ((Texts{"c", "b", "a"}), host.ShownColumn(0));
    host.ClickColumn(0);  // third: ascending again
    EXPECT_EQ((Texts{"a", "b", "c"}), host.ShownColumn(0));
    host.ClickColumn(0);
    EXPECT_EQ((Texts{"c", "b", "a"}), host.ShownColumn(0));
}

struct SortCase {
    const char* name;
    Texts added;
    Texts ascending;
};

TEST(ReportListSorting, SortsNumbersDatesAndTexts)
{
    const SortCase cases[] = {
        {"numbers", {"12", "9", "2.5", "10", "0.5"}, {"0.5", "2.5", "9", "10", "12"}},
        {"dates",
         {"05-03-2015", "20-12-2014", "01-03-2015", "31-12-2013"},
         {"31-12-2013", "20-12-2014", "01-03-2015", "05-03-2015"}},
        {"texts", {"pear", "Apple", "apple", "banana"}, {"apple", "Apple", "banana", "pear"}},
    };
    for (const SortCase& c : cases) {
        SCOPED_TRACE(c.name);
        ReportListHost host;
        host.AddLogColumns();
        for (const std::string& text : c.added) host.List().AddRow("x", text.c_str());
        host.ClickColumn(1);
        EXPECT_EQ(c.ascending, host.ShownColumn(1));
        host.ClickColumn(1);
        EXPECT_EQ(Texts(c.ascending.rbegin(), c.ascending.rend()), host.ShownColumn(1));
    }
}

TEST(ReportListSorting, ChoosesTheKindByTheSortColumnsTexts)
{
    // Column 0 holds dates, column 1 numbers: each click compares the clicked column's kind.
    ReportListHost host;
    host.AddLogColumns();
    AddRows(host.List(), {{"01-02-2015", "9"}, {"31-12-2014", "10"}, {"15-01-2015", "100"}});
    host.ClickColumn(0);
    EXPECT_EQ((Texts{"31-12-2014", "15-01-2015", "01-02-2015"}), host.ShownColumn(0));
    host.ClickColumn(1);
    EXPECT_EQ((Texts{"100", "10", "9"}), host.ShownColumn(1));
}

TEST(ReportListSorting, AppendsRowsAddedAfterASort)
{
    ReportListHost host;
    host.AddLogColumns();
    AddRows(host.List(), {{"b", "2"}, {"a", "1"}});
    host.ClickColumn(0);
    host.List().AddRow("0", "0");
    EXPECT_EQ((Texts{"a", "b", "0"}), host.ShownColumn(0));
    host.ClickColumn(0);  // descending
    EXPECT_EQ((Texts{"b", "a", "0"}), host.ShownColumn(0));
}

TEST(ReportListSorting, SortsRowsOfARealHeaderClick)
{
    ReportListHost host;
    host.AddLogColumns();
    AddRows(host.List(), {{"b", "2"}, {"a", "1"}});
    RECT rc;
    Header_GetItemRect(host.HeaderWindow(), 0, &rc);
    const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::SendMessageA(host.HeaderWindow(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(host.HeaderWindow(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ((Texts{"a", "b"}), host.ShownColumn(0));
}

}  // namespace
