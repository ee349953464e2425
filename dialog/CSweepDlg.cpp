#include "dialog/CSweepDlg.h"

#include <shellapi.h>

#include <vector>

#include "dialog/CAboutDlg.h"
#include "dialog/UiTexts.h"
#include "dialog/FolderPicker.h"
#include "framework/CDC.h"
#include "framework/CHeaderCtrl.h"
#include "framework/CMenu.h"
#include "res/resource.h"

CSweepDlg::CSweepDlg(CWnd* pParent)
    : CDialog(IDD_VARNEL_DIALOG, pParent),
      m_bExactMatch(0),
      m_bMatchCase(0),
      // Ticked from construction on, so the first data exchange already shows the default.
      m_bDeleteFolders(1),
      m_bDeleteFiles(0),
      m_hIcon(::LoadIconW(::GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_bPreviewOnly(0),
      m_hRunWindow(NULL),
      m_bCloseAfterRun(false)
{
}

CSweepDlg::~CSweepDlg()
{
    // Before the window's members go: the job's thread may still tell this object.
    m_run.reset();
}

void CSweepDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_LOG, m_listLog);
    DDX_Control(pDX, IDC_EDIT_PATH, m_editPath);
    DDX_Control(pDX, IDC_STATIC_PATH_LABEL, m_staticPathLabel);
    DDX_Control(pDX, IDCANCEL, m_btnExit);
    DDX_Control(pDX, IDC_BUTTON_CLEAN, m_btnClean);
    DDX_Control(pDX, IDC_BUTTON_BROWSE, m_btnBrowse);
    DDX_Control(pDX, IDC_STATIC_GROUP, m_staticGroup);
    DDX_Control(pDX, IDC_STATIC_KEYWORD_LABEL, m_staticKeywordLabel);
    DDX_Control(pDX, IDC_COMBO_KEYWORD, m_comboKeyword);
    DDX_Control(pDX, IDC_STATIC_STATUS, m_staticStatus);
    DDX_Control(pDX, IDC_STATIC_WARNING, m_staticWarning);
    DDX_Check(pDX, IDC_CHECK_EXACT_MATCH, m_bExactMatch);
    DDX_Check(pDX, IDC_CHECK_MATCH_CASE, m_bMatchCase);
    DDX_Check(pDX, IDC_CHECK_DELETE_FOLDERS, m_bDeleteFolders);
    DDX_Check(pDX, IDC_CHECK_DELETE_FILES, m_bDeleteFiles);
    DDX_Check(pDX, IDC_CHECK_PREVIEW, m_bPreviewOnly);
}

BEGIN_MESSAGE_MAP(CSweepDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_BUTTON_BROWSE, OnButtonBrowse)
    ON_BN_CLICKED(IDC_BUTTON_CLEAN, OnButtonClean)
    ON_WM_DROPFILES()
    ON_WM_GETMINMAXINFO()
    ON_MESSAGE(WM_RUN_REPORTS, OnRunReports)
    ON_MESSAGE(WM_TIMER, OnRunTimer)
    ON_MESSAGE(WM_RUN_ENDED, OnRunEnded)
END_MESSAGE_MAP()

BOOL CSweepDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != NULL) {
        const CString aboutMenu = UiText(IDS_ABOUTBOX);
        if (!aboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    InitControlTexts();
    UpdateData(FALSE);
    return TRUE;
}

void CSweepDlg::InitControlTexts()
{
    SetWindowText(UiText(IDS_TITLE));
    SetDlgItemText(IDC_EDIT_PATH, UiText(IDS_DRAG_HINT));
    SetDlgItemText(IDC_STATIC_WARNING, UiText(IDS_WARNING));
    InitLogList();
}

void CSweepDlg::InitLogList()
{
    CHeaderCtrl* pHeader = m_listLog.GetHeaderCtrl();
    const int columns = pHeader != NULL ? pHeader->GetItemCount() : 0;
    for (int i = 0; i < columns; ++i) m_listLog.DeleteColumn(0);

    m_listLog.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_listLog.SendMessage(LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    m_listLog.SetRowTextColor(RGB(0, 0, 0));
    m_listLog.SendMessage(LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));

    // Measured while the list has no column, so the two columns fill it exactly.
    CRect client;
    m_listLog.GetClientRect(&client);
    m_listLog.AddColumn(1, UiText(IDS_COLUMN_OPERATION), LVCFMT_LEFT, 100);
    m_listLog.AddColumn(2, UiText(IDS_COLUMN_OBJECT), LVCFMT_LEFT, client.Width() - 100);

    UpdateData(TRUE);
}

void CSweepDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CSweepDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rect.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CSweepDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CSweepDlg::OnButtonBrowse()
{
    // A cancelled picker gives an empty text, which empties the edit too.
    SetDlgItemText(IDC_EDIT_PATH, BrowseForFolder().c_str());
}

void CSweepDlg::OnDropFiles(HDROP hDropInfo)
{
    // The folder of a run in hand stays what it is.
    if (IsRunning()) {
        ::DragFinish(hDropInfo);
        return;
    }
    const UINT count = ::DragQueryFileW(hDropInfo, 0xFFFFFFFF, NULL, 0);
    m_editPath.EnableWindow(FALSE);
    for (UINT i = 0; i < count; ++i) {
        // Sized to the path: a path cut short would name another folder.
        std::vector<WCHAR> path(::DragQueryFileW(hDropInfo, i, NULL, 0) + 1, L'\0');
        ::DragQueryFileW(hDropInfo, i, path.data(), static_cast<UINT>(path.size()));
        m_editPath.SetWindowText(path.data());
    }
    m_editPath.EnableWindow(TRUE);
    Default();
    ::DragFinish(hDropInfo);
}

void CSweepDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    lpMMI->ptMaxSize.x = 1024;
    lpMMI->ptMaxSize.y = 768;
    lpMMI->ptMinTrackSize.x = 605;
    lpMMI->ptMinTrackSize.y = 435;
    CDialog::OnGetMinMaxInfo(lpMMI);
}
