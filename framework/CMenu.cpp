#include "framework/CMenu.h"

#include "framework/TemporaryWrappers.h"

namespace {
bool IsLiveMenu(HMENU hMenu)
{
    return ::IsMenu(hMenu) != FALSE;
}
}  // namespace

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    return TemporaryWrapper<CMenu>(hMenu, &IsLiveMenu);
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (m_hMenu != NULL || hMenu == NULL) return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    m_hMenu = NULL;
    return hMenu;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}
