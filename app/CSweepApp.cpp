#include "app/CSweepApp.h"

#include "app/CommandLine.h"
#include "app/ConsoleRelay.h"
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

    const std::vector<WString> args = ProgramArguments();
    const WString dropped = LastOfSeveralPaths(args);
    const CommandLine command = ParseCommandLine(args);
    if (dropped.empty() &&
        (command.kind == CommandLine::Run || command.kind == CommandLine::Usage)) {
        m_nExitCode = RelayToConsoleProgram();
        return FALSE;
    }

    CSweepDlg dlg;
    // A folder alone: Explorer's "Send To", or a folder dropped on the program's icon.
    if (command.kind == CommandLine::Window) dlg.SetFolder(command.folder);
    if (!dropped.empty()) dlg.SetFolder(dropped);
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // No message loop after the dialog: returning FALSE ends the application.
    return FALSE;
}

int CSweepApp::ExitInstance()
{
    return m_nExitCode;
}
