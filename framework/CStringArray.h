#pragma once
// A growable array of CString, indexed from 0.

#include "framework/CString.h"

#include <vector>

class CStringArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    const CString& GetAt(int index) const { return m_items.at(static_cast<size_t>(index)); }
    const CString& operator[](int index) const { return GetAt(index); }
    int Add(LPCTSTR text)
    {
        m_items.emplace_back(text);
        return GetSize() - 1;
    }
    // Sets element index, growing the array with empty texts when index lies beyond its end.
    void SetAtGrow(int index, LPCTSTR text)
    {
        if (index >= GetSize()) m_items.resize(static_cast<size_t>(index) + 1);
        m_items[static_cast<size_t>(index)] = text;
    }
    void RemoveAll() { m_items.clear(); }

private:
    std::vector<CString> m_items;
};
