// CString::Format: the runtime's wide printf, which the native build has not.
#include "framework/CString.h"

#include <cstdarg>
#include <cstdio>

void CString::Format(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    // The runtime's own wide printf: "%s" is a wide text, as the format strings expect.
    const int length = _vscwprintf(format, measure);
    va_end(measure);
    if (length < 0) {
        va_end(args);
        m_text.clear();
        return;
    }
    WString buffer(static_cast<size_t>(length) + 1, L'\0');
    _vsnwprintf(&buffer[0], buffer.size(), format, args);
    va_end(args);
    m_text.assign(buffer.c_str(), static_cast<size_t>(length));
}
