#include "dialog/CSweepDlg.h"

#include <shellapi.h>

#include <vector>

#include "dialog/CAboutDlg.h"
#include "dialog/UiTexts.h"
#include "dialog/FolderPicker.h"
#include "dialog/LogMenu.h"
#include "framework/CDC.h"
#include "framework/CHeaderCtrl.h"
#include "framework/CMenu.h"
#include "framework/Dpi.h"
#include "res/resource.h"

namespace {
// The log's columns at 96 DPI but the object column, which takes the rest of the list.
const int kOperationColumnWidth = 100;
const int kSizeColumnWidth = 80;
const int kChangedColumnWidth = 130;
}  // namespace

CSweepDlg::CSweepDlg(CWnd* pParent)
    : CDialog(IDD_VARNEL_DIALOG, pParent),
      m_bExactMatch(0),
      m_bMatchCase(0),
      // Ticked from construction on, so the first data exchange already shows the default.
      m_bDeleteFolders(1),
      m_bDeleteFiles(0),
      m_hIcon(NULL),
      m_hSmallIcon(NULL),
      m_bPreviewOnly(0),
      m_bToRecycleBin(0),
      m_hRunWindow(NULL),
      m_bRunOver(false),
      m_bReportsDrained(false),
      m_runEnd(RunEnd::Completed),
      m_bRunFaulted(false),
      m_headingRow(0),
      m_fittedLogWidth(0),
      m_logShownAt(0),
      m_bPicksApply(false),
      m_pickInputs(),
      m_bCloseAfterRun(false)
{
}

CSweepDlg::~CSweepDlg()
{
    // Before the window's members go: the job's thread may still tell this object.
    m_run.reset();
    if (m_hIcon != NULL) ::DestroyIcon(m_hIcon);
    if (m_hSmallIcon != NULL) ::DestroyIcon(m_hSmallIcon);
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
    DDX_Check(pDX, IDC_CHECK_RECYCLE, m_bToRecycleBin);
}

BEGIN_MESSAGE_MAP(CSweepDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_BUTTON_BROWSE, OnButtonBrowse)
    ON_BN_CLICKED(IDC_BUTTON_CLEAN, OnButtonClean)
    ON_CONTROL(EN_CHANGE, IDC_EDIT_PATH, OnInputChanged)
    ON_CONTROL(CBN_EDITCHANGE, IDC_COMBO_KEYWORD, OnInputChanged)
    ON_CONTROL(CBN_SELCHANGE, IDC_COMBO_KEYWORD, OnInputChanged)
    ON_BN_CLICKED(IDC_CHECK_EXACT_MATCH, OnInputChanged)
    ON_BN_CLICKED(IDC_CHECK_MATCH_CASE, OnInputChanged)
    ON_BN_CLICKED(IDC_CHECK_DELETE_FOLDERS, OnInputChanged)
    ON_BN_CLICKED(IDC_CHECK_DELETE_FILES, OnInputChanged)
    ON_CONTROL(EN_CHANGE, IDC_EDIT_EXCLUDE, OnInputChanged)
    ON_CONTROL(EN_CHANGE, IDC_EDIT_AGE, OnInputChanged)
    ON_BN_CLICKED(IDC_CHECK_RECYCLE, OnRecycleChanged)
    ON_WM_DROPFILES()
    ON_WM_GETMINMAXINFO()
    ON_MESSAGE(WM_RUN_REPORTS, OnRunReports)
    ON_MESSAGE(WM_TIMER, OnRunTimer)
    ON_MESSAGE(WM_RUN_ENDED, OnRunEnded)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_MESSAGE(WM_CONTEXTMENU, OnContextMenu)
    ON_MESSAGE(WM_LOG_COPIED, OnLogCopied)
    ON_MESSAGE(WM_LOG_SAVE_FAILED, OnLogSaveFailed)
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

    SetIcons(GetWindowDpi(m_hWnd));

    InitControlTexts();
    UpdateData(FALSE);
    return TRUE;
}

void CSweepDlg::InitControlTexts()
{
    SetWindowText(UiText(IDS_TITLE));
    SetDlgItemText(IDC_EDIT_PATH,
                   m_startFolder.empty() ? UiText(IDS_DRAG_HINT) : CString(m_startFolder));
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

    m_listLog.AddColumn(1, UiText(IDS_COLUMN_OPERATION), LVCFMT_LEFT, 0);
    m_listLog.AddColumn(2, UiText(IDS_COLUMN_OBJECT), LVCFMT_LEFT, 0);
    m_listLog.AddColumn(3, UiText(IDS_COLUMN_SIZE), LVCFMT_RIGHT, 0);
    m_listLog.AddColumn(4, UiText(IDS_COLUMN_CHANGED), LVCFMT_CENTER, 0);
    SizeLogColumns(GetWindowDpi(m_hWnd));

    UpdateData(TRUE);
}

