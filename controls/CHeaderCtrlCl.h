#pragma once
// The report list's header: paints its headings over a vertical gradient and keeps the
// column titles and alignment codes that the list writes and both of them draw with.

#include "framework/CHeaderCtrl.h"
#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "framework/MessageMap.h"

class CDC;

class CHeaderCtrlCl : public CHeaderCtrl {
    DECLARE_DYNAMIC(CHeaderCtrlCl)

public:
    CHeaderCtrlCl();
    virtual ~CHeaderCtrlCl();

    CStringArray m_astrTitles;  // one heading per column
    CString m_strAlignCodes;    // one code per column: '0' left, '1' centred, '2' right

protected:
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void Paint(CDC* pDC);
    void PaintHeading(CDC* pDC, int nItem, CRect rcItem, UINT dpi);
    void FillGradient(CDC* pDC, int left, int right, int top, int bottom, UINT dpi);

    int m_nGradientRed;
    int m_nGradientGreen;
    int m_nGradientBlue;
    int m_nGradientStep;
    float m_fHeightFactor;
    int m_nFontHeight;
    int m_nFontWidth;
    COLORREF m_crText;
};
