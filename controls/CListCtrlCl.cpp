#include "controls/CListCtrlCl.h"

#include "controls/ReportLook.h"
#include "controls/RowCompare.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CRect.h"
#include "framework/Dpi.h"

#include <algorithm>
#include <cstdarg>
#include <numeric>
#include <vector>

namespace {

// A cell is drawn from at most 255 characters of its text and a NUL.
const int kCellTextSize = 256;

// Column 0's fill reaches 2 pixels further left than its label, under the item's margin.
const int kFirstColumnFillOverhang = 2;

// Sent by the list to itself: select the next slice of the rows Ctrl+A selects.
const UINT WM_SELECT_MORE = WM_APP + 0x100;
// A slice of that selecting takes about this long, so the window goes on answering between.
const DWORD kSelectSliceMilliseconds = 20;

}  // namespace

BEGIN_MESSAGE_MAP(CListCtrlCl, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFOW, OnGetDispInfo)
    ON_NOTIFY_REFLECT(LVN_ODFINDITEMW, OnFindItem)
    ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
    ON_MESSAGE(LVM_SETITEMSTATE, OnSetItemState)
    ON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDown)
    ON_MESSAGE(WM_LBUTTONDBLCLK, OnLButtonDown)
    ON_MESSAGE(WM_RBUTTONDOWN, OnRButtonDown)
    ON_MESSAGE(WM_SELECT_MORE, OnSelectMore)
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

CListCtrlCl::CListCtrlCl()
    : m_bAscending(FALSE),
      m_nSortColumn(-1),
      m_nColumnCount(0),
      m_nFontHeight(12),
      m_nFontWidth(0),
      m_bDeferCount(FALSE),
      m_nShownRows(0),
      m_nSelectingFrom(0),
      m_nSelectingEnd(0),
      m_crText(RGB(255, 255, 255)),
      m_nCellFontDpi(0),
      m_nGuiHeight(0)
{
}

CListCtrlCl::~CListCtrlCl() = default;

BOOL CListCtrlCl::AddColumn(int /*nCol*/, LPCTSTR lpszColumnHeading, int nFormat, int nWidth)
{
    m_header.m_astrTitles.SetAtGrow(m_header.m_astrTitles.GetSize(), lpszColumnHeading);
    m_header.m_strAlignCodes += AlignmentCodeForFormat(nFormat);
    const int nInserted = InsertColumn(m_nColumnCount, lpszColumnHeading, nFormat, nWidth, -1);
    ++m_nColumnCount;
    return nInserted != -1;
}

BOOL CListCtrlCl::AddRow(LPCTSTR lpszFirst, ...)
{
    std::vector<LPCTSTR> texts;
    if (m_nColumnCount > 0) texts.push_back(lpszFirst);
    va_list args;
    va_start(args, lpszFirst);
    for (int nColumn = 1; nColumn < m_nColumnCount; ++nColumn)
        texts.push_back(va_arg(args, LPCTSTR));
    va_end(args);
    m_rows.AddRow(texts.data(), texts.size());
    if (!m_bDeferCount) ShowRowCount();
    return TRUE;
}

void CListCtrlCl::DeferRowCount(BOOL bDefer)
{
    m_bDeferCount = bDefer;
    if (!bDefer) ShowRowCount();
}

void CListCtrlCl::ShowRowCount()
{
    // Rows are only ever appended: what is shown stays where it is.
    m_nShownRows = m_rows.GetRowCount();
    SendMessage(LVM_SETITEMCOUNT, m_nShownRows, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
}

void CListCtrlCl::RedrawRow(int nRow)
{
    // A row the list view does not know of yet is drawn when it learns of it.
    if (static_cast<size_t>(nRow) < m_nShownRows)
        SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(nRow), nRow);
}

BOOL CListCtrlCl::SetRowTextColor(COLORREF crText)
{
    m_crText = crText;
    return TRUE;
}

void CListCtrlCl::SetCellText(int nRow, int nColumn, LPCTSTR lpszText)
{
    if (nRow < 0 || static_cast<size_t>(nRow) >= m_rows.GetRowCount()) return;
    m_rows.SetText(GetRowId(nRow), nColumn, lpszText);
    RedrawRow(nRow);
}