// The operation, size and last-change columns keep their widths at the scale, and the object
// column fills the rest of the list's client area (which the vertical scroll bar narrows).
void CSweepDlg::SizeLogColumns(UINT dpi)
{
    CRect client;
    m_listLog.GetClientRect(&client);
    m_fittedLogWidth = client.Width();
    const int operationWidth = ScaleToDpi(kOperationColumnWidth, dpi);
    const int sizeWidth = ScaleToDpi(kSizeColumnWidth, dpi);
    const int changedWidth = ScaleToDpi(kChangedColumnWidth, dpi);
    m_listLog.SetColumnWidth(0, operationWidth);
    m_listLog.SetColumnWidth(1, client.Width() - operationWidth - sizeWidth - changedWidth);
    m_listLog.SetColumnWidth(2, sizeWidth);
    m_listLog.SetColumnWidth(3, changedWidth);
}

void CSweepDlg::FitLogColumns()
{
    CRect client;
    m_listLog.GetClientRect(&client);
    if (client.Width() != m_fittedLogWidth) SizeLogColumns(GetWindowDpi(m_hWnd));
}

// The big icon (title bar, Alt+Tab, the minimised window) and the small one, each drawn from
// the image made for its size at this scale.
void CSweepDlg::SetIcons(UINT dpi)
{
    const HICON hOldIcon = m_hIcon;
    const HICON hOldSmallIcon = m_hSmallIcon;
    m_hIcon = LoadIconForDpi(MAKEINTRESOURCEW(IDR_MAINFRAME), SM_CXICON, dpi);
    m_hSmallIcon = LoadIconForDpi(MAKEINTRESOURCEW(IDR_MAINFRAME), SM_CXSMICON, dpi);
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hSmallIcon, FALSE);
    if (hOldIcon != NULL) ::DestroyIcon(hOldIcon);
    if (hOldSmallIcon != NULL) ::DestroyIcon(hOldSmallIcon);
}

// The window moved to a monitor of another scale (or the scale changed). The dialog manager
// resizes the dialog and lays out and refonts its controls; what the program sized itself follows.
LRESULT CSweepDlg::OnDpiChanged(WPARAM wParam, LPARAM /*lParam*/)
{
    const UINT dpi = HIWORD(wParam);
    Default();
    SetIcons(dpi);
    SizeLogColumns(dpi);
    return 0;
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

void CSweepDlg::OnRecycleChanged()
{
    const bool recycle = ::IsDlgButtonChecked(m_hWnd, IDC_CHECK_RECYCLE) == BST_CHECKED;
    SetDlgItemText(IDC_STATIC_WARNING, UiText(recycle ? IDS_WARNING_RECYCLE : IDS_WARNING));
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
    const UINT dpi = GetWindowDpi(m_hWnd);
    lpMMI->ptMaxSize.x = ScaleToDpi(1024, dpi);
    lpMMI->ptMaxSize.y = ScaleToDpi(768, dpi);
    lpMMI->ptMinTrackSize.x = ScaleToDpi(605, dpi);
    lpMMI->ptMinTrackSize.y = ScaleToDpi(435, dpi);
    CDialog::OnGetMinMaxInfo(lpMMI);
}

LRESULT CSweepDlg::OnContextMenu(WPARAM wParam, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(wParam) != m_listLog.GetSafeHwnd()) return Default();
    ShowLogMenu(m_listLog, m_logExports, m_hWnd, lParam);
    return 0;
}

LRESULT CSweepDlg::OnLogCopied(WPARAM, LPARAM lParam)
{
    LogExports::PutOnClipboard(m_hWnd, lParam);
    return 0;
}

LRESULT CSweepDlg::OnLogSaveFailed(WPARAM, LPARAM lParam)
{
    LogExports::TellSaveFailed(m_hWnd, lParam);
    return 0;
}

BOOL CSweepDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (pNMHDR->idFrom == IDC_LIST_LOG && pNMHDR->code == LVN_KEYDOWN)
        OnLogKey(m_listLog, m_logExports, m_hWnd, reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey);
    return CDialog::OnNotify(wParam, lParam, pResult);
}
