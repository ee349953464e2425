#pragma once
// Enumerates the entries of one folder, with the members the program uses.

#include <windows.h>

#include "framework/CString.h"

class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind() { Close(); }
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts the enumeration of the entries that match pattern ("folder\*.*"); the second
    // argument is unused, as in the framework. No entry is current until FindNextFile.
    BOOL FindFile(LPCTSTR pattern, DWORD unused = 0);
    // Makes the next entry current; FALSE when that entry is the last one.
    BOOL FindNextFile();
    void Close();

    BOOL IsDots() const;
    BOOL MatchesMask(DWORD mask) const;
    CString GetFileName() const { return CString(m_found.cFileName); }
    // The searched folder in absolute form, a backslash, and the entry's name.
    CString GetFilePath() const { return m_root + L"\\" + m_found.cFileName; }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    bool m_hasNext = false;
    WIN32_FIND_DATAW m_next = {};
    WIN32_FIND_DATAW m_found = {};
    CString m_root;
};
