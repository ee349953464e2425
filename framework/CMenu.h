#pragma once
// Borrowed menu handle (the system menu); the menu belongs to its window.
#include <windows.h>
#include "framework/CObject.h"

class CMenu : public CObject {
public:
    CMenu()
        : m_hMenu(NULL)
    {
    }

    HMENU m_hMenu;
    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }

    // A wrapper that lives while the menu does.
    static CMenu* FromHandle(HMENU hMenu);
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
};