void CListCtrlCl::SetSortValue(int nRow, int nColumn, ULONGLONG value)
{
    if (nRow < 0 || static_cast<size_t>(nRow) >= m_rows.GetRowCount()) return;
    m_rows.SetSortValue(GetRowId(nRow), nColumn, value);
}

int CListCtrlCl::FindRow(size_t rowId) const
{
    const size_t position = m_rows.PositionOf(rowId);
    return position < m_rows.GetRowCount() ? static_cast<int>(position) : -1;
}

void CListCtrlCl::EnableCheckBoxes(BOOL bEnable)
{
    if (CheckBoxesEnabled() == bEnable) return;
    m_rows.RemoveChecks();
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, bEnable ? LVS_EX_CHECKBOXES : 0);
    InvalidateRect(NULL);
}

BOOL CListCtrlCl::CheckBoxesEnabled() const
{
    return (::SendMessageW(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES) != 0;
}

int CListCtrlCl::GetCheck(int nRow) const
{
    if (nRow < 0 || static_cast<size_t>(nRow) >= m_rows.GetRowCount()) return -1;
    return m_rows.GetCheck(GetRowId(nRow));
}

BOOL CListCtrlCl::SetCheck(int nRow, BOOL bCheck)
{
    if (nRow < 0 || static_cast<size_t>(nRow) >= m_rows.GetRowCount()) return FALSE;
    SetRowCheck(nRow, bCheck ? 1 : 0);
    return TRUE;
}

void CListCtrlCl::SetRowCheck(int nRow, int nCheck)
{
    m_rows.SetCheck(GetRowId(nRow), nCheck);
    RedrawRow(nRow);
}

// A list view may select a virtual list's rows one by one, however asked (Wine does, some
// microseconds a row): a long log is selected a slice at a time, each slice a message.
void CListCtrlCl::SelectAll()
{
    m_nSelectingFrom = 0;
    m_nSelectingEnd = m_rows.GetRowCount();
    OnSelectMore(0, 0);
}

LRESULT CListCtrlCl::OnSelectMore(WPARAM, LPARAM)
{
    const DWORD start = ::GetTickCount();
    LVITEMW item = {};
    item.state = LVIS_SELECTED;
    item.stateMask = LVIS_SELECTED;
    // One repaint a slice, not one invalidation per row.
    SetRedraw(FALSE);
    while (m_nSelectingFrom < m_nSelectingEnd) {
        DefWindowProc(LVM_SETITEMSTATE, m_nSelectingFrom++, reinterpret_cast<LPARAM>(&item));
        if (m_nSelectingFrom % 256 == 0 && ::GetTickCount() - start >= kSelectSliceMilliseconds)
            break;
    }
    SetRedraw(TRUE);
    InvalidateRect(NULL);
    if (m_nSelectingFrom < m_nSelectingEnd) PostMessage(WM_SELECT_MORE);
    return 0;
}

void CListCtrlCl::StopSelectingAll()
{
    m_nSelectingEnd = m_nSelectingFrom;
}

std::vector<size_t> CListCtrlCl::SelectedRows() const
{
    const size_t count = m_rows.GetRowCount();
    const size_t selected = static_cast<size_t>(::SendMessageW(m_hWnd, LVM_GETSELECTEDCOUNT, 0, 0));
    std::vector<size_t> rows;
    // Ctrl+A's rows count as selected while their slices are still to come; with every row
    // selected there is no need to ask the list view row by row.
    const bool selectingAll = m_nSelectingFrom < m_nSelectingEnd;
    if (selectingAll || selected == count) {
        rows.resize(selectingAll ? m_nSelectingEnd : count);
        std::iota(rows.begin(), rows.end(), size_t(0));
        return rows;
    }
    for (int nRow = selected == 0 ? -1 : GetNextItem(-1, LVNI_SELECTED); nRow != -1;
         nRow = GetNextItem(nRow, LVNI_SELECTED))
        rows.push_back(static_cast<size_t>(nRow));
    return rows;
}

LRESULT CListCtrlCl::OnKeyDown(WPARAM wParam, LPARAM /*lParam*/)
{
    if (wParam == VK_SPACE && CheckBoxesEnabled()) {
        ToggleSelectedChecks();
        return 0;
    }
    if (wParam == 'A' && ::GetKeyState(VK_CONTROL) < 0) {
        SelectAll();
        return 0;
    }
    // The other keys that reach the list view may select rows of their own (Ctrl+C copies).
    if (wParam != VK_CONTROL && !(wParam == 'C' && ::GetKeyState(VK_CONTROL) < 0))
        StopSelectingAll();
    return Default();
}

LRESULT CListCtrlCl::OnRButtonDown(WPARAM, LPARAM)
{
    StopSelectingAll();
    return Default();
}

// A click on a row's box turns it; the list view would only tell a virtual list's owner.
LRESULT CListCtrlCl::OnLButtonDown(WPARAM /*wParam*/, LPARAM lParam)
{
    if (CheckBoxesEnabled()) {
        LVHITTESTINFO hit = {};
        hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        const int nCheck = GetCheck(hit.iItem);
        if ((hit.flags & LVHT_ONITEMSTATEICON) != 0 && nCheck >= 0) {
            if (::GetFocus() != m_hWnd) ::SetFocus(m_hWnd);
            SetRowCheck(hit.iItem, nCheck == 0 ? 1 : 0);
            return 0;
        }
    }
    StopSelectingAll();
    return Default();
}

void CListCtrlCl::ToggleSelectedChecks()
{
    int nTo = -1;
    for (size_t nRow : SelectedRows()) {
        const int nCheck = GetCheck(static_cast<int>(nRow));
        if (nCheck < 0) continue;
        if (nTo < 0) nTo = nCheck == 0 ? 1 : 0;
        m_rows.SetCheck(GetRowId(static_cast<int>(nRow)), nTo);
    }
    InvalidateRect(NULL);
}

void CListCtrlCl::PreSubclassWindow()
{
    // The list view then asks for every row to be drawn, and for each row's box.
    ModifyStyle(0, LVS_OWNERDRAWFIXED, 0);
    SendMessage(LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
    CListCtrl::PreSubclassWindow();
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader != nullptr) m_header.SubclassWindow(pHeader->GetSafeHwnd());
}

// The list view asks for a cell's text and a row's box: for what it shows, and for whoever
// reads the list (LVM_GETITEMTEXT, LVM_GETITEMSTATE).
void CListCtrlCl::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(pNMHDR)->item;
    *pResult = 0;
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= m_rows.GetRowCount()) return;
    const size_t row = GetRowId(item.iItem);
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0)
        lstrcpynW(item.pszText, m_rows.GetText(row, item.iSubItem), item.cchTextMax);
    if ((item.mask & LVIF_STATE) != 0 && (item.stateMask & LVIS_STATEIMAGEMASK) != 0) {
        const int nCheck = m_rows.GetCheck(row);
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) |
                     (nCheck >= 0 ? INDEXTOSTATEIMAGEMASK(nCheck + 1) : 0);
    }
}

