#pragma once
// An 8-bit text in the ANSI code page, with the members the program uses.

#include <windows.h>

#include <string>

class CString {
public:
    CString() = default;
    CString(LPCSTR text)
        : m_text(text ? text : "")
    {
    }
    CString(const std::string& text)
        : m_text(text)
    {
    }

    CString& operator=(LPCSTR text)
    {
        m_text = text ? text : "";
        return *this;
    }
    CString& operator+=(const CString& other)
    {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(LPCSTR text)
    {
        if (text) m_text += text;
        return *this;
    }
    CString& operator+=(char ch)
    {
        m_text += ch;
        return *this;
    }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
    char operator[](int index) const { return GetAt(index); }
    operator LPCSTR() const { return m_text.c_str(); }

    // Out-of-range positions and counts are clamped, as the framework's Mid does.
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    // printf-style; the result replaces the text.
    void Format(LPCSTR format, ...);
    // Replaces the text by a string resource of the running module; FALSE when there is none.
    BOOL LoadString(UINT id);

    // A writable buffer of at least minLength characters; ReleaseBuffer takes the text up to
    // the first NUL (or newLength characters) back.
    LPSTR GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    int Compare(LPCSTR text) const { return m_text.compare(text ? text : ""); }

private:
    std::string m_text;
};

inline CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
inline CString operator+(const CString& a, LPCSTR b)
{
    CString r(a);
    r += b;
    return r;
}
inline CString operator+(LPCSTR a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
inline CString operator+(const CString& a, char b)
{
    CString r(a);
    r += b;
    return r;
}

inline bool operator==(const CString& a, LPCSTR b)
{
    return a.Compare(b) == 0;
}
inline bool operator==(LPCSTR a, const CString& b)
{
    return b.Compare(a) == 0;
}
inline bool operator==(const CString& a, const CString& b)
{
    return a.Compare(b) == 0;
}
inline bool operator!=(const CString& a, LPCSTR b)
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
