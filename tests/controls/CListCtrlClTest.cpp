#include "controls/CListCtrlCl.h"
#include "tests/controls/ReportListHost.h"
#include "tests/support/Pixels.h"
#include "tests/support/ResponseProbe.h"
#include "framework/CRect.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::wstring>;

// What the list's store keeps for the row shown at `row`.
size_t KeptCount(CListCtrlCl& list, int row)
{
    return list.Rows().GetCellCount(list.GetRowId(row));
}

LPCTSTR Kept(CListCtrlCl& list, int row, int column)
{
    return list.Rows().GetText(list.GetRowId(row), column);
}

int ColumnFormat(HWND hList, int column)
{
    LVCOLUMNW lvc = {};
    lvc.mask = LVCF_FMT;
    ::SendMessageW(hList, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&lvc));
    return lvc.fmt & LVCFMT_JUSTIFYMASK;
}

TEST(ReportListColumns, AppendsWhateverIndexIsGiven)
{
    ReportListHost host;
    CListCtrlCl& list = host.List();
    EXPECT_TRUE(list.AddColumn(5, L"first", LVCFMT_RIGHT, 80));
    EXPECT_TRUE(list.AddColumn(0, L"second", LVCFMT_CENTER, 90));
    EXPECT_TRUE(list.AddColumn(1, L"third", LVCFMT_LEFT, 100));
    EXPECT_TRUE(list.AddColumn(-3, L"fourth", 3, 110));

    ASSERT_EQ(4, Header_GetItemCount(host.HeaderWindow()));
    list.AddRow(L"0", L"1", L"2", L"3", L"not read");
    EXPECT_EQ(4u, KeptCount(list, 0));
    const wchar_t* titles[] = {L"first", L"second", L"third", L"fourth"};
    const int widths[] = {80, 90, 100, 110};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(titles[i], host.Header().m_astrTitles[i]);
        wchar_t text[32] = L"";
        LVCOLUMNW lvc = {};
        lvc.mask = LVCF_TEXT | LVCF_WIDTH;
        lvc.pszText = text;
        lvc.cchTextMax = static_cast<int>(std::size(text));
        ASSERT_TRUE(
            ::SendMessageW(host.ListWindow(), LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&lvc)));
        EXPECT_STREQ(titles[i], text);
        EXPECT_EQ(widths[i], lvc.cx);
    }
    EXPECT_EQ(LVCFMT_CENTER, ColumnFormat(host.ListWindow(), 1));
    // Column 0 of a list view is always left-aligned; the kept code still says right.
    EXPECT_STREQ(L"2101", host.Header().m_strAlignCodes);
}

