#include "framework/CWinApp.h"

#include "framework/CWnd.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

namespace {
CWinApp* g_pApp = NULL;  // the one application object, set while it exists
}  // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(lpszAppName),
      m_hInstance(NULL),
      m_lpCmdLine(NULL),
      m_nCmdShow(SW_SHOWDEFAULT),
      m_pMainWnd(NULL),
      m_msgCur()
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this) g_pApp = NULL;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    while (::GetMessage(&m_msgCur, NULL, 0, 0) > 0) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessage(&m_msgCur);
    }
    return ExitInstance();
}

// WM_QUIT's code after a message loop; 0 when none ran.
int CWinApp::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

BOOL CWinApp::Enable3dControls()
{
    return FALSE;
}

void CWinApp::OnHelp() {}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp != NULL ? g_pApp->m_pMainWnd : NULL;
}

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandle(NULL);
}

HINSTANCE AfxGetResourceHandle()
{
    return ::GetModuleHandle(NULL);
}

void AfxEnableControlContainer(COccManager*) {}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL) return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    if (!pApp->InitInstance()) {
        // A dialog-based program ends here, having run its dialog inside InitInstance.
        if (pApp->m_pMainWnd != NULL) pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}
