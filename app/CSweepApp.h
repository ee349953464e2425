// The application object: runs the main dialog modally and ends when it closes.
#pragma once

#include "framework/CWinApp.h"
#include "framework/MessageMap.h"

class CSweepApp : public CWinApp {
public:
    CSweepApp();

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
