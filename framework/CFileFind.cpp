#include "framework/CFileFind.h"

#include <string>

namespace {

// The full path of the pattern, however long; empty when the platform cannot make one.
std::string FullPathOf(LPCSTR pattern)
{
    const DWORD size = GetFullPathNameA(pattern, 0, nullptr, nullptr);
    if (size == 0) return std::string();
    std::string full(size, '\0');
    const DWORD length = GetFullPathNameA(pattern, size, &full[0], nullptr);
    if (length == 0 || length >= size) return std::string();
    full.resize(length);
    return full;
}

// Offset of the last backslash that is a character of its own, or npos.
std::string::size_type LastSeparator(const std::string& path)
{
    std::string::size_type last = std::string::npos;
    for (const char* p = path.c_str(); *p; p = CharNextA(p))
        if (*p == '\\') last = static_cast<std::string::size_type>(p - path.c_str());
    return last;
}

}  // namespace

BOOL CFileFind::FindFile(LPCTSTR pattern, DWORD)
{
    Close();
    if (!pattern) return FALSE;
    const std::string full = FullPathOf(pattern);
    const std::string::size_type separator = LastSeparator(full);
    if (separator == std::string::npos) return FALSE;

    m_handle = FindFirstFileA(pattern, &m_next);
    if (m_handle == INVALID_HANDLE_VALUE) return FALSE;
    m_root = full.substr(0, separator);
    m_hasNext = true;
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (m_handle == INVALID_HANDLE_VALUE || !m_hasNext) return FALSE;
    m_found = m_next;
    // A name longer than the buffer may come back cut and unterminated.
    m_found.cFileName[MAX_PATH - 1] = '\0';
    m_hasNext = ::FindNextFileA(m_handle, &m_next) != FALSE;
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
    const char* name = m_found.cFileName;
    const bool dots = name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
    return dots && MatchesMask(FILE_ATTRIBUTE_DIRECTORY);
}

BOOL CFileFind::MatchesMask(DWORD mask) const
{
    return (m_found.dwFileAttributes & mask) != 0 ? TRUE : FALSE;
}
