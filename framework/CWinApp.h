#pragma once
// The application object and the program's entry (AfxWinMain).
#include "framework/CCmdTarget.h"

class CWnd;
class COccManager;

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    // The one application object; lpszAppName NULL means no name of its own.
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    virtual ~CWinApp();

    virtual BOOL InitInstance();  // FALSE ends the program without a message loop
    virtual int Run();            // message loop until WM_QUIT, then ExitInstance
    virtual int ExitInstance();   // the program's exit code

    // The system draws 3D controls itself; there is nothing to enable. Returns FALSE.
    BOOL Enable3dControls();
    // The program ships no help file, so the help command does nothing.
    afx_msg void OnHelp();

    LPCTSTR m_pszAppName;
    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    CWnd* m_pMainWnd;  // cleared when that window is destroyed
    MSG m_msgCur;

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The program hosts no ActiveX controls; kept for the start-up sequence.
void AfxEnableControlContainer(COccManager* pOccManager = NULL);
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
