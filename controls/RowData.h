#pragma once
// The texts of one report-list row, copied when the row was added; sorting reads them.

#include "framework/WideString.h"

#include <memory>
#include <utility>
#include <vector>

class RowData {
public:
    // Keeps its own copy of `text`, NUL-terminated, as the next column's text.
    void AddText(LPCTSTR text);
    // The copy for `column`; the empty text for a column the row has no text for.
    LPCTSTR GetText(int column) const;
    int GetCount() const { return static_cast<int>(m_texts.size()); }
    // Replaces the copy for `column`, which the row has.
    void SetText(int column, LPCTSTR text);

    // A value the row sorts by in `column` instead of its text: a size shown as "12.5 KB".
    void SetSortValue(int column, ULONGLONG value);
    // False when the row has no value for `column`.
    bool GetSortValue(int column, ULONGLONG& value) const;

private:
    std::vector<std::unique_ptr<TCHAR[]>> m_texts;
    std::vector<std::pair<int, ULONGLONG>> m_values;  // (column, value)
};
