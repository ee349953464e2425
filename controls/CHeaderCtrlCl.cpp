#include "controls/CHeaderCtrlCl.h"

#include "controls/ReportLook.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CRect.h"
#include "framework/Dpi.h"

IMPLEMENT_DYNAMIC(CHeaderCtrlCl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CHeaderCtrlCl, CHeaderCtrl)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_MESSAGE(HDM_LAYOUT, OnLayout)
END_MESSAGE_MAP()

CHeaderCtrlCl::CHeaderCtrlCl()
    : m_nGradientRed(171),
      m_nGradientGreen(199),
      m_nGradientBlue(235),
      m_nGradientStep(3),
      m_fHeightFactor(1.0f),
      m_nFontHeight(13),
      m_nFontWidth(0),
      m_crText(RGB(100, 0, 0))
{
}

CHeaderCtrlCl::~CHeaderCtrlCl() = default;

void CHeaderCtrlCl::OnPaint()
{
    CPaintDC dc(this);
    Paint(&dc);
}

// Lets the header be painted into any DC (WM_PRINTCLIENT) by the same routine as WM_PAINT.
LRESULT CHeaderCtrlCl::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/)
{
    Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CHeaderCtrlCl::Paint(CDC* pDC)
{
    const UINT dpi = GetWindowDpi(m_hWnd);
    CRect rcClient;
    const int nItems = GetItemCount();
    if (nItems <= 0) {
        // Without items there is no heading row to continue: the whole header is gradient.
        GetClientRect(&rcClient);
        FillGradient(pDC, rcClient.left, rcClient.right, rcClient.top, rcClient.bottom, dpi);
        return;
    }
    CRect rcItem;
    for (int nItem = 0; nItem < nItems; ++nItem) {
        GetItemRect(nItem, &rcItem);
        // The item's left pixel column keeps the erased background: a separator.
        FillGradient(pDC, rcItem.left + 1, rcItem.right, rcItem.top, rcItem.bottom, dpi);
        PaintHeading(pDC, nItem, rcItem, dpi);
    }
    CRect rcLast;
    GetItemRect(nItems - 1, &rcLast);
    GetClientRect(&rcClient);
    FillGradient(pDC, rcLast.right + 1, rcClient.right, rcLast.top, rcLast.bottom, dpi);
}

void CHeaderCtrlCl::PaintHeading(CDC* pDC, int nItem, CRect rcItem, UINT dpi)
{
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_crText);

    CFont font;
    font.CreateFont(ScaleToDpi(m_nFontHeight, dpi), ScaleToDpi(m_nFontWidth, dpi), 0, 0,
                    FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
    CFont* pOldFont = pDC->SelectObject(&font);

    const UINT nAlign = ColumnAlignment(m_strAlignCodes, nItem);
    ApplyHeadingMargin(nAlign, dpi, rcItem);

    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    rcItem.OffsetRect(0, CentringOffset(rcItem.top, rcItem.bottom, tm.tmHeight));

    const CString strTitle = nItem < m_astrTitles.GetSize() ? m_astrTitles[nItem] : CString();
    pDC->DrawText(strTitle, &rcItem, nAlign);

    pDC->SelectObject(pOldFont);
}

// Fills left..right, top..bottom one pixel row at a time, darkening from the top colour; at a
// larger scale the same strip is stretched over more rows.
void CHeaderCtrlCl::FillGradient(CDC* pDC, int left, int right, int top, int bottom, UINT dpi)
{
    if (left >= right) return;
    for (int y = top; y < bottom; ++y) {
        CBrush brush(GradientRowColour(m_nGradientRed, m_nGradientGreen, m_nGradientBlue,
                                       m_nGradientStep, UnscaleFromDpi(y - top, dpi)));
        const CRect rcRow(left, y, right, y + 1);
        pDC->FillRect(&rcRow, &brush);
    }
}

LRESULT CHeaderCtrlCl::OnLayout(WPARAM /*wParam*/, LPARAM lParam)
{
    const LRESULT lResult = CWnd::DefWindowProc(HDM_LAYOUT, 0, lParam);
    HDLAYOUT* pLayout = reinterpret_cast<HDLAYOUT*>(lParam);
    const int nHeight = ScaledHeaderHeight(pLayout->pwpos->cy, m_fHeightFactor);
    pLayout->pwpos->cy = nHeight;
    pLayout->prc->top = nHeight;
    return lResult;
}
