#include "framework/CHeaderCtrl.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

int CHeaderCtrl::GetItemCount() const
{
    return static_cast<int>(::SendMessage(m_hWnd, HDM_GETITEMCOUNT, 0, 0));
}

BOOL CHeaderCtrl::GetItemRect(int nIndex, LPRECT lpRect) const
{
    return static_cast<BOOL>(::SendMessage(m_hWnd, HDM_GETITEMRECT, static_cast<WPARAM>(nIndex),
                                           reinterpret_cast<LPARAM>(lpRect)));
}