// Typed letters, or LVM_FINDITEM: the list view asks which row's text in column 0 is (or
// begins with) the text, searching from iStart on, as it searches the rows it keeps itself.
void CListCtrlCl::OnFindItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMLVFINDITEMW* pFind = reinterpret_cast<NMLVFINDITEMW*>(pNMHDR);
    const LVFINDINFOW& find = pFind->lvfi;
    *pResult = -1;
    const size_t count = m_rows.GetRowCount();
    if ((find.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || find.psz == nullptr ||
        count == 0)
        return;
    const bool partial = (find.flags & LVFI_PARTIAL) != 0;
    const int length = lstrlenW(find.psz);
    const size_t start =
        pFind->iStart > 0 && static_cast<size_t>(pFind->iStart) < count ? pFind->iStart : 0;
    const size_t searched = (find.flags & LVFI_WRAP) != 0 ? count : count - start;
    for (size_t n = 0; n < searched; ++n) {
        const size_t position = (start + n) % count;
        const LPCTSTR text = m_rows.GetText(m_rows.RowAt(position), 0);
        const int compared = partial ? std::min(length, lstrlenW(text)) : -1;
        if ((!partial || compared == length) &&
            ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text, compared, find.psz,
                             partial ? length : -1) == CSTR_EQUAL) {
            *pResult = static_cast<LRESULT>(position);
            return;
        }
    }
}

