#include "controls/CButtonCl.h"

#include "controls/ButtonLook.h"
#include "framework/Dpi.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CButtonCl, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_DRAWITEM()
    ON_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CButtonCl::CButtonCl()
    : m_bHover(0),
      m_bFocused(0),
      m_bActive(0),
      m_bTracking(0),
      m_nPenDpi(0)
{
    CreateFramePens(kDefaultDpi);
}

// The frame's pens, as thick as the scale asks.
void CButtonCl::CreateFramePens(UINT dpi)
{
    if (dpi == m_nPenDpi) return;
    struct PenSpec {
        CPen* pen;
        int width;
        COLORREF colour;
    };
    const PenSpec specs[] = {
        {&m_penHoverTop, 2, RGB(252, 210, 121)},  {&m_penHoverBottom, 1, RGB(229, 151, 0)},
        {&m_penHoverLeft, 2, RGB(250, 196, 88)},  {&m_penHoverRight, 2, RGB(251, 202, 106)},
        {&m_penFocusTop, 2, RGB(162, 201, 255)},  {&m_penFocusBottom, 1, RGB(162, 201, 255)},
        {&m_penFocusLeft, 2, RGB(153, 198, 252)}, {&m_penFocusRight, 2, RGB(162, 189, 252)},
    };
    for (const PenSpec& spec : specs) {
        spec.pen->DeleteObject();
        spec.pen->CreatePen(PS_INSIDEFRAME, ScaleToDpi(spec.width, dpi), spec.colour);
    }
    m_nPenDpi = dpi;
}

CButtonCl::~CButtonCl()
{
    m_penHoverTop.DeleteObject();
    m_penHoverBottom.DeleteObject();
    m_penHoverLeft.DeleteObject();
    m_penHoverRight.DeleteObject();
    m_penFocusTop.DeleteObject();
    m_penFocusBottom.DeleteObject();
    m_penFocusLeft.DeleteObject();
    m_penFocusRight.DeleteObject();
}

void CButtonCl::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    // BS_OWNERDRAW (0x0B) covers both push button types (0 and 1) when ORed in.
    ModifyStyle(0, BS_OWNERDRAW, 0);
}

void CButtonCl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const UINT itemState = lpDrawItemStruct->itemState;
    CRect rect;
    CopyRect(&rect, &lpDrawItemStruct->rcItem);
    const int savedDC = pDC->SaveDC();

    WCHAR caption[260] = {0};
    GetWindowText(caption, 260);
    const UINT dpi = GetWindowDpi(m_hWnd);
    CreateFramePens(dpi);

    // The outline's inside keeps whatever brush the DC holds; the gradient covers it.
    CPen penOutline;
    penOutline.CreatePen(PS_SOLID, 0, RGB(0, 50, 100));
    CPen* pOldPen = pDC->SelectObject(&penOutline);
    const int corner = ScaleToDpi(5, dpi);
    pDC->RoundRect(rect.left, rect.top, rect.right, rect.bottom, corner, corner);
    pDC->SelectObject(pOldPen);

    m_bFocused = (itemState & ODS_FOCUS) != 0;
    m_bActive = IsActiveItemState(itemState);

    InflateRect(&rect, -GetSystemMetricForDpi(SM_CXEDGE, dpi),
                -GetSystemMetricForDpi(SM_CYEDGE, dpi));
    FillGradient(pDC, &rect);
    if (ChooseFramePens(m_bHover, m_bFocused) != FramePens::None) DrawHighlightFrame(pDC, &rect);

    // A button that was never given a font (WM_GETFONT answers NULL) writes in the DC's own.
    CFont* pOldFont =
        pDC->SelectObject(CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))));
    SIZE extent;
    GetTextExtentPoint32W(pDC->m_hDC, caption, lstrlenW(caption), &extent);
    const POINT origin = CaptionOrigin(rect, extent, itemState);
    const int oldBkMode = pDC->SetBkMode(TRANSPARENT);
    // A length of 0 lets DrawState measure the text; '&' marks a mnemonic and is not drawn.
    const UINT flags =
        (itemState & ODS_DISABLED) != 0 ? DST_PREFIXTEXT | DSS_DISABLED : DST_PREFIXTEXT;
    DrawStateW(pDC->m_hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(caption), 0, origin.x,
               origin.y, extent.cx, extent.cy, flags);

    pDC->SelectObject(pOldFont);
    pDC->SetBkMode(oldBkMode);
    pDC->RestoreDC(savedDC);
    penOutline.DeleteObject();
}

void CButtonCl::FillGradient(CDC* pDC, RECT* pRect)
{
    CBrush brushes[kGradientBands];
    for (int band = 0; band < kGradientBands; ++band)
        brushes[band].CreateSolidBrush(GradientBandColour(m_bHover, m_bActive, band));

    const int rows = GradientRowCount(*pRect);
    for (int y = pRect->top; y < pRect->top + rows; ++y) {
        RECT row;
        SetRect(&row, pRect->left, y, pRect->right, y + 1);
        pDC->FillRect(&row, &brushes[GradientBandOfRow(*pRect, y)]);
    }

    for (CBrush& brush : brushes) brush.DeleteObject();
}

void CButtonCl::DrawHighlightFrame(CDC* pDC, RECT* pRect)
{
    const bool focusFrame = ChooseFramePens(m_bHover, m_bFocused) == FramePens::Focus;
    // Indexed by FrameSide.
    CPen* const hoverPens[] = {&m_penHoverLeft, &m_penHoverRight, &m_penHoverTop,
                               &m_penHoverBottom};
    CPen* const focusPens[] = {&m_penFocusLeft, &m_penFocusRight, &m_penFocusTop,
                               &m_penFocusBottom};
    CPen* const* pens = focusFrame ? focusPens : hoverPens;

    CPen* pOldPen = nullptr;
    CPoint keptPosition;
    bool first = true;
    for (const FrameLine& line : FrameLines(*pRect)) {
        CPen* pPrevious = pDC->SelectObject(pens[static_cast<int>(line.side)]);
        const CPoint previousPosition = pDC->MoveTo(line.from.x, line.from.y);
        if (first) {
            pOldPen = pPrevious;
            keptPosition = previousPosition;
            first = false;
        }
        pDC->LineTo(line.to.x, line.to.y);
    }
    pDC->SelectObject(pOldPen);
    pDC->MoveTo(keptPosition);

    if (focusFrame) pDC->DrawFocusRect(pRect);
}

void CButtonCl::OnMouseMove(UINT /*nFlags*/, CPoint /*point*/)
{
    // One request at a time; a failed one leaves m_bTracking at 0 and the next move retries.
    if (m_bTracking == 0) {
        TRACKMOUSEEVENT request;
        request.cbSize = sizeof(request);
        request.dwFlags = TME_HOVER | TME_LEAVE;
        request.hwndTrack = m_hWnd;
        request.dwHoverTime = 1;
        m_bTracking = _TrackMouseEvent(&request);
    }
    Default();
}

LRESULT CButtonCl::OnMouseHover(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    // Tracking stays in force: the highlight holds until the pointer leaves.
    m_bHover = 1;
    InvalidateRect(nullptr, TRUE);
    return 0;
}

LRESULT CButtonCl::OnMouseLeave(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    m_bHover = 0;
    m_bTracking = 0;
    InvalidateRect(nullptr, FALSE);
    return 0;
}
