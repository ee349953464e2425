#pragma once
// A window's text, whole.

#include <windows.h>

#include <string>

inline std::wstring WindowText(HWND hWnd)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hWnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hWnd, &text[0], static_cast<int>(text.size()))));
    return text;
}
