#pragma once
// Combo box control; everything the program needs is CWnd's.
#include "framework/CWnd.h"

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
};
