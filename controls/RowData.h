#pragma once
// The texts of one report-list row, copied when the row was added; sorting reads them.

#include "framework/WideString.h"

#include <memory>
#include <vector>

class RowData {
public:
    // Keeps its own copy of `text`, NUL-terminated, as the next column's text.
    void AddText(LPCTSTR text);
    // The copy for `column`; the empty text for a column the row has no text for.
    LPCTSTR GetText(int column) const;
    int GetCount() const { return static_cast<int>(m_texts.size()); }

private:
    std::vector<std::unique_ptr<TCHAR[]>> m_texts;
};
