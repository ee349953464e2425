#include "framework/CDialog.h"

#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate),
      m_pParentWnd(pParentWnd)
{
}

int CDialog::DoModal()
{
    // Templates may hold list views and other common controls.
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);

    // Without a parent the dialog is owned by the main window, which it disables while it runs.
    HWND hWndOwner = m_pParentWnd != NULL ? m_pParentWnd->GetSafeHwnd() : NULL;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (hWndOwner == NULL && pMainWnd != NULL && pMainWnd != this)
        hWndOwner = pMainWnd->GetSafeHwnd();

    return static_cast<int>(::DialogBoxParam(AfxGetResourceHandle(), MAKEINTRESOURCE(m_nIDTemplate),
                                             hWndOwner, &CDialog::DialogProc,
                                             reinterpret_cast<LPARAM>(this)));
}

// The object arrives with WM_INITDIALOG; from then on the dialog's messages reach it by
// subclassing, and this procedure leaves everything else to the dialog manager.
INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG) return FALSE;
    CDialog* pDialog = reinterpret_cast<CDialog*>(lParam);
    if (!pDialog->SubclassWindow(hWnd)) {
        ::EndDialog(hWnd, -1);
        return FALSE;
    }
    // A dialog that cannot finish its start-up ends, as one that cannot bind its controls does.
    try {
        return pDialog->OnInitDialog();
    } catch (...) {
        ::EndDialog(hWnd, -1);
        return FALSE;
    }
}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;
    UINT nID = LOWORD(wParam);
    UINT nCode = lParam == 0 ? 0 : HIWORD(wParam);
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL || nCode != 0 || nID == 0 || nID >= 0xF000) return FALSE;
    return pApp->DispatchFromMap(WM_COMMAND, 0, nID, wParam, lParam, NULL);
}