// A row's box set through LVM_SETITEMSTATE (ListView_SetCheckState, by this program or another):
// the list view keeps no box of a virtual list's row, the store does.
LRESULT CListCtrlCl::OnSetItemState(WPARAM wParam, LPARAM lParam)
{
    const LVITEMW* pItem = reinterpret_cast<const LVITEMW*>(lParam);
    if (pItem != nullptr && (pItem->stateMask & LVIS_SELECTED) != 0) StopSelectingAll();
    if (pItem == nullptr || (pItem->stateMask & LVIS_STATEIMAGEMASK) == 0) return Default();
    const int nItem = static_cast<int>(wParam);
    const int nCheck = static_cast<int>((pItem->state & LVIS_STATEIMAGEMASK) >> 12) - 1;
    const int nCount = static_cast<int>(m_rows.GetRowCount());
    if (nItem < -1 || nItem >= nCount) return FALSE;
    if (CheckBoxesEnabled()) {
        if (nItem >= 0) {
            SetRowCheck(nItem, nCheck);
        } else {
            for (size_t row = 0; row < m_rows.GetRowCount(); ++row) m_rows.SetCheck(row, nCheck);
            InvalidateRect(NULL);
        }
    }
    LVITEMW rest = *pItem;
    rest.stateMask &= ~static_cast<UINT>(LVIS_STATEIMAGEMASK);
    if (rest.stateMask == 0) return TRUE;
    return DefWindowProc(LVM_SETITEMSTATE, wParam, reinterpret_cast<LPARAM>(&rest));
}

void CListCtrlCl::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMLISTVIEW* pListView = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    m_nSortColumn = pListView->iSubItem;
    m_bAscending = !m_bAscending;
    // The list view keeps selection and focus by position; they stay with their rows.
    const size_t count = m_rows.GetRowCount();
    const std::vector<size_t> selected = SelectedRows();
    std::vector<size_t> selectedIds;
    if (selected.size() != count)
        for (size_t nRow : selected) selectedIds.push_back(GetRowId(static_cast<int>(nRow)));
    const int nFocused = GetNextItem(-1, LVNI_FOCUSED);
    const size_t focusedId = nFocused >= 0 ? GetRowId(nFocused) : 0;

    m_rows.Sort(m_nSortColumn, m_bAscending != FALSE);

    std::vector<int> positions(count);
    for (size_t position = 0; position < count; ++position)
        positions[m_rows.RowAt(position)] = static_cast<int>(position);
    SetRedraw(FALSE);
    if (!selectedIds.empty()) {
        SetItemState(-1, 0, LVIS_SELECTED);
        for (size_t id : selectedIds) SetItemState(positions[id], LVIS_SELECTED, LVIS_SELECTED);
    }
    if (nFocused >= 0) SetItemState(positions[focusedId], LVIS_FOCUSED, LVIS_FOCUSED);
    SetRedraw(TRUE);
    InvalidateRect(NULL);
    *pResult = 0;
}

void CListCtrlCl::MeasureItem(LPMEASUREITEMSTRUCT /*lpMeasureItemStruct*/)
{
    // Rows keep the height the list view proposes.
}

void CListCtrlCl::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    CListCtrl::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

void CListCtrlCl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int nRow = static_cast<int>(lpDrawItemStruct->itemID);
    if (nRow < 0 || static_cast<size_t>(nRow) >= m_rows.GetRowCount()) return;
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    const UINT dpi = GetWindowDpi(m_hWnd);
    if (dpi != m_nCellFontDpi) MakeCellFont(pDC, dpi);
    const HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), m_cellFont.GetSafeHandle());
    pDC->SetTextColor(m_crText);

    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    for (int nColumn = 0;
         SendMessage(LVM_GETCOLUMNW, nColumn, reinterpret_cast<LPARAM>(&column)) != 0; ++nColumn)
        DrawCell(pDC, nRow, nColumn, bSelected, dpi, m_nGuiHeight);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    DrawCheckBox(lpDrawItemStruct->hDC, nRow);
}

