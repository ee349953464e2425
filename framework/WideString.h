#pragma once
// UTF-16 text held by value: std::wstring on Windows, where WCHAR is wchar_t; std::u16string
// in the native build, where wchar_t has 32 bits. Literals are written _T("...").

#include <windows.h>
#include <tchar.h>

#include <string>

typedef std::basic_string<WCHAR> WString;
