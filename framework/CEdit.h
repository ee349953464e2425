#pragma once
// Edit control; everything the program needs is CWnd's.
#include "framework/CWnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
};
