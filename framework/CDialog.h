#pragma once
// Modal dialog from a template, with dialog data exchange.
#include "framework/CWnd.h"

// One run of DoDataExchange: direction and the dialog whose items are exchanged.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
    BOOL m_bFailed;  // an item was missing

    // The dialog item's window; a missing item marks the exchange failed.
    HWND PrepareCtrl(int nIDC);
};

// Binds the control object to dialog item nIDC the first time (either direction).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Check box state as 0, 1 (or 2, indeterminate); out-of-range values are shown as 0.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);

    // Runs the dialog until EndDialog; returns its result, -1 when it could not be created.
    virtual int DoModal();
    void EndDialog(int nResult);

    // Binds the controls and shows the members (UpdateData(FALSE)); TRUE sets the default focus.
    virtual BOOL OnInitDialog();

protected:
    virtual void OnOK();      // UpdateData(TRUE), then EndDialog(IDOK)
    virtual void OnCancel();  // EndDialog(IDCANCEL)
    // Commands the dialog does not handle go on to the application's map.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
