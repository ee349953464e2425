#pragma once
// A push button that paints its own gradient face, with a warm frame while the pointer rests
// on it and a blue one while it holds the focus.

#include "framework/CButton.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CRect.h"
#include "framework/MessageMap.h"

class CButtonCl : public CButton {
public:
    CButtonCl();
    virtual ~CButtonCl();

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual void PreSubclassWindow();
    virtual void FillGradient(CDC* pDC, RECT* pRect);
    virtual void DrawHighlightFrame(CDC* pDC, RECT* pRect);

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    void CreateFramePens(UINT dpi);

    BOOL m_bHover;
    BOOL m_bFocused;
    BOOL m_bActive;
    BOOL m_bTracking;

    CPen m_penHoverTop;
    CPen m_penHoverBottom;
    CPen m_penHoverLeft;
    CPen m_penHoverRight;
    CPen m_penFocusTop;
    CPen m_penFocusBottom;
    CPen m_penFocusLeft;
    CPen m_penFocusRight;
    UINT m_nPenDpi;  // the scale the frame's pens were made for
};
