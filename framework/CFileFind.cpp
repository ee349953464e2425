#include "framework/CFileFind.h"

namespace {

// The full path of the pattern, however long; empty when the platform cannot make one.
WString FullPathOf(LPCWSTR pattern)
{
    const DWORD size = GetFullPathNameW(pattern, 0, nullptr, nullptr);
    if (size == 0) return WString();
    WString full(size, L'\0');
    const DWORD length = GetFullPathNameW(pattern, size, &full[0], nullptr);
    if (length == 0 || length >= size) return WString();
    full.resize(length);
    return full;
}

}  // namespace

BOOL CFileFind::FindFile(LPCTSTR pattern, DWORD)
{
    Close();
    if (!pattern) return FALSE;
    const WString full = FullPathOf(pattern);
    const WString::size_type separator = full.rfind(L'\\');
    if (separator == WString::npos) return FALSE;

    m_handle = FindFirstFileW(pattern, &m_next);
    if (m_handle == INVALID_HANDLE_VALUE) return FALSE;
    m_root = full.substr(0, separator);
    m_hasNext = true;
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (m_handle == INVALID_HANDLE_VALUE || !m_hasNext) return FALSE;
    m_found = m_next;
    m_hasNext = ::FindNextFileW(m_handle, &m_next) != FALSE;
    return m_hasNext ? TRUE : FALSE;
}

void CFileFind::Close()
{
    if (m_handle != INVALID_HANDLE_VALUE) FindClose(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    m_hasNext = false;
}

BOOL CFileFind::IsDots() const
{
    const WCHAR* name = m_found.cFileName;
    const bool dots =
        name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
    return dots && MatchesMask(FILE_ATTRIBUTE_DIRECTORY);
}

BOOL CFileFind::MatchesMask(DWORD mask) const
{
    return (m_found.dwFileAttributes & mask) != 0 ? TRUE : FALSE;
}
