// How a CWnd meets its window: binding through the window procedure and the user data, the
// message map with reflection to the controls' objects, and default processing.
#include "framework/CWnd.h"

#include "framework/CWinApp.h"
#include "framework/TemporaryWrappers.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

// Owner-draw requests reach the control's object through every window's base map.
BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

namespace {
const wchar_t kSuperProcProperty[] = L"Varnel.BoundOver";

bool IsLiveWindow(HWND hWnd)
{
    return ::IsWindow(hWnd) != FALSE;
}
}  // namespace

CWnd::CWnd()
    : m_hWnd(NULL),
      m_pfnSuper(NULL),
      m_pCurrentMsg(NULL)
{
}

CWnd::~CWnd()
{
    if (AfxGetApp() != NULL && AfxGetApp()->m_pMainWnd == this) AfxGetApp()->m_pMainWnd = NULL;
    Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == NULL) return NULL;
    // A window we bound carries its object in its user data, and the object names the window.
    CWnd* pWnd = reinterpret_cast<CWnd*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    return pWnd != NULL && pWnd->m_hWnd == hWnd && pWnd->m_pfnSuper != NULL ? pWnd : NULL;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    return pWnd != NULL ? pWnd : TemporaryWrapper<CWnd>(hWnd, &IsLiveWindow);
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (m_hWnd != NULL || !::IsWindow(hWnd) || ::GetWindowLongPtrW(hWnd, GWLP_USERDATA) != 0)
        return FALSE;
    // The object sees its window before any message does (owner-draw styles are set here).
    m_hWnd = hWnd;
    PreSubclassWindow();
    ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WndProc)));
    if (m_pfnSuper == NULL) {
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
        m_hWnd = NULL;
        return FALSE;
    }
    // Kept with the window too, for a procedure bound over ours that outlives the binding.
    ::SetPropW(hWnd, kSuperProcProperty, reinterpret_cast<HANDLE>(m_pfnSuper));
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL && m_pfnSuper != NULL) {
        // Another procedure bound over ours keeps calling it; it then passes straight on.
        if (::GetWindowLongPtrW(hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::WndProc)) {
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
            ::RemovePropW(hWnd, kSuperProcProperty);
        }
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
    }
    m_hWnd = NULL;
    m_pfnSuper = NULL;
    return hWnd;
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (m_hWnd != NULL || hWndNew == NULL) return FALSE;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    return UnsubclassWindow();
}

void CWnd::PreSubclassWindow() {}

LRESULT CALLBACK CWnd::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == NULL) {
        const WNDPROC pfnSuper = reinterpret_cast<WNDPROC>(::GetPropW(hWnd, kSuperProcProperty));
        return pfnSuper != NULL ? ::CallWindowProcW(pfnSuper, hWnd, message, wParam, lParam)
                                : ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // The binding ends before the window does.
        CWinApp* pApp = AfxGetApp();
        if (pApp != NULL && pApp->m_pMainWnd == pWnd) pApp->m_pMainWnd = NULL;
        const WNDPROC pfnSuper = pWnd->m_pfnSuper;
        pWnd->UnsubclassWindow();
        ::RemovePropW(hWnd, kSuperProcProperty);
        return ::CallWindowProcW(pfnSuper, hWnd, message, wParam, lParam);
    }
    MSG msg = {hWnd, message, wParam, lParam, 0, {0, 0}};
    const MSG* pOuterMsg = pWnd->m_pCurrentMsg;
    pWnd->m_pCurrentMsg = &msg;
    LRESULT lResult = 0;
    // A handler that throws ends its message, not the program: the window goes on working.
    try {
        lResult = pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        lResult = 0;
    }
    pWnd->m_pCurrentMsg = pOuterMsg;
    return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        LRESULT lResult = 0;
        if (!OnNotify(wParam, lParam, &lResult)) return FALSE;
        *pResult = lResult;
        return TRUE;
    }
    return DispatchFromMap(message, 0, 0, wParam, lParam, pResult);
}

// Control notifications go to the control's object first; what it leaves, and commands
// from menus and accelerators, go to this window's map.
BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    UINT nCode = HIWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl == NULL) {
        nCode = 0;  // menu and accelerator commands alike
    } else if (ReflectToChild(hWndCtrl, WM_COMMAND, wParam, lParam, NULL)) {
        return TRUE;
    }
    if (nID == 0) return FALSE;
    return DispatchFromMap(WM_COMMAND, nCode, nID, wParam, lParam, NULL);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    return ReflectToChild(pNMHDR->hwndFrom, WM_NOTIFY, pNMHDR->idFrom, lParam, pResult);
}

BOOL CWnd::ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (pChild == NULL || pChild == this) return FALSE;
    // The child may be inside a message of its own (a list view notifies while it handles one);
    // Default() must not run that message again for the reflection.
    const MSG* pOuterMsg = pChild->m_pCurrentMsg;
    pChild->m_pCurrentMsg = NULL;
    const BOOL bHandled = pChild->OnChildNotify(message, wParam, lParam, pResult);
    pChild->m_pCurrentMsg = pOuterMsg;
    return bHandled;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

// Looks the reflected message up in this control's map as WM_REFLECT_BASE + message.
BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_COMMAND:
        if (!DispatchFromMap(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0, wParam, lParam, NULL))
            return FALSE;
        if (pResult != NULL) *pResult = 1;
        return TRUE;
    case WM_NOTIFY:
        return DispatchFromMap(WM_REFLECT_BASE + WM_NOTIFY,
                               reinterpret_cast<const NMHDR*>(lParam)->code, 0, wParam, lParam,
                               pResult);
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        return DispatchFromMap(WM_REFLECT_BASE + message, 0, 0, wParam, lParam, pResult);
    default:
        return FALSE;
    }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The procedure the window had before binding is the default.
    if (m_pfnSuper != NULL) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    // A reflected message is not this window's own: it has no default processing here.
    if (m_pCurrentMsg == NULL) return 0;
    return DefWindowProc(m_pCurrentMsg->message, m_pCurrentMsg->wParam, m_pCurrentMsg->lParam);
}

void CWnd::OnPaint()
{
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}
HCURSOR CWnd::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(Default());
}
void CWnd::OnDropFiles(HDROP)
{
    Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}

void CWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU &&
        ReflectToChild(lpDrawItemStruct->hwndItem, WM_DRAWITEM, nIDCtl,
                       reinterpret_cast<LPARAM>(lpDrawItemStruct), NULL)) {
        return;
    }
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    // The request names the control only by id.
    if (lpMeasureItemStruct->CtlType != ODT_MENU &&
        ReflectToChild(::GetDlgItem(m_hWnd, lpMeasureItemStruct->CtlID), WM_MEASUREITEM, nIDCtl,
                       reinterpret_cast<LPARAM>(lpMeasureItemStruct), NULL)) {
        return;
    }
    Default();
}
