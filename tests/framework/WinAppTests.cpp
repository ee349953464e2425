// The application object: start-up through AfxWinMain, exit codes, command routing.
#include <gtest/gtest.h>

#include "framework/CWinApp.h"
#include "tests/framework/TestDialog.h"

namespace {

// Runs its dialog modally inside InitInstance and ends the program, as a dialog-based program does.
class DialogApp : public CWinApp {
public:
    int initCalls = 0;
    int dialogResult = 0;
    std::vector<std::wstring> commands;

    BOOL InitInstance() override
    {
        ++initCalls;
        AfxEnableControlContainer();
        Enable3dControls();
        TestDialog dlg;
        m_pMainWnd = &dlg;
        dlg.whenShown = [](TestDialog& d) {
            d.SendMessage(WM_COMMAND, MAKEWPARAM(9001, BN_CLICKED),
                          reinterpret_cast<LPARAM>(d.m_hWnd));
            d.SendMessage(WM_COMMAND, ID_HELP, 0);
            SendDlgItemMessageW(d.m_hWnd, IDCANCEL, BM_CLICK, 0, 0);
        };
        dialogResult = dlg.DoModal();
        return FALSE;
    }

protected:
    afx_msg void OnAppCommand() { commands.push_back(L"9001"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DialogApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
    ON_COMMAND(9001, OnAppCommand)
END_MESSAGE_MAP()

class LoopApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        PostQuitMessage(5);
        return TRUE;
    }
};

TEST(WinAppTest, InitInstanceReturningFalseEndsWithExitCodeZero)
{
    DialogApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    wchar_t cmdLine[] = L"ignored arguments";
    EXPECT_EQ(AfxWinMain(GetModuleHandleW(nullptr), nullptr, cmdLine, SW_SHOWDEFAULT), 0);
    EXPECT_EQ(app.initCalls, 1);
    EXPECT_EQ(app.dialogResult, IDCANCEL);
    EXPECT_EQ(app.m_pMainWnd, nullptr);  // the dialog is gone, and so is the pointer
    EXPECT_EQ(app.m_lpCmdLine, cmdLine);
    // The dialog left the command it had no handler for to the application.
    EXPECT_EQ(app.commands, std::vector<std::wstring>{L"9001"});
}

TEST(WinAppTest, MessageLoopEndsWithTheQuitCode)
{
    LoopApp app;
    EXPECT_EQ(AfxWinMain(GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOWDEFAULT), 5);
}

TEST(WinAppTest, ApplicationIsReachableOnlyWhileItExists)
{
    {
        LoopApp app;
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_EQ(AfxGetMainWnd(), nullptr);
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
}

}  // namespace
