#include "controls/RowData.h"

void RowData::AddText(LPCTSTR text)
{
    std::unique_ptr<TCHAR[]> copy(new TCHAR[lstrlenW(text) + 1]);
    lstrcpyW(copy.get(), text);
    m_texts.push_back(std::move(copy));
}

LPCTSTR RowData::GetText(int column) const
{
    if (column < 0 || column >= GetCount()) return _T("");
    return m_texts[static_cast<size_t>(column)].get();
}
