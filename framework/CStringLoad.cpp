#include "framework/CString.h"

BOOL CString::LoadString(UINT id)
{
    // A string resource holds at most 4097 characters; room for that and the NUL.
    char buffer[4098] = {};
    const int length = ::LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    *this = buffer;
    return length > 0;
}
