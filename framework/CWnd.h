#pragma once
// Thin wrapper of a window. A CWnd bound to its window (SubclassWindow, or a dialog we run)
// receives the window's messages through its message map; anything the map does not handle
// goes on to the window's own procedure. Binding travels with the window (its procedure is
// replaced, and its user data holds the object) and ends when the window is destroyed or the
// object goes away.
#include <windows.h>
#include <commctrl.h>
#include "framework/CCmdTarget.h"
#include "framework/CRect.h"

class CString;
class CMenu;
class CDataExchange;

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    virtual ~CWnd();

    HWND m_hWnd;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object bound to the window, else a temporary wrapper that lives while the window does.
    static CWnd* FromHandle(HWND hWnd);
    // The object bound to the window, or NULL.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Binds an existing window: PreSubclassWindow runs first, then messages come here.
    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();
    // Wraps a window without binding it: calls go to the window, its messages do not come here.
    BOOL Attach(HWND hWndNew);
    // Lets go of the window (ending the binding if there is one) and returns it.
    HWND Detach();
    BOOL DestroyWindow();

    // Texts and dialog items.
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    CWnd* GetDlgItem(int nID) const;
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);

    // State, style and geometry.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsIconic() const;
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    void GetClientRect(LPRECT lpRect) const;
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void SetRedraw(BOOL bRedraw = TRUE);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    CMenu* GetSystemMenu(BOOL bRevert) const;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // WM_TIMER every nElapse milliseconds until KillTimer.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
    BOOL KillTimer(UINT_PTR nIDEvent);
    // Modal message box owned by this window.
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = MB_OK);

    // Dialog data exchange: TRUE reads the controls into the members, FALSE shows the members.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    virtual void PreSubclassWindow();
    virtual void DoDataExchange(CDataExchange* pDX);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A message the parent reflects to this control; TRUE when the control handled it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Hands a message about a child window to the child's object, if it has one.
    BOOL ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT* pResult);

    // Default processing: the window's own procedure.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled.
    LRESULT Default();

    // Handlers whose base behaviour is default processing (owner-draw ones reflect first).
    afx_msg void OnPaint();
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);

    DECLARE_MESSAGE_MAP()

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper;        // the window's procedure before binding, NULL when unbound
    const MSG* m_pCurrentMsg;  // the message this object is handling, NULL outside
};