// Made once for the scale, not for every row drawn: a font is slow to make and to select.
void CListCtrlCl::MakeCellFont(CDC* pDC, UINT dpi)
{
    // The placement is measured with the GUI font, whatever font then draws the text. That
    // font is made for the system's scale; the window's monitor may have another.
    const HGDIOBJ hGuiFont = ::GetStockObject(DEFAULT_GUI_FONT);
    const HGDIOBJ hOldFont =
        hGuiFont != nullptr ? ::SelectObject(pDC->GetSafeHdc(), hGuiFont) : nullptr;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    if (hOldFont != nullptr) ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    m_nGuiHeight = ::MulDiv(tm.tmHeight, static_cast<int>(dpi), GetSystemDpi());
    m_cellFont.DeleteObject();
    m_cellFont.CreateFont(ScaleToDpi(m_nFontHeight, dpi), ScaleToDpi(m_nFontWidth, dpi), 0, 0,
                          FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          L"宋体");
    m_nCellFontDpi = dpi;
}

int CListCtrlCl::CheckBoxWidth() const
{
    const HIMAGELIST hImages =
        reinterpret_cast<HIMAGELIST>(::SendMessageW(m_hWnd, LVM_GETIMAGELIST, LVSIL_STATE, 0));
    int cx = 0, cy = 0;
    if (hImages != nullptr) ::ImageList_GetIconSize(hImages, &cx, &cy);
    return cx;
}

// The list view places, hit-tests and toggles a row's box, but an owner-drawn list draws it:
// left of the row's (empty) icon, in the middle of the row.
void CListCtrlCl::DrawCheckBox(HDC hDC, int nRow)
{
    const UINT nImage = static_cast<UINT>(GetCheck(nRow) + 1);
    const HIMAGELIST hImages =
        reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_STATE, 0));
    CRect rcIcon;
    if (nImage == 0 || hImages == nullptr || !GetSubItemRect(nRow, 0, LVIR_ICON, rcIcon)) return;
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(hImages, &cx, &cy);
    ::ImageList_Draw(hImages, static_cast<int>(nImage) - 1, hDC, rcIcon.left - cx,
                     rcIcon.top + (rcIcon.Height() - cy) / 2, ILD_NORMAL);
}

// Fills one cell and draws its text in the font selected, the list's colour and the column's
// alignment, centred as text of the GUI font's height would be.
void CListCtrlCl::DrawCell(CDC* pDC, int nRow, int nColumn, BOOL bSelected, UINT dpi,
                           int nGuiHeight)
{
    CRect rcLabel;
    if (!GetSubItemRect(nRow, nColumn, LVIR_LABEL, rcLabel)) return;
    // The list view keeps a box's room in every row; a row without a box writes into it, so a
    // heading's time stamp still fits its column.
    if (nColumn == 0 && GetCheck(nRow) < 0) rcLabel.left -= CheckBoxWidth();

    WCHAR szText[kCellTextSize] = L"";
    lstrcpynW(szText, m_rows.GetText(GetRowId(nRow), nColumn), kCellTextSize);

    CRect rcFill = rcLabel;
    if (nColumn == 0) rcFill.left -= ScaleToDpi(kFirstColumnFillOverhang, dpi);
    // FillSolidRect also leaves the fill as the DC's background colour for opaque text.
    pDC->FillSolidRect(&rcFill, bSelected ? ::GetSysColor(COLOR_HIGHLIGHT) : GetBkColor());

    const UINT nAlign = ColumnAlignment(m_header.m_strAlignCodes, nColumn);
    rcLabel.OffsetRect(0, CentringOffset(rcLabel.top, rcLabel.bottom, nGuiHeight));
    ::DrawTextW(pDC->GetSafeHdc(), szText, lstrlenW(szText), &rcLabel, nAlign);
}
