#pragma once
// Device context. A CDC borrows its DC and never deletes it; CPaintDC owns one painting.
#include <windows.h>
#include "framework/CObject.h"
#include "framework/CRect.h"

class CString;
class CWnd;
class CGdiObject;
class CPen;
class CBrush;
class CFont;

class CDC : public CObject {
public:
    CDC()
        : m_hDC(NULL)
    {
    }

    HDC m_hDC;
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    // A borrowing wrapper that lives while the DC does.
    static CDC* FromHandle(HDC hDC);
    BOOL Attach(HDC hDC);
    HDC Detach();

    int SaveDC();
    BOOL RestoreDC(int nSavedDC);

    // Each selection returns the object it replaced (a borrowing wrapper).
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CGdiObject* SelectObject(CGdiObject* pObject);
    CGdiObject* SelectStockObject(int nIndex);

    COLORREF SetTextColor(COLORREF crColor);
    COLORREF SetBkColor(COLORREF crColor);
    int SetBkMode(int nBkMode);
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;

    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point);
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point);
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL RoundRect(LPCRECT lpRect, POINT point);

    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    // Fills with the colour and leaves it as the DC's background colour.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void DrawFocusRect(LPCRECT lpRect);
    BOOL DrawIcon(int x, int y, HICON hIcon);
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};
