#include "framework/CListCtrl.h"

#include "framework/CHeaderCtrl.h"
#include "framework/TemporaryWrappers.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {
bool IsLiveWindow(HWND hWnd)
{
    return ::IsWindow(hWnd) != FALSE;
}
}  // namespace

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem)
{
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<LPTSTR>(lpszColumnHeading);
    column.fmt = nFormat;
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn)
{
    return static_cast<int>(::SendMessage(m_hWnd, LVM_INSERTCOLUMN, static_cast<WPARAM>(nCol),
                                          reinterpret_cast<LPARAM>(pColumn)));
}

BOOL CListCtrl::DeleteColumn(int nCol)
{
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_DELETECOLUMN, static_cast<WPARAM>(nCol), 0));
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0)));
}

int CListCtrl::InsertItem(const LVITEM* pItem)
{
    return static_cast<int>(
        ::SendMessage(m_hWnd, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(pItem)));
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                          int nImage, LPARAM lParam)
{
    LVITEM item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::SetItem(const LVITEM* pItem)
{
    return static_cast<BOOL>(
        ::SendMessage(m_hWnd, LVM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam)
{
    LVITEM item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    return SetItem(&item);
}

int CListCtrl::GetItemCount() const
{
    return static_cast<int>(::SendMessage(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEM item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    ::SendMessage(m_hWnd, LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<DWORD_PTR>(item.lParam);
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    LVITEM item = {};
    item.iSubItem = nSubItem;
    item.pszText = lpszText;
    item.cchTextMax = nLen;
    return static_cast<int>(::SendMessage(m_hWnd, LVM_GETITEMTEXT, static_cast<WPARAM>(nItem),
                                          reinterpret_cast<LPARAM>(&item)));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // The control answers the length it copied; a full buffer may mean the text was cut.
    CString text;
    int nLen = 128;
    int nCopied;
    do {
        nLen *= 2;
        nCopied = GetItemText(nItem, nSubItem, text.GetBuffer(nLen), nLen);
    } while (nCopied >= nLen - 1);
    text.ReleaseBuffer();
    return text;
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref)
{
    ref.top = iSubItem;
    ref.left = nArea;
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_GETSUBITEMRECT, static_cast<WPARAM>(iItem),
                                           reinterpret_cast<LPARAM>(&ref)));
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK)
{
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem),
                                           static_cast<LPARAM>(bPartialOK)));
}

int CListCtrl::FindItem(LVFINDINFO* pFindInfo, int nStart) const
{
    return static_cast<int>(::SendMessage(m_hWnd, LVM_FINDITEM, static_cast<WPARAM>(nStart),
                                          reinterpret_cast<LPARAM>(pFindInfo)));
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    return static_cast<int>(::SendMessage(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(nItem),
                                          MAKELPARAM(nFlags, 0)));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEM item = {};
    item.state = nState;
    item.stateMask = nMask;
    return static_cast<BOOL>(::SendMessage(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(nItem),
                                           reinterpret_cast<LPARAM>(&item)));
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    return static_cast<UINT>(
        ::SendMessage(m_hWnd, LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), nMask));
}

int CListCtrl::GetCheck(int nItem) const
{
    return static_cast<int>(GetItemState(nItem, LVIS_STATEIMAGEMASK) >> 12) - 1;
}

BOOL CListCtrl::SetCheck(int nItem, BOOL bCheck)
{
    return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(bCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}

COLORREF CListCtrl::GetBkColor() const
{
    return static_cast<COLORREF>(::SendMessage(m_hWnd, LVM_GETBKCOLOR, 0, 0));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl()
{
    HWND hWndHeader = reinterpret_cast<HWND>(::SendMessage(m_hWnd, LVM_GETHEADER, 0, 0));
    CHeaderCtrl* pHeader = dynamic_cast<CHeaderCtrl*>(FromHandlePermanent(hWndHeader));
    return pHeader != NULL ? pHeader : TemporaryWrapper<CHeaderCtrl>(hWndHeader, &IsLiveWindow);
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult != NULL) *pResult = TRUE;
    return TRUE;
}
