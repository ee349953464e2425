// Where the built Varnel.exe is, as a Windows path.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/Utf8.h"

// The build hands over a Unix path (UTF-8); Wine shows the Unix root as drive Z:.
inline std::wstring ProgramPath()
{
    std::wstring path = FromUtf8(VARNEL_EXE);
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return L"Z:" + path;
}
