#pragma once
// The operation log: an owner-drawn report list whose rows live in a store of their own
// (LVS_OWNERDATA: the list view asks for what it shows) and sort by a clicked column as
// numbers, dates, sizes or text.

#include "controls/CHeaderCtrlCl.h"
#include "controls/LogStore.h"
#include "framework/CGdiObject.h"
#include "framework/CListCtrl.h"
#include "framework/MessageMap.h"

class CListCtrlCl : public CListCtrl {
public:
    CListCtrlCl();
    virtual ~CListCtrlCl();

    // Appends a column; nCol is not used. The title and alignment code are kept even when
    // the list view refuses the column.
    BOOL AddColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth);
    // Appends a row: one text per column, the first for column 0; texts beyond the
    // column count are not read.
    BOOL AddRow(LPCTSTR lpszFirst, ...);
    // While deferred, added rows are kept but the list view is told the count only when the
    // deferring ends: once a batch.
    void DeferRowCount(BOOL bDefer);
    // Rows were added that the list view has not been told of.
    bool HasUntoldRows() const { return m_nShownRows != m_rows.GetRowCount(); }
    // Colour of every cell's text from the next drawing on.
    BOOL SetRowTextColor(COLORREF crText);
    // A cell of the row shown at nRow, shown and kept for sorting.
    void SetCellText(int nRow, int nColumn, LPCTSTR lpszText);
    // The row sorts by `value` in nColumn rather than by its text there.
    void SetSortValue(int nRow, int nColumn, ULONGLONG value);
    // The store's id of the row shown at nRow, and where the row of that id is now shown.
    size_t GetRowId(int nRow) const { return m_rows.RowAt(static_cast<size_t>(nRow)); }
    int FindRow(size_t rowId) const;
    // Every row's texts and boxes, in the order shown.
    const LogStore& Rows() const { return m_rows; }

    // Rows may then carry check boxes; rows have none until given one, and none is left when
    // they are turned off.
    void EnableCheckBoxes(BOOL bEnable);
    BOOL CheckBoxesEnabled() const;
    // 1 ticked, 0 unticked, -1 no box; as the list view answers LVM_GETITEMSTATE.
    int GetCheck(int nRow) const;
    BOOL SetCheck(int nRow, BOOL bCheck = TRUE);
    // Ctrl+A: selects every row; a long log in slices, between the window's other messages.
    void SelectAll();
    // The positions of the selected rows, top first; every row while Ctrl+A's slices go on.
    std::vector<size_t> SelectedRows() const;

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual void PreSubclassWindow();

    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnFindItem(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnSetItemState(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSelectMore(WPARAM wParam, LPARAM lParam);
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    DECLARE_MESSAGE_MAP()

private:
    void MakeCellFont(CDC* pDC, UINT dpi);
    void DrawCell(CDC* pDC, int nRow, int nColumn, BOOL bSelected, UINT dpi, int nGuiHeight);
    void DrawCheckBox(HDC hDC, int nRow);
    // The room the list view keeps for a box left of column 0's label; 0 without boxes.
    int CheckBoxWidth() const;
    // Space: the boxes of the selected rows all turn to the opposite of the first one's.
    void ToggleSelectedChecks();
    void SetRowCheck(int nRow, int nCheck);
    void ShowRowCount();
    // What the user or another program selects ends Ctrl+A's slices.
    void StopSelectingAll();
    void RedrawRow(int nRow);

    BOOL m_bAscending;
    int m_nSortColumn;
    int m_nColumnCount;
    int m_nFontHeight;
    int m_nFontWidth;
    BOOL m_bDeferCount;
    size_t m_nShownRows;  // the count the list view was last told
    // Ctrl+A's rows still to be selected: from, up to end.
    size_t m_nSelectingFrom;
    size_t m_nSelectingEnd;
    COLORREF m_crText;
    CFont m_cellFont;     // the cells' font, made for the scale below
    UINT m_nCellFontDpi;  // 0 until a row is drawn
    int m_nGuiHeight;     // the GUI font's height at that scale
    CHeaderCtrlCl m_header;
    LogStore m_rows;
};
