// The clean command: checks the keyword and the folder, then runs the file pass and the folder
// pass as ticked on a worker thread, and shows the log and the status line as the run goes.
#include "dialog/CSweepDlg.h"

#include "dialog/UiTexts.h"
#include "engine/KeywordRules.h"
#include "engine/LongPath.h"
#include "engine/PathCheck.h"
#include "res/resource.h"

namespace {

const UINT_PTR kRunTimer = 1;
// The status line and the log follow the run at most this often: a pace a person can follow,
// and a repaint per batch of rows, not per row.
const UINT kRunTimerMilliseconds = 33;
// Rows a tick takes at most, so a burst never holds the window long; far more than a run
// reports in the time.
const size_t kRowsPerTick = 250;

// The inputs that a run in hand keeps as they were when it began.
const int kRunInputs[] = {IDC_EDIT_PATH,          IDC_BUTTON_BROWSE,    IDC_COMBO_KEYWORD,
                          IDC_CHECK_EXACT_MATCH,  IDC_CHECK_MATCH_CASE, IDC_CHECK_DELETE_FOLDERS,
                          IDC_CHECK_DELETE_FILES, IDC_CHECK_PREVIEW};

}  // namespace

void CSweepDlg::OnButtonClean()
{
    // During a run the button is "停止": the run ends after the object in hand.
    if (IsRunning()) {
        m_stopRequested = true;
        return;
    }

    CString keywordText;
    GetDlgItem(IDC_COMBO_KEYWORD)->GetWindowText(keywordText);
    CString folderText;
    GetDlgItemText(IDC_EDIT_PATH, folderText);

    if (keywordText.IsEmpty()) {
        MessageBox(g_strKeywordEmpty, g_strCaption, MB_OK | MB_ICONWARNING);
        return;
    }
    if (HasIllegalChars(keywordText)) {
        MessageBox(g_strKeywordIllegal, g_strCaption, MB_OK | MB_ICONWARNING);
        SetDlgItemText(IDC_COMBO_KEYWORD, L"");
        return;
    }
    m_runFolderText = folderText;
    // An empty folder text skips both passes and goes straight to the completion text.
    if (folderText.IsEmpty()) {
        m_bPreviewRun = false;
        ShowRunEnd(RunEnd::Completed, false);
        return;
    }

    // One absolute folder is both checked and walked; the log shows it without the \\?\ form
    // the system is given.
    const WString shown = GetAbsolutePath(folderText.Text());
    const WString folder = ToLongPath(shown);
    if (shown.empty() || !IsFolderPath(folder.c_str())) {
        MessageBox(L"清理路径无效，请确认!", L"提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    UpdateData(TRUE);
    StartRun({folder, shown, keywordText.Text(), m_bExactMatch, m_bMatchCase, m_bDeleteFiles == 1,
              m_bDeleteFolders == 1, m_bPreviewOnly == 1});
}

void CSweepDlg::StartRun(const CleanRequest& request)
{
    m_runLog.reset(new RunLog(request.keyword, request.matchCase, request.previewOnly));
    m_bPreviewRun = request.previewOnly;
    m_stopRequested = false;
    SetRunning(true);
    SetTimer(kRunTimer, kRunTimerMilliseconds);

    const HWND hDlg = m_hWnd;
    RunLog* log = m_runLog.get();
    const std::atomic<bool>* stop = &m_stopRequested;
    m_worker = std::thread([hDlg, request, log, stop] {
        // The window's thread comes first: it must answer while the run takes what is left.
        ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
        RunEnd end = RunEnd::Stopped;
        bool faulted = false;
        // A fault ends the run with a row that says so, never the program.
        try {
            end = RunClean(request, *log, *stop);
        } catch (...) {
            faulted = true;
            log->Failed();
        }
        ::PostMessageW(hDlg, WM_RUN_ENDED, static_cast<WPARAM>(end), faulted ? 1 : 0);
    });
}

LRESULT CSweepDlg::OnRunTimer(WPARAM wParam, LPARAM)
{
    if (wParam == kRunTimer && m_runLog) ShowRunProgress(kRowsPerTick);
    return 0;
}

// Takes in what the run reported since the last time: the rows in one batch, the newest in
// view, and the object in hand.
void CSweepDlg::ShowRunProgress(size_t mostRows)
{
    const std::vector<RunLog::Row> rows = m_runLog->TakeRows(mostRows);
    if (!rows.empty()) {
        m_listLog.SetRedraw(FALSE);
        for (const RunLog::Row& row : rows) m_listLog.AddRow(row.first.c_str(), row.second.c_str());
        m_listLog.SetRedraw(TRUE);
        m_listLog.EnsureVisible(m_listLog.GetItemCount() - 1, FALSE);
        m_listLog.InvalidateRect(NULL);
    }
    WString status;
    if (m_runLog->TakeStatus(status)) SetDlgItemText(IDC_STATIC_STATUS, status.c_str());
}

LRESULT CSweepDlg::OnRunEnded(WPARAM wParam, LPARAM lParam)
{
    m_worker.join();
    KillTimer(kRunTimer);
    ShowRunProgress(SIZE_MAX);
    SetRunning(false);
    ShowRunEnd(static_cast<RunEnd>(wParam), lParam != 0);
    m_runLog.reset();
    if (m_bCloseAfterRun) EndDialog(IDCANCEL);
    return 0;
}

void CSweepDlg::ShowRunEnd(RunEnd end, bool faulted)
{
    if (end == RunEnd::FolderUnavailable) {
        MessageBox(L"无法打开清理路径或核实它的位置，未删除任何对象，请确认!", L"提示",
                   MB_OK | MB_ICONWARNING);
        return;
    }
    const LPCWSTR folder = m_runFolderText;
    CString status;
    if (faulted)
        status.Format(L"清除[%s]出错中止!", folder);
    else if (end == RunEnd::Stopped)
        status.Format(m_bPreviewRun ? L"预览[%s]已停止!" : L"清除[%s]已停止!", folder);
    else if (m_bPreviewRun)
        status.Format(L"预览[%s]完毕：将删除 %d 个文件、%d 个目录。", folder,
                      m_runLog->Count(Pass::Files), m_runLog->Count(Pass::Folders));
    else
        status.Format(L"清除[%s]完毕!", folder);
    SetDlgItemText(IDC_STATIC_STATUS, status);
    UpdateData(FALSE);
}

void CSweepDlg::SetRunning(bool bRunning)
{
    for (int id : kRunInputs) GetDlgItem(id)->EnableWindow(bRunning ? FALSE : TRUE);
    SetDlgItemText(IDC_BUTTON_CLEAN, bRunning ? L"停止" : L"现在清理");
    // The disabled inputs may have held the focus; the keys must still reach the dialog.
    if (bRunning) ::SetFocus(GetDlgItem(IDC_BUTTON_CLEAN)->GetSafeHwnd());
}

void CSweepDlg::OnCancel()
{
    if (IsRunning()) {
        m_stopRequested = true;
        m_bCloseAfterRun = true;
        return;
    }
    CDialog::OnCancel();
}
