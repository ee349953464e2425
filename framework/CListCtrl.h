#pragma once
// List view control. With LVS_OWNERDRAWFIXED it paints rows in DrawItem, which the parent's
// WM_DRAWITEM reaches by reflection.
#include "framework/CWnd.h"
#include "framework/CString.h"

class CHeaderCtrl;

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    // Column inserted at nCol; the mask covers the width and sub-item only when they are not -1.
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);
    int InsertColumn(int nCol, const LVCOLUMN* pColumn);
    BOOL DeleteColumn(int nCol);
    BOOL SetColumnWidth(int nCol, int cx);

    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                   int nImage, LPARAM lParam);
    BOOL SetItem(const LVITEM* pItem);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    int GetItemCount() const;
    DWORD_PTR GetItemData(int nItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    CString GetItemText(int nItem, int nSubItem) const;
    // Rectangle of a cell part (LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL).
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref);
    COLORREF GetBkColor() const;
    // Scrolls the list so that the item is in view.
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    // The first item after nStart that answers pFindInfo, or -1.
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const;
    // The next item after nItem (-1: from the start) with the LVNI_ flags, or -1.
    int GetNextItem(int nItem, int nFlags) const;
    // State bits of an item (-1: every item).
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const;
    // 1 ticked, 0 unticked, -1 no check box (state image 2, 1, 0).
    int GetCheck(int nItem) const;
    BOOL SetCheck(int nItem, BOOL bCheck = TRUE);

    // The bound header object, else a temporary wrapper; NULL when the list has no header.
    CHeaderCtrl* GetHeaderCtrl();

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};
