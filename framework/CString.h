#pragma once
// A UTF-16 text, with the members the program uses.

#include "framework/WideString.h"

class CString {
public:
    CString() = default;
    CString(LPCTSTR text)
        : m_text(text ? text : _T(""))
    {
    }
    CString(const WString& text)
        : m_text(text)
    {
    }

    CString& operator=(LPCTSTR text)
    {
        m_text = text ? text : _T("");
        return *this;
    }
    CString& operator+=(const CString& other)
    {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(LPCTSTR text)
    {
        if (text) m_text += text;
        return *this;
    }
    CString& operator+=(TCHAR ch)
    {
        m_text += ch;
        return *this;
    }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    TCHAR GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
    TCHAR operator[](int index) const { return GetAt(index); }
    operator LPCTSTR() const { return m_text.c_str(); }
    const WString& Text() const { return m_text; }

    // Out-of-range positions and counts are clamped, as the framework's Mid does.
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    // printf-style, "%s" taking a wide text as the platform's wide printf does; the result
    // replaces the text.
    void Format(LPCTSTR format, ...);
    // Replaces the text by a string resource of the running module; FALSE when there is none.
    BOOL LoadString(UINT id);

    // A writable buffer of at least minLength characters; ReleaseBuffer takes the text up to
    // the first NUL (or newLength characters) back.
    LPTSTR GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    int Compare(LPCTSTR text) const { return m_text.compare(text ? text : _T("")); }

private:
    WString m_text;
};

inline CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
inline CString operator+(const CString& a, LPCTSTR b)
{
    CString r(a);
    r += b;
    return r;
}
inline CString operator+(LPCTSTR a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
inline CString operator+(const CString& a, TCHAR b)
{
    CString r(a);
    r += b;
    return r;
}

inline bool operator==(const CString& a, LPCTSTR b)
{
    return a.Compare(b) == 0;
}
inline bool operator==(LPCTSTR a, const CString& b)
{
    return b.Compare(a) == 0;
}
inline bool operator==(const CString& a, const CString& b)
{
    return a.Compare(b) == 0;
}
inline bool operator!=(const CString& a, LPCTSTR b)
{
    return !(a == b);
}
inline bool operator!=(const CString& a, const CString& b)
{
    return !(a == b);
}
inline bool operator<(const CString& a, const CString& b)
{
    return a.Compare(b) < 0;
}
