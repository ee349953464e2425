// The about box: five lines of product information beside the application icon.
#pragma once

#include "framework/CDialog.h"
#include "framework/MessageMap.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
