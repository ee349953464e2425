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
    GetDlgItem(IDC_ABOUT_LINE1)->SetWindowText(g_strTitle);
    GetDlgItem(IDC_ABOUT_LINE2)->SetWindowText(g_strCopyrightCn);
    GetDlgItem(IDC_ABOUT_LINE3)->SetWindowText(g_strCopyrightEn);
    GetDlgItem(IDC_ABOUT_LINE4)->SetWindowText(g_strAuthor);
    GetDlgItem(IDC_ABOUT_LINE5)->SetWindowText(g_strContact);
    return TRUE;
}
