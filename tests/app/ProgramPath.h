// Where the built programs are, as Windows paths.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Utf8.h"

// The build hands over a Unix path (UTF-8); Wine shows the Unix root as drive Z:.
inline std::wstring WindowsPathOf(const char* unixPath)
{
    std::wstring path = FromUtf8(unixPath);
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return L"Z:" + path;
}

#ifdef VARNEL_EXE
inline std::wstring ProgramPath()
{
    return WindowsPathOf(VARNEL_EXE);
}
#endif
