#include "dialog/CAboutDlg.h"

#include "dialog/UiTexts.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg()
    : CDialog(IDD_ABOUTBOX, NULL)
{
}

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    GetDlgItem(IDC_ABOUT_LINE1)->SetWindowText(UiText(IDS_TITLE));
    GetDlgItem(IDC_ABOUT_LINE2)->SetWindowText(UiText(IDS_ABOUT_COPYRIGHT_CN));
    GetDlgItem(IDC_ABOUT_LINE3)->SetWindowText(UiText(IDS_ABOUT_COPYRIGHT_EN));
    GetDlgItem(IDC_ABOUT_LINE4)->SetWindowText(UiText(IDS_ABOUT_AUTHOR));
    GetDlgItem(IDC_ABOUT_LINE5)->SetWindowText(UiText(IDS_ABOUT_CONTACT));
    return TRUE;
}
