#include "engine/LongPath.h"

WString GetAbsolutePath(const WString& text)
{
    if (text.empty()) return WString();
    const DWORD size = GetFullPathNameW(text.c_str(), 0, nullptr, nullptr);
    if (size == 0) return WString();
    WString absolute(size, L'\0');
    const DWORD length = GetFullPathNameW(text.c_str(), size, &absolute[0], nullptr);
    if (length == 0 || length >= size) return WString();
    absolute.resize(length);
    return absolute;
}

WString ToLongPath(const WString& absolute)
{
    if (absolute.compare(0, 4, L"\\\\?\\") == 0 || absolute.compare(0, 4, L"\\\\.\\") == 0)
        return absolute;
    if (absolute.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + absolute.substr(2);
    return L"\\\\?\\" + absolute;
}
