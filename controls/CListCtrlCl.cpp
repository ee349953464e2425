#include "controls/CListCtrlCl.h"

#include "controls/ReportLook.h"
#include "controls/RowCompare.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CRect.h"
#include "framework/Dpi.h"

#include <cstdarg>

namespace {

// A cell is drawn from at most 255 characters of its text and a NUL.
const int kCellTextSize = 256;

// Column 0's fill reaches 2 pixels further left than its label, under the item's margin.
const int kFirstColumnFillOverhang = 2;

}  // namespace

BEGIN_MESSAGE_MAP(CListCtrlCl, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
    ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

CListCtrlCl::CListCtrlCl()
    : m_bAscending(FALSE),
      m_nSortColumn(-1),
      m_nColumnCount(0),
      m_nFontHeight(12),
      m_nFontWidth(0),
      m_crText(RGB(255, 255, 255))
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
    auto row = std::make_unique<RowData>();
    if (m_nColumnCount > 0) row->AddText(lpszFirst);
    // The row carries its texts from the moment it exists: one call instead of two per row.
    const int nRow = InsertItem(LVIF_TEXT | LVIF_PARAM, GetItemCount(), lpszFirst, 0, 0, 0,
                                reinterpret_cast<LPARAM>(row.get()));
    if (nRow < 0) return TRUE;  // a refused row has nothing to carry texts
    // The list view gives a new row an unticked box; it gets one only when given one.
    if (CheckBoxesEnabled()) SetItemState(nRow, 0, LVIS_STATEIMAGEMASK);

    va_list args;
    va_start(args, lpszFirst);
    for (int nColumn = 1; nColumn < m_nColumnCount; ++nColumn) {
        LPCTSTR lpszText = va_arg(args, LPCTSTR);
        SetItem(nRow, nColumn, LVIF_TEXT, lpszText, 0, 0, 0, 0);
        row->AddText(lpszText);
    }
    va_end(args);

    m_rows.push_back(std::move(row));
    return TRUE;
}

BOOL CListCtrlCl::SetRowTextColor(COLORREF crText)
{
    m_crText = crText;
    return TRUE;
}

void CListCtrlCl::SetCellText(int nRow, int nColumn, LPCTSTR lpszText)
{
    RowData* pRow = reinterpret_cast<RowData*>(GetItemData(nRow));
    if (pRow == nullptr || nColumn >= pRow->GetCount()) return;
    SetItem(nRow, nColumn, LVIF_TEXT, lpszText, 0, 0, 0, 0);
    pRow->SetText(nColumn, lpszText);
}

void CListCtrlCl::SetSortValue(int nRow, int nColumn, ULONGLONG value)
{
    RowData* pRow = reinterpret_cast<RowData*>(GetItemData(nRow));
    if (pRow != nullptr) pRow->SetSortValue(nColumn, value);
}

int CListCtrlCl::FindRow(DWORD_PTR rowData) const
{
    LVFINDINFOW find = {};
    find.flags = LVFI_PARAM;
    find.lParam = static_cast<LPARAM>(rowData);
    return FindItem(&find);
}

void CListCtrlCl::EnableCheckBoxes(BOOL bEnable)
{
    if (CheckBoxesEnabled() == bEnable) return;
    SetItemState(-1, 0, LVIS_STATEIMAGEMASK);
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, bEnable ? LVS_EX_CHECKBOXES : 0);
    // Turned on, the list view gives every row an unticked box.
    if (bEnable) SetItemState(-1, 0, LVIS_STATEIMAGEMASK);
}

BOOL CListCtrlCl::CheckBoxesEnabled() const
{
    return (::SendMessageW(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES) != 0;
}

void CListCtrlCl::SelectAll()
{
    SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
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
    return Default();
}

void CListCtrlCl::ToggleSelectedChecks()
{
    int nTo = -1;
    for (int nRow = GetNextItem(-1, LVNI_SELECTED); nRow != -1;
         nRow = GetNextItem(nRow, LVNI_SELECTED)) {
        const int nCheck = GetCheck(nRow);
        if (nCheck < 0) continue;
        if (nTo < 0) nTo = nCheck == 0 ? 1 : 0;
        SetCheck(nRow, nTo);
    }
}

void CListCtrlCl::PreSubclassWindow()
{
    // The list view then asks for every row to be drawn.
    ModifyStyle(0, LVS_OWNERDRAWFIXED, 0);
    CListCtrl::PreSubclassWindow();
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader != nullptr) m_header.SubclassWindow(pHeader->GetSafeHwnd());
}

