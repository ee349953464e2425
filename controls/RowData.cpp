#include "controls/RowData.h"

void RowData::AddText(LPCSTR text)
{
    std::unique_ptr<char[]> copy(new char[lstrlenA(text) + 1]);
    lstrcpyA(copy.get(), text);
    m_texts.push_back(std::move(copy));
}

LPCSTR RowData::GetText(int column) const
{
    if (column < 0 || column >= GetCount()) return "";
    return m_texts[static_cast<size_t>(column)].get();
}
