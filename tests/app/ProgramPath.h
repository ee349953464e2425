// Where the built Varnel.exe is, as a Windows path.
#pragma once

#include <windows.h>

#include <string>

// The build hands over a Unix path (UTF-8); Wine shows the Unix root as drive Z:.
inline std::wstring ProgramPath()
{
    const char* unixPath = VARNEL_EXE;
    std::wstring path(static_cast<size_t>(::MultiByteToWideChar(CP_UTF8, 0, unixPath, -1, NULL, 0)),
                      L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, unixPath, -1, &path[0], static_cast<int>(path.size()));
    path.pop_back();
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return L"Z:" + path;
}
