#pragma once
// The log's rows, kept apart from the list view that shows them: each row's texts stored once in
// blocks that never move, a value a cell may sort by, the row's box, and the order rows are shown
// in. Rows are named by their id, counted from 0 in the order they were added.

#include "framework/WideString.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

class LogStore {
public:
    // The texts of some rows, readable on any thread while the store goes on growing.
    struct Snapshot {
        std::vector<std::shared_ptr<const std::vector<TCHAR>>> blocks;  // keep the texts alive
        std::vector<LPCTSTR> cells;  // row after row, `columns` cells each
        size_t columns = 0;
    };

    // Appends a row of `count` texts, one per column from column 0; returns its id.
    size_t AddRow(const LPCTSTR* texts, size_t count);
    size_t GetRowCount() const { return m_rows.size(); }
    // Number of texts the row was given.
    size_t GetCellCount(size_t row) const { return m_rows[row].cellCount; }
    // The row's text in `column`; the empty text where the row has none.
    LPCTSTR GetText(size_t row, int column) const;
    // Replaces a text the row has.
    void SetText(size_t row, int column, LPCTSTR text);

    // A value the row sorts by in `column` instead of its text: a size shown as "12.5 KB".
    void SetSortValue(size_t row, int column, ULONGLONG value);
    // False where the row has no value for `column`.
    bool GetSortValue(size_t row, int column, ULONGLONG& value) const;

    // The row's box: -1 none, 0 unticked, 1 ticked.
    int GetCheck(size_t row) const { return m_rows[row].check; }
    void SetCheck(size_t row, int check) { m_rows[row].check = static_cast<int8_t>(check); }
    // Every row loses its box.
    void RemoveChecks();

    // The id of the row shown at `position`, and the position of a row.
    size_t RowAt(size_t position) const { return m_order[position]; }
    size_t PositionOf(size_t row) const;
    // Orders the shown rows by `column` (RowCompare's order), rows that compare equal keeping
    // the order they had; rows added later are appended.
    void Sort(int column, bool ascending);

    // The texts of the rows at these positions, every column up to `columns`.
    Snapshot Take(const std::vector<size_t>& positions, size_t columns) const;

private:
    struct Cell {
        LPCTSTR text;
        ULONGLONG value;
        bool valued;
    };
    struct Row {
        uint32_t firstCell;
        uint16_t cellCount;
        int8_t check;
    };
    LPCTSTR Keep(LPCTSTR text);

    std::deque<Cell> m_cells;  // a deque: growing moves no cell
    std::deque<Row> m_rows;
    std::vector<uint32_t> m_order;
    std::vector<std::shared_ptr<std::vector<TCHAR>>> m_blocks;  // filled to capacity, then a new one
};
