#include "controls/LogStore.h"

#include "tests/support/WideText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

size_t Add(LogStore& store, std::vector<LPCTSTR> texts)
{
    return store.AddRow(texts.data(), texts.size());
}

TEST(LogStore, KeepsItsOwnCopyOfEveryText)
{
    TCHAR source[] = _T("C:\\dir\\文件.txt");
    const WString longText(40000, _T('x'));  // longer than a block of texts
    LogStore store;
    EXPECT_EQ(0u, Add(store, {source, _T(""), longText.c_str()}));
    EXPECT_EQ(1u, Add(store, {_T("next")}));
    source[0] = _T('D');

    ASSERT_EQ(3u, store.GetCellCount(0));
    EXPECT_EQ(Text(_T("C:\\dir\\文件.txt")), store.GetText(0, 0));
    EXPECT_NE(source, store.GetText(0, 0));
    EXPECT_EQ(Text(_T("")), store.GetText(0, 1));
    EXPECT_EQ(longText, store.GetText(0, 2));
    EXPECT_EQ(Text(_T("next")), store.GetText(1, 0));

    // A replaced text is the new one; a snapshot taken before keeps the old one readable.
    const LogStore::Snapshot before = store.Take({0}, 2);
    store.SetText(0, 0, _T("replaced"));
    EXPECT_EQ(Text(_T("replaced")), store.GetText(0, 0));
    EXPECT_EQ(Text(_T("C:\\dir\\文件.txt")), Text(before.cells[0]));
}

TEST(LogStore, AnswersEmptyTextForAColumnItHasNoTextFor)
{
    LogStore store;
    Add(store, {_T("only")});
    EXPECT_EQ(Text(_T("")), store.GetText(0, 1));
    EXPECT_EQ(Text(_T("")), store.GetText(0, -1));
    EXPECT_EQ(Text(_T("")), store.GetText(1, 0));
    ULONGLONG value = 7;
    store.SetSortValue(0, 1, 5);  // no such cell: nothing kept
    EXPECT_FALSE(store.GetSortValue(0, 1, value));
}

// One row of a sorting case: its text in the sorted column and its sort value, if any.
struct SortRow {
    LPCTSTR text;
    long long value;  // -1: none
};

struct SortCase {
    const char* name;
    std::vector<SortRow> rows;     // added in this order, ids 0, 1, ...
    std::vector<bool> directions;  // the sorts, one after the other: true ascending
    std::vector<size_t> shown;     // the ids in the order shown at the end
};

TEST(LogStore, SortsTheShownOrderStablyByTextNumberDateOrValue)
{
    const SortCase cases[] = {
        {"numbers", {{_T("12"), -1}, {_T("9"), -1}, {_T("2.5"), -1}, {_T("10"), -1}},
         {true}, {2, 1, 3, 0}},
        {"numbers descending", {{_T("12"), -1}, {_T("9"), -1}, {_T("2.5"), -1}, {_T("10"), -1}},
         {false}, {0, 3, 1, 2}},
        {"dates", {{_T("05-03-2015"), -1}, {_T("20-12-2014"), -1}, {_T("01-03-2015"), -1}},
         {true}, {1, 2, 0}},
        {"texts", {{_T("pear"), -1}, {_T("Apple"), -1}, {_T("apple"), -1}, {_T("banana"), -1}},
         {true}, {2, 1, 3, 0}},
        // Sizes by their values; a cell without one counts as 0 ("999 字节" as text comes last).
        {"values",
         {{_T("2.00 KB"), 2048}, {_T(""), -1}, {_T("999 字节"), 999}, {_T("12.5 KB"), 12800}},
         {true}, {1, 2, 0, 3}},
        // Equal rows keep the order they had, in either direction and after a sort before.
        {"ties ascending", {{_T("b"), -1}, {_T("a"), -1}, {_T("b"), -1}, {_T("a"), -1}},
         {true}, {1, 3, 0, 2}},
        {"ties descending", {{_T("b"), -1}, {_T("a"), -1}, {_T("b"), -1}, {_T("a"), -1}},
         {false}, {0, 2, 1, 3}},
        {"ties after a sort", {{_T("1"), -1}, {_T("1"), -1}, {_T("0"), -1}, {_T("1"), -1}},
         {false, true, false}, {0, 1, 3, 2}},
        {"equal values", {{_T("x"), 5}, {_T("y"), 5}, {_T("z"), 4}}, {false}, {0, 1, 2}},
    };
    for (const SortCase& c : cases) {
        SCOPED_TRACE(c.name);
        LogStore store;
        for (const SortRow& row : c.rows) {
            const size_t id = Add(store, {_T("mark"), row.text});
            if (row.value >= 0) store.SetSortValue(id, 1, static_cast<ULONGLONG>(row.value));
        }
        for (bool ascending : c.directions) store.Sort(1, ascending);
        std::vector<size_t> shown;
        for (size_t position = 0; position < store.GetRowCount(); ++position)
            shown.push_back(store.RowAt(position));
        EXPECT_EQ(c.shown, shown);
        for (size_t position = 0; position < shown.size(); ++position)
            EXPECT_EQ(position, store.PositionOf(shown[position]));
    }
}

TEST(LogStore, AppendsRowsAddedAfterASortAndSortsAShortRowAsEmpty)
{
    LogStore store;
    Add(store, {_T("b"), _T("2")});
    Add(store, {_T("a"), _T("1")});
    store.Sort(0, true);
    Add(store, {_T("0")});  // added after the sort, without a second cell
    EXPECT_EQ((std::vector<size_t>{1, 0, 2}),
              (std::vector<size_t>{store.RowAt(0), store.RowAt(1), store.RowAt(2)}));
    store.Sort(1, true);  // the empty text is the number 0
    EXPECT_EQ((std::vector<size_t>{2, 1, 0}),
              (std::vector<size_t>{store.RowAt(0), store.RowAt(1), store.RowAt(2)}));

    // A snapshot holds the texts of the positions asked, in that order, every column asked.
    const LogStore::Snapshot snapshot = store.Take({2, 0}, 2);
    ASSERT_EQ(4u, snapshot.cells.size());
    EXPECT_EQ(Text(_T("b")), Text(snapshot.cells[0]));
    EXPECT_EQ(Text(_T("2")), Text(snapshot.cells[1]));
    EXPECT_EQ(Text(_T("0")), Text(snapshot.cells[2]));
    EXPECT_EQ(Text(_T("")), Text(snapshot.cells[3]));
}

TEST(LogStore, KeepsEachRowsBoxUntilTheBoxesGo)
{
    LogStore store;
    for (int i = 0; i < 3; ++i) Add(store, {_T("○")});
    EXPECT_EQ(-1, store.GetCheck(0));
    store.SetCheck(1, 1);
    store.SetCheck(2, 0);
    store.Sort(0, false);
    EXPECT_EQ(1, store.GetCheck(1));
    EXPECT_EQ(0, store.GetCheck(2));
    store.RemoveChecks();
    for (size_t row = 0; row < 3; ++row) EXPECT_EQ(-1, store.GetCheck(row));
}

}  // namespace
