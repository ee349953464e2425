#include "app/CSweepApp.h"

#include "dialog/CSweepDlg.h"

BEGIN_MESSAGE_MAP(CSweepApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CSweepApp::CSweepApp()
    : CWinApp(NULL)
{
}

// The one application object; the framework's entry point finds it through AfxGetApp.
CSweepApp theApp;

BOOL CSweepApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();

    CSweepDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // No message loop after the dialog: returning FALSE ends the application.
    return FALSE;
}
