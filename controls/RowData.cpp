#include "controls/RowData.h"

namespace {

std::unique_ptr<TCHAR[]> Copy(LPCTSTR text)
{
    std::unique_ptr<TCHAR[]> copy(new TCHAR[lstrlenW(text) + 1]);
    lstrcpyW(copy.get(), text);
    return copy;
}

}  // namespace

void RowData::AddText(LPCTSTR text)
{
    m_texts.push_back(Copy(text));
}

LPCTSTR RowData::GetText(int column) const
{
    if (column < 0 || column >= GetCount()) return _T("");
    return m_texts[static_cast<size_t>(column)].get();
}

void RowData::SetText(int column, LPCTSTR text)
{
    m_texts.at(static_cast<size_t>(column)) = Copy(text);
}

void RowData::SetSortValue(int column, ULONGLONG value)
{
    for (auto& kept : m_values)
        if (kept.first == column) {
            kept.second = value;
            return;
        }
    m_values.emplace_back(column, value);
}

bool RowData::GetSortValue(int column, ULONGLONG& value) const
{
    for (const auto& kept : m_values)
        if (kept.first == column) {
            value = kept.second;
            return true;
        }
    return false;
}
