// The application object: runs the main dialog modally and ends when it closes, or hands a run
// given on the command line to the console program.
#pragma once

#include "framework/CWinApp.h"
#include "framework/MessageMap.h"

class CSweepApp : public CWinApp {
public:
    CSweepApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    DECLARE_MESSAGE_MAP()

private:
    int m_nExitCode = 0;  // of a run handed to Varnel.com
};