// Refuses every new header item, so that the list view cannot insert a column.
LRESULT CALLBACK RefuseHeaderItems(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR)
{
    if (message == HDM_INSERTITEMW || message == HDM_INSERTITEMW) return -1;
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

TEST(ReportListColumns, KeepsCountTitleAndCodeWhenTheInsertionFails)
{
    ReportListHost host;
    CListCtrlCl& list = host.List();
    ASSERT_TRUE(list.AddColumn(0, L"kept", LVCFMT_LEFT, 100));
    ASSERT_TRUE(::SetWindowSubclass(host.HeaderWindow(), RefuseHeaderItems, 1, 0));

    EXPECT_FALSE(list.AddColumn(1, L"refused", LVCFMT_RIGHT, 100));

    EXPECT_EQ(1, Header_GetItemCount(host.HeaderWindow()));
    // The count grew all the same: rows read a text for the refused column too.
    list.AddRow(L"a", L"b");
    EXPECT_EQ(2u, KeptCount(list, 0));
    EXPECT_STREQ(L"b", Kept(list, 0, 1));
    EXPECT_EQ(2, host.Header().m_astrTitles.GetSize());
    EXPECT_STREQ(L"refused", host.Header().m_astrTitles[1]);
    EXPECT_STREQ(L"02", host.Header().m_strAlignCodes);
    ::RemoveWindowSubclass(host.HeaderWindow(), RefuseHeaderItems, 1);
}

TEST(ReportListRows, ShowsAndCopiesOneTextPerColumn)
{
    ReportListHost host;
    host.AddLogColumns();
    CListCtrlCl& list = host.List();
    wchar_t path[] = L"C:\\data\\old.tmp";
    EXPECT_TRUE(list.AddRow(L"√", path));
    EXPECT_TRUE(list.AddRow(L"", L"", L""));
    EXPECT_TRUE(list.AddRow(L"12:00:01", L"删除文件", L"ignored"));
    path[0] = L'D';

    EXPECT_EQ((Texts{L"√", L"", L"12:00:01"}), host.ShownColumn(0));
    EXPECT_EQ((Texts{L"C:\\data\\old.tmp", L"", L"删除文件"}), host.ShownColumn(1));
    EXPECT_EQ(L"", host.ShownColumn(2)[2]);  // no third column to show it
    for (int row = 0; row < 3; ++row) EXPECT_EQ(2u, KeptCount(list, row));
    EXPECT_STREQ(L"C:\\data\\old.tmp", Kept(list, 0, 1));
    EXPECT_STREQ(L"删除文件", Kept(list, 2, 1));
}

TEST(ReportListRows, KeepsALongTextWholeForSorting)
{
    ReportListHost host;
    host.AddLogColumns();
    CListCtrlCl& list = host.List();
    const std::wstring longText = std::wstring(300, L'a') + L"z";
    list.AddRow(L"1", longText.c_str());
    EXPECT_EQ(longText, Kept(list, 0, 1));

    // Equal for their first 300 bytes: only the whole copies can order them.
    const std::wstring longerA = std::wstring(300, L'a') + L"b";
    list.AddRow(L"2", longerA.c_str());
    host.ClickColumn(1);
    EXPECT_EQ((Texts{L"2", L"1"}), host.ShownColumn(0));
}

TEST(ReportListRows, StoresNoTextWithoutColumnsAndSortsShortRowsAsEmpty)
{
    ReportListHost host;
    CListCtrlCl& list = host.List();
    list.AddRow(L"lonely");
    EXPECT_EQ(1, list.GetItemCount());
    EXPECT_EQ(0u, KeptCount(list, 0));

    // A row added before a column existed has no text there: it sorts as the empty text.
    ReportListHost other;
    other.List().AddColumn(0, L"操作", LVCFMT_LEFT, 100);
    other.List().AddRow(L"short");
    other.List().AddColumn(1, L"操作对象", LVCFMT_LEFT, 100);
    other.List().AddRow(L"b", L"2");
    other.List().AddRow(L"a", L"1");
    other.ClickColumn(1);  // numbers: the empty text is 0
    EXPECT_EQ((Texts{L"short", L"a", L"b"}), other.ShownColumn(0));
    EXPECT_EQ((Texts{L"", L"1", L"2"}), other.ShownColumn(1));
}

// Rows of (operation, object) texts added in order.
void AddRows(CListCtrlCl& list, const std::vector<std::pair<const wchar_t*, const wchar_t*>>& rows)
{
    for (const auto& row : rows) list.AddRow(row.first, row.second);
}

TEST(ReportListSorting, FlipsTheDirectionOnEveryClickWhicheverColumn)
{
    ReportListHost host;
    host.AddLogColumns();
    AddRows(host.List(), {{L"b", L"2"}, {L"c", L"1"}, {L"a", L"3"}});

    host.ClickColumn(1);  // first click: ascending
    EXPECT_EQ((Texts{L"1", L"2", L"3"}), host.ShownColumn(1));
    host.ClickColumn(0);  // second click, other column: descending
    EXPECT_EQ((Texts{L"c", L"b", L"a"}), host.ShownColumn(0));
    host.ClickColumn(0);  // third: ascending again
    EXPECT_EQ((Texts{L"a", L"b", L"c"}), host.ShownColumn(0));
    host.ClickColumn(0);
    EXPECT_EQ((Texts{L"c", L"b", L"a"}), host.ShownColumn(0));
}

struct SortCase {
    const wchar_t* name;
    Texts added;
    Texts ascending;
};

TEST(ReportListSorting, SortsNumbersDatesAndTexts)
{
    const SortCase cases[] = {
        {L"numbers", {L"12", L"9", L"2.5", L"10", L"0.5"}, {L"0.5", L"2.5", L"9", L"10", L"12"}},
        {L"dates",
         {L"05-03-2015", L"20-12-2014", L"01-03-2015", L"31-12-2013"},
         {L"31-12-2013", L"20-12-2014", L"01-03-2015", L"05-03-2015"}},
        {L"texts",
         {L"pear", L"Apple", L"apple", L"banana"},
         {L"apple", L"Apple", L"banana", L"pear"}},
    };
    for (const SortCase& c : cases) {
        SCOPED_TRACE(c.name);
        ReportListHost host;
        host.AddLogColumns();
        for (const std::wstring& text : c.added) host.List().AddRow(L"x", text.c_str());
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
    AddRows(host.List(), {{L"01-02-2015", L"9"}, {L"31-12-2014", L"10"}, {L"15-01-2015", L"100"}});
    host.ClickColumn(0);
    EXPECT_EQ((Texts{L"31-12-2014", L"15-01-2015", L"01-02-2015"}), host.ShownColumn(0));
    host.ClickColumn(1);
    EXPECT_EQ((Texts{L"100", L"10", L"9"}), host.ShownColumn(1));
}

TEST(ReportListSorting, AppendsRowsAddedAfterASort)
{
    ReportListHost host;
    host.AddLogColumns();
    AddRows(host.List(), {{L"b", L"2"}, {L"a", L"1"}});
    host.ClickColumn(0);
    host.List().AddRow(L"0", L"0");
    EXPECT_EQ((Texts{L"a", L"b", L"0"}), host.ShownColumn(0));
    host.ClickColumn(0);  // descending
    EXPECT_EQ((Texts{L"b", L"a", L"0"}), host.ShownColumn(0));
}

TEST(ReportListSorting, KeepsTheSelectionAndTheFocusWithTheirRows)
{
    ReportListHost host;
    host.AddLogColumns();
    CListCtrlCl& list = host.List();
    AddRows(list, {{L"b", L"2"}, {L"c", L"1"}, {L"a", L"3"}});
    list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    host.ClickColumn(0);
    ASSERT_EQ((Texts{L"a", L"b", L"c"}), host.ShownColumn(0));
    Texts selected;
    for (size_t row : list.SelectedRows())
        selected.push_back(static_cast<const wchar_t*>(list.GetItemText(static_cast<int>(row), 0)));
    EXPECT_EQ((Texts{L"b", L"c"}), selected);
    EXPECT_EQ(1, list.GetNextItem(-1, LVNI_FOCUSED));
}

TEST(ReportListSorting, SortsRowsOfARealHeaderClick)
{
    ReportListHost host;
    host.AddLogColumns();
    AddRows(host.List(), {{L"b", L"2"}, {L"a", L"1"}});
    RECT rc;
    Header_GetItemRect(host.HeaderWindow(), 0, &rc);
    const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::SendMessageW(host.HeaderWindow(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(host.HeaderWindow(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ((Texts{L"a", L"b"}), host.ShownColumn(0));
}

}  // namespace

namespace {

TEST(ReportListSorting, SortsByTheRowsValuesWhereTheyHaveThem)
{
    ReportListHost host;
    host.AddLogColumns();
    CListCtrlCl& list = host.List();
    list.AddColumn(3, L"大小", LVCFMT_RIGHT, 80);
    // As texts "999 字节" would come last and "12.5 KB" before "2.00 KB".
    const struct {
        const wchar_t* name;
        const wchar_t* size;
        ULONGLONG bytes;
    } rows[] = {{L"b", L"2.00 KB", 2048}, {L"blank", L"", 0}, {L"c", L"999 字节", 999},
                {L"a", L"12.5 KB", 12800}};
    for (const auto& row : rows) {
        list.AddRow(L"", row.name, row.size);
        if (*row.size != L'\0') list.SetSortValue(list.GetItemCount() - 1, 2, row.bytes);
    }
    host.ClickColumn(2);
    EXPECT_EQ((Texts{L"blank", L"c", L"b", L"a"}), host.ShownColumn(1));

    // A cell set later is shown, found where the sort moved its row, and sorted by.
    const int blank = list.FindRow(list.GetRowId(0));
    ASSERT_EQ(0, blank);
    list.SetCellText(blank, 2, L"1.00 MB");
    list.SetSortValue(blank, 2, 1048576);
    host.ClickColumn(2);  // descending
    EXPECT_EQ((Texts{L"1.00 MB", L"12.5 KB", L"2.00 KB", L"999 字节"}), host.ShownColumn(2));
    EXPECT_STREQ(L"1.00 MB", Kept(list, 0, 2));
}

}  // namespace

namespace {

std::vector<int> Checks(CListCtrlCl& list)
{
    std::vector<int> checks;
    for (int row = 0; row < list.GetItemCount(); ++row) checks.push_back(list.GetCheck(row));
    return checks;
}

void PressKey(HWND hWnd, WPARAM key, bool control)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    ::SetKeyboardState(keys);
    ::SendMessageW(hWnd, WM_KEYDOWN, key, 1);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
}

TEST(ReportListCheckBoxes, OnRowsGivenOneToggledByAClickOnTheBoxAndBySpace)
{
    ReportListHost host;
    host.AddLogColumns();
    CListCtrlCl& list = host.List();
    list.AddRow(L"older", L"");
    list.EnableCheckBoxes(TRUE);
    list.AddRow(L"heading", L"");
    for (int row : {2, 3}) {
        list.AddRow(L"○", L"x");
        list.SetCheck(row);
    }
    EXPECT_EQ((std::vector<int>{-1, -1, 1, 1}), Checks(list));

    // The box is drawn where the list view takes a click on it.
    PixelCanvas canvas(420, 240, RGB(1, 2, 3));
    ::SendMessageW(host.ListWindow(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()),
                   PRF_CLIENT);
    CRect icon;
    ASSERT_TRUE(list.GetSubItemRect(2, 0, LVIR_ICON, icon));
    const POINT box = {icon.left - 8, (icon.top + icon.bottom) / 2};
    LVHITTESTINFO hit = {box, 0, -1, 0};
    ::SendMessageW(host.ListWindow(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    EXPECT_EQ(2, hit.iItem);
    EXPECT_EQ(static_cast<UINT>(LVHT_ONITEMSTATEICON), hit.flags & LVHT_ONITEMSTATEICON);
    int marks = 0;  // pixels of the box unlike a row without one
    for (int dx = -6; dx <= 6; ++dx)
        marks += canvas.At(box.x + dx, box.y) != canvas.At(box.x + dx, box.y - 2 * icon.Height());
    EXPECT_GT(marks, 2);

    const LPARAM at = MAKELPARAM(box.x, box.y);
    ::SendMessageW(host.ListWindow(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(host.ListWindow(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ((std::vector<int>{-1, -1, 0, 1}), Checks(list));

    // Ctrl+A selects every row; Space turns the selected boxes to the opposite of the first.
    PressKey(host.ListWindow(), 'A', true);
    EXPECT_EQ(4u, ::SendMessageW(host.ListWindow(), LVM_GETSELECTEDCOUNT, 0, 0));
    PressKey(host.ListWindow(), VK_SPACE, false);
    EXPECT_EQ((std::vector<int>{-1, -1, 1, 1}), Checks(list));
    PressKey(host.ListWindow(), VK_SPACE, false);
    EXPECT_EQ((std::vector<int>{-1, -1, 0, 0}), Checks(list));

    list.EnableCheckBoxes(FALSE);
    EXPECT_EQ((std::vector<int>{-1, -1, -1, -1}), Checks(list));
    EXPECT_EQ(0, ::SendMessageW(host.ListWindow(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) &
                     LVS_EX_CHECKBOXES);
}

}  // namespace

namespace {

// Typed letters find a row by its first cell, from where the list view says, as it searches
// rows it keeps itself.
TEST(ReportListFind, FindsTheRowWhoseFirstCellIsOrBeginsWithTheText)
{
    ReportListHost host;
    host.AddLogColumns();
    AddRows(host.List(), {{L"Apple", L"1"}, {L"banana", L"2"}, {L"apricot", L"3"}, {L"○", L"4"}});
    host.ClickColumn(1);  // shown in the order of the second column, as added
    struct Case {
        const wchar_t* text;
        UINT flags;
        int start;
        LRESULT found;
    };
    const Case cases[] = {
        {L"ap", LVFI_PARTIAL, 0, 0},               // case ignored
        {L"ap", LVFI_PARTIAL, 1, 2},               // from the start on
        {L"ap", LVFI_PARTIAL, 3, -1},              // not past the end ...
        {L"ap", LVFI_PARTIAL | LVFI_WRAP, 3, 0},   // ... unless wrapping
        {L"apple", LVFI_STRING, 0, 0},             // the whole text
        {L"app", LVFI_STRING, 0, -1},
        {L"applesauce", LVFI_PARTIAL, 0, -1},      // longer than the cell
        {L"○", LVFI_PARTIAL, 0, 3},
    };
    for (const Case& c : cases) {
        NMLVFINDITEMW find = {};
        find.hdr = {host.ListWindow(), ReportListHost::kListId, LVN_ODFINDITEMW};
        find.iStart = c.start;
        find.lvfi.flags = c.flags;
        find.lvfi.psz = c.text;
        EXPECT_EQ(c.found, ::SendMessageW(host.ParentWindow(), WM_NOTIFY, ReportListHost::kListId,
                                          reinterpret_cast<LPARAM>(&find)))
            << c.text << " from " << c.start;
    }
    // Typing: the list view asks, and the row found gets the focus.
    ::SendMessageW(host.ListWindow(), WM_CHAR, L'b', 1);
    EXPECT_EQ(1, host.List().GetNextItem(-1, LVNI_FOCUSED));
}

void HandleMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// A hundred thousand rows taken in as the dialog takes them, sorted, all selected: every row
// still answers for its text and its box, and the window never keeps anyone waiting 100 ms.
TEST(ReportListScale, AHundredThousandRowsArriveAndAreSortedStably)
{
    ReportListHost host(true);
    ResponseProbe probe(host.ListWindow());
    host.AddLogColumns();
    CListCtrlCl& list = host.List();
    list.AddColumn(3, L"大小", LVCFMT_RIGHT, 80);
    list.EnableCheckBoxes(TRUE);
    const int kRows = 100000;
    // As the dialog adds them: a tick takes rows in for at most 25 ms, the next tells the list
    // view the count once, the newest in view, and the window's messages are handled between.
    // The first telling also sets the list view up (its first row, box and scroll bar).
    for (int row = 0; row < kRows;) {
        const DWORD start = ::GetTickCount();
        list.DeferRowCount(TRUE);
        for (; row < kRows && ::GetTickCount() - start < 25; ++row) {
            const std::wstring path = L"C:\\tree\\folder" + std::to_wstring(row % 977) +
                                      L"\\node_modules\\file" + std::to_wstring(row) + L".js";
            const std::wstring size = std::to_wstring(row % 1000) + L" 字节";
            list.AddRow(L"○", path.c_str(), size.c_str());
            list.SetSortValue(row, 2, static_cast<ULONGLONG>(row % 1000));
            list.SetCheck(row);
        }
        HandleMessages();
        list.DeferRowCount(FALSE);
        list.EnsureVisible(list.GetItemCount() - 1, FALSE);
        ::UpdateWindow(host.ListWindow());
        HandleMessages();
    }
    host.ClickColumn(2);
    HandleMessages();
    PressKey(host.ListWindow(), 'A', true);
    EXPECT_EQ(static_cast<size_t>(kRows), list.SelectedRows().size());
    for (DWORD start = ::GetTickCount(); ListView_GetSelectedCount(host.ListWindow()) != kRows &&
                                         ::GetTickCount() - start < 10000;)
        HandleMessages();
    probe.Stop();
    EXPECT_LT(probe.Longest(), 0.1);
    EXPECT_EQ(static_cast<UINT>(kRows), ListView_GetSelectedCount(host.ListWindow()));

    ASSERT_EQ(kRows, list.GetItemCount());
    // Sorted by size, ties in the order added; every row still answers for its text and box.
    EXPECT_EQ(std::wstring(list.GetItemText(0, 2)), L"0 字节");
    EXPECT_EQ(std::wstring(list.GetItemText(1, 1)), L"C:\\tree\\folder23\\node_modules\\file1000.js");
    EXPECT_EQ(2u, ::SendMessageW(host.ListWindow(), LVM_GETITEMSTATE, kRows - 1,
                                 LVIS_STATEIMAGEMASK) >> 12);
}

}  // namespace
