// The texts the user sees live in the string table of res/Varnel.rc, in one place; the code
// names them by id.
#pragma once

#include "framework/CString.h"

inline CString UiText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}
