#include "framework/CString.h"

BOOL CString::LoadString(UINT id)
{
    // A string resource holds at most 4097 characters; room for that and the NUL.
    WCHAR buffer[4098] = {};
    const int length = ::LoadStringW(GetModuleHandleW(nullptr), id, buffer, 4098);
    *this = buffer;
    return length > 0;
}
