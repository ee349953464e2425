#pragma once
// Header control (the column heads of a report list).
#include "framework/CWnd.h"

class CHeaderCtrl : public CWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    int GetItemCount() const;
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
};