void CListCtrlCl::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMLISTVIEW* pListView = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    m_nSortColumn = pListView->iSubItem;
    m_bAscending = !m_bAscending;
    SendMessage(LVM_SORTITEMS, reinterpret_cast<WPARAM>(this),
                reinterpret_cast<LPARAM>(&CListCtrlCl::CompareRows));
    *pResult = 0;
}

int CALLBACK CListCtrlCl::CompareRows(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const CListCtrlCl* pList = reinterpret_cast<const CListCtrlCl*>(lParamSort);
    return ::CompareRows(reinterpret_cast<const RowData*>(lParam1),
                         reinterpret_cast<const RowData*>(lParam2), pList->m_nSortColumn,
                         pList->m_bAscending);
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
    const BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    const UINT dpi = GetWindowDpi(m_hWnd);
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    for (int nColumn = 0;
         SendMessage(LVM_GETCOLUMNW, nColumn, reinterpret_cast<LPARAM>(&column)) != 0; ++nColumn)
        DrawCell(pDC, nRow, nColumn, bSelected, dpi);
    DrawCheckBox(lpDrawItemStruct->hDC, nRow);
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
    const UINT nImage = GetItemState(nRow, LVIS_STATEIMAGEMASK) >> 12;
    const HIMAGELIST hImages =
        reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_STATE, 0));
    CRect rcIcon;
    if (nImage == 0 || hImages == nullptr || !GetSubItemRect(nRow, 0, LVIR_ICON, rcIcon)) return;
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(hImages, &cx, &cy);
    ::ImageList_Draw(hImages, static_cast<int>(nImage) - 1, hDC, rcIcon.left - cx,
                     rcIcon.top + (rcIcon.Height() - cy) / 2, ILD_NORMAL);
}

// Fills one cell and draws its text in the list's font, colour and the column's alignment.
void CListCtrlCl::DrawCell(CDC* pDC, int nRow, int nColumn, BOOL bSelected, UINT dpi)
{
    CRect rcLabel;
    if (!GetSubItemRect(nRow, nColumn, LVIR_LABEL, rcLabel)) return;
    // The list view keeps a box's room in every row; a row without a box writes into it, so a
    // heading's time stamp still fits its column.
    if (nColumn == 0 && GetCheck(nRow) < 0) rcLabel.left -= CheckBoxWidth();

    WCHAR szText[kCellTextSize] = L"";
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = nRow;
    item.iSubItem = nColumn;
    item.pszText = szText;
    item.cchTextMax = kCellTextSize;
    SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));

    CRect rcFill = rcLabel;
    if (nColumn == 0) rcFill.left -= ScaleToDpi(kFirstColumnFillOverhang, dpi);
    // FillSolidRect also leaves the fill as the DC's background colour for opaque text.
    pDC->FillSolidRect(&rcFill, bSelected ? ::GetSysColor(COLOR_HIGHLIGHT) : GetBkColor());

    // The placement is measured with the GUI font, whatever font then draws the text. That
    // font is made for the system's scale; the window's monitor may have another.
    HGDIOBJ hGuiFont = ::GetStockObject(DEFAULT_GUI_FONT);
    if (hGuiFont != nullptr) ::SelectObject(pDC->GetSafeHdc(), hGuiFont);
    const UINT nAlign = ColumnAlignment(m_header.m_strAlignCodes, nColumn);
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const int nGuiHeight = ::MulDiv(tm.tmHeight, static_cast<int>(dpi), GetSystemDpi());
    rcLabel.OffsetRect(0, CentringOffset(rcLabel.top, rcLabel.bottom, nGuiHeight));

    pDC->SetTextColor(m_crText);
    CFont font;
    font.CreateFont(ScaleToDpi(m_nFontHeight, dpi), ScaleToDpi(m_nFontWidth, dpi), 0, 0,
                    FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
    pDC->SelectObject(&font);
    ::DrawTextW(pDC->GetSafeHdc(), szText, lstrlenW(szText), &rcLabel, nAlign);
    // The cell font is deleted with `font`; it must not stay selected.
    pDC->SelectStockObject(SYSTEM_FONT);
}

