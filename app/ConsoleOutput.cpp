#include "app/ConsoleOutput.h"

#include "framework/Utf8.h"

void WriteLine(DWORD stream, const WString& text)
{
    const HANDLE handle = ::GetStdHandle(stream);
    if (handle == NULL || handle == INVALID_HANDLE_VALUE) return;
    const WString line = text + L"\r\n";
    DWORD mode = 0;
    DWORD written = 0;
    if (::GetConsoleMode(handle, &mode)) {
        ::WriteConsoleW(handle, line.c_str(), static_cast<DWORD>(line.size()), &written, NULL);
        return;
    }
    const std::string utf8 = ToUtf8(line);
    ::WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, NULL);
}
