#pragma once
// The operation log: an owner-drawn report list whose rows keep their own text copies and
// sort by a clicked column as numbers, dates or text.

#include "controls/CHeaderCtrlCl.h"
#include "controls/RowData.h"
#include "framework/CListCtrl.h"
#include "framework/MessageMap.h"

#include <memory>
#include <vector>

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
    // Colour of every cell's text from the next drawing on.
    BOOL SetRowTextColor(COLORREF crText);
    // A cell of a row added by AddRow, shown and kept for sorting.
    void SetCellText(int nRow, int nColumn, LPCTSTR lpszText);
    // The row sorts by `value` in nColumn rather than by its text there.
    void SetSortValue(int nRow, int nColumn, ULONGLONG value);
    // Where the row added by AddRow with item data `rowData` is now (sorting moves rows), or -1.
    int FindRow(DWORD_PTR rowData) const;

    // Rows may then carry the list's own check boxes (SetCheck); rows have none until given
    // one, and none is left when they are turned off.
    void EnableCheckBoxes(BOOL bEnable);
    BOOL CheckBoxesEnabled() const;
    // Ctrl+A: selects every row.
    void SelectAll();

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual void PreSubclassWindow();

    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    DECLARE_MESSAGE_MAP()

private:
    static int CALLBACK CompareRows(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    void DrawCell(CDC* pDC, int nRow, int nColumn, BOOL bSelected, UINT dpi);
    void DrawCheckBox(HDC hDC, int nRow);
    // The room the list view keeps for a box left of column 0's label; 0 without boxes.
    int CheckBoxWidth() const;
    // Space: the boxes of the selected rows all turn to the opposite of the first one's.
    void ToggleSelectedChecks();

    BOOL m_bAscending;
    int m_nSortColumn;
    int m_nColumnCount;
    int m_nFontHeight;
    int m_nFontWidth;
    COLORREF m_crText;
    CHeaderCtrlCl m_header;
    std::vector<std::unique_ptr<RowData>> m_rows;  // every row's texts, released with the list
};
