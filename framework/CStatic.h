#pragma once
// Static control; everything the program needs is CWnd's.
#include "framework/CWnd.h"

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
};
