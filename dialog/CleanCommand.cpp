// The clean command: checks the keyword and the folder, then runs the file pass and the folder
// pass as ticked as a job on its own thread, and shows the log and the status line as the run goes;
// after a preview, the run that follows may be given the objects left ticked in the log.
#include "dialog/CSweepDlg.h"

#include "dialog/CleanInput.h"
#include "dialog/UiTexts.h"
#include "engine/TreeWalk.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>
#include <memory>

namespace {

const UINT_PTR kRunTimer = 1;
// The status line and the log follow the run at most this often: a pace a person can follow,
// and a repaint per batch of rows, not per row.
const UINT kRunTimerMilliseconds = 33;
// Reports are taken in batches of this many (about 250 rows: an object is reported in hand and
// done), one repaint each ...
const size_t kReportsPerBatch = 500;
// ... for at most this long a tick, so that a burst (a preview lists far faster than it could
// be shown, and its end leaves every waiting row) never holds the window long.
const DWORD kTickMilliseconds = 25;
// The list view is told of the new rows at most this often, and at the run's end: each time
// it scrolls to the newest and draws every row in view, too fast to read at every tick.
const DWORD kLogMilliseconds = 100;

// The log's columns of objects, of sizes and of last changes.
const int kObjectColumn = 1;
const int kSizeColumn = 2;
const int kChangedColumn = 3;

// The inputs that a run in hand keeps as they were when it began.
const int kRunInputs[] = {IDC_EDIT_PATH,          IDC_BUTTON_BROWSE,    IDC_COMBO_KEYWORD,
                          IDC_CHECK_EXACT_MATCH,  IDC_CHECK_MATCH_CASE, IDC_CHECK_DELETE_FOLDERS,
                          IDC_CHECK_DELETE_FILES, IDC_CHECK_PREVIEW,    IDC_CHECK_RECYCLE,
                          IDC_EDIT_EXCLUDE,       IDC_EDIT_AGE};

}  // namespace

void CSweepDlg::OnButtonClean()
{
    // During a run the button is "停止": the run ends after the object in hand.
    if (IsRunning()) {
        m_run->Stop();
        return;
    }

    CString keywordText;
    GetDlgItem(IDC_COMBO_KEYWORD)->GetWindowText(keywordText);
    CString folderText;
    GetDlgItemText(IDC_EDIT_PATH, folderText);

    CleanFolder folder;
    const UINT refusal = CheckCleanInput(keywordText.Text(), folderText.Text(), folder);
    if (refusal == IDS_FOLDER_INVALID) {
        MessageBox(UiText(refusal), UiText(IDS_CAPTION), MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (refusal != 0) {
        MessageBox(UiText(refusal), UiText(IDS_CAPTION), MB_OK | MB_ICONWARNING);
        if (refusal == IDS_KEYWORD_ILLEGAL) SetDlgItemText(IDC_COMBO_KEYWORD, L"");
        return;
    }
    m_runFolderText = folderText;
    if (folder.shown.empty()) {
        m_runTexts.reset(new RunTexts(keywordText.Text(), 0, false, WString(), 0));
        ShowRunEnd(RunEnd::Completed, false);
        return;
    }
    CString exclusionsText, ageText;
    GetDlgItemText(IDC_EDIT_EXCLUDE, exclusionsText);
    GetDlgItemText(IDC_EDIT_AGE, ageText);
    CleanRules rules;
    WString message;
    if (CheckCleanRules(exclusionsText.Text(), ageText.Text(), folder, rules, message) != 0) {
        MessageBox(message.c_str(), UiText(IDS_CAPTION), MB_OK | MB_ICONWARNING);
        return;
    }
    UpdateData(TRUE);
    // Asked once, before a run that deletes where the system lives; No ends the command.
    if (m_bPreviewOnly != 1) {
        const WString question = GuardQuestion(folder);
        if (!question.empty() && MessageBox(question.c_str(), UiText(IDS_CAPTION),
                                            MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
            return;
    }
    const bool usePicks = m_bPicksApply && m_bPreviewOnly != 1 && CurrentInputs() == m_pickInputs;
    const CleanRequest request{folder.folder,         folder.shown,
                               keywordText.Text(),    m_bExactMatch,
                               m_bMatchCase,          m_bDeleteFiles == 1,
                               m_bDeleteFolders == 1, m_bPreviewOnly == 1,
                               m_bToRecycleBin == 1,  usePicks ? TickedPicks() : nullptr,
                               rules.exclusions,      rules.ageDays};
    StartRun(request, exclusionsText.Text());
}

void CSweepDlg::StartRun(const CleanRequest& request, const WString& exclusionsText)
{
    m_runTexts.reset(new RunTexts(request.keyword, request.matchCase, request.previewOnly,
                                  exclusionsText, request.ageDays));
    // Picks serve one run; a preview gives new ones.
    DropPicks();
    if (request.previewOnly) {
        m_pickInputs = CurrentInputs();
        m_pickShownFolder = request.shownFolder;
        m_listLog.EnableCheckBoxes(TRUE);
    }
    SetRunning(true);
    m_bRunOver = false;
    m_bReportsDrained = false;
    m_logShownAt = ::GetTickCount() - kLogMilliseconds;
    m_hRunWindow = m_hWnd;
    m_run.reset(new CleanJob(request, *this));
}

void CSweepDlg::ReportsWaiting()
{
    ::PostMessageW(m_hRunWindow, WM_RUN_REPORTS, 0, 0);
}

void CSweepDlg::RunEnded(RunEnd end, bool faulted)
{
    ::PostMessageW(m_hRunWindow, WM_RUN_ENDED, static_cast<WPARAM>(end), faulted ? 1 : 0);
}

// Reports are shown on the timer, not as they come: a timer message waits behind painting and
// input, so the window goes on answering however fast the run reports.
LRESULT CSweepDlg::OnRunReports(WPARAM, LPARAM)
{
    if (IsRunning()) SetTimer(kRunTimer, kRunTimerMilliseconds);
    return 0;
}

LRESULT CSweepDlg::OnRunTimer(WPARAM wParam, LPARAM)
{
    if (wParam != kRunTimer || !IsRunning()) return 0;
    const DWORD start = ::GetTickCount();
    // A tick either tells the list view of the rows taken in or takes more in, never both:
    // told, it scrolls to the newest row and draws every row in view.
    if (m_listLog.HasUntoldRows() &&
        ((m_bRunOver && m_bReportsDrained) || start - m_logShownAt >= kLogMilliseconds)) {
        ShowNewRows(start);
        return 0;
    }
    bool drained = false;
    m_listLog.DeferRowCount(TRUE);
    while (!drained && ::GetTickCount() - start < kTickMilliseconds)
        drained = ShowRunProgress(kReportsPerBatch) < kReportsPerBatch;
    m_bReportsDrained = drained;
    // Rows taken in and not yet shown: the timer goes on until they are.
    if (!drained || m_listLog.HasUntoldRows()) return 0;
    m_listLog.DeferRowCount(FALSE);
    // Nothing left: the job tells again when more comes, or the run is over.
    KillTimer(kRunTimer);
    if (m_bRunOver) FinishRun();
    return 0;
}

void CSweepDlg::ShowNewRows(DWORD now)
{
    m_logShownAt = now;
    m_listLog.DeferRowCount(FALSE);
    // The rows may have brought the vertical scroll bar, which narrows the list.
    FitLogColumns();
    m_listLog.EnsureVisible(m_listLog.GetItemCount() - 1, FALSE);
}

// Takes in what the run reported since the last time: the rows, and the latest status.
size_t CSweepDlg::ShowRunProgress(size_t most)
{
    const std::vector<RunReport> reports = m_run->TakeReports(most);
    std::vector<RunTexts::Row> rows;
    WString status;
    for (const RunReport& report : reports) m_runTexts->Add(report, rows, status);
    for (const RunTexts::Row& row : rows) ShowRow(row);
    if (!status.empty()) SetDlgItemText(IDC_STATIC_STATUS, status.c_str());
    return reports.size();
}

void CSweepDlg::ShowRow(const RunTexts::Row& row)
{
    // A pass's total goes into its heading row, wherever a sort has moved it.
    if (row.sizeOfHeading) {
        const int heading = m_listLog.FindRow(m_headingRow);
        if (heading < 0) return;
        m_listLog.SetCellText(heading, kSizeColumn, row.size.c_str());
        m_listLog.SetSortValue(heading, kSizeColumn, row.bytes);
        return;
    }
    m_listLog.AddRow(row.operation.c_str(), row.object.c_str(), row.size.c_str(),
                     row.changed.c_str());
    // Rows are appended at the end, whatever order a sort has given the rows before.
    const int added = static_cast<int>(m_listLog.Rows().GetRowCount()) - 1;
    if (!row.size.empty()) m_listLog.SetSortValue(added, kSizeColumn, row.bytes);
    if (!row.changed.empty()) m_listLog.SetSortValue(added, kChangedColumn, row.changedAt);
    if (row.heading) m_headingRow = m_listLog.GetRowId(added);
    if (row.pick) {
        m_listLog.SetCheck(added);
        const PathEntry& listed = row.entry;
        m_pickRows.emplace_back(m_listLog.GetRowId(added),
                                PathEntry{WString(), listed.isFile, WString(), listed.unreadable,
                                          listed.size, listed.fileId, listed.lastChange});
    }
}

// The rows still waiting go in tick by tick, as during the run; the run ends after them.
LRESULT CSweepDlg::OnRunEnded(WPARAM wParam, LPARAM lParam)
{
    m_bRunOver = true;
    m_runEnd = static_cast<RunEnd>(wParam);
    m_bRunFaulted = lParam != 0;
    SetTimer(kRunTimer, kRunTimerMilliseconds);
    return OnRunTimer(kRunTimer, 0);
}

void CSweepDlg::FinishRun()
{
    m_run.reset();
    SetRunning(false);
    // Only a preview that listed everything gives picks.
    m_bPicksApply =
        m_listLog.CheckBoxesEnabled() && m_runEnd == RunEnd::Completed && !m_bRunFaulted;
    if (!m_bPicksApply) DropPicks();
    ShowRunEnd(m_runEnd, m_bRunFaulted);
    if (m_bCloseAfterRun) EndDialog(IDCANCEL);
}

void CSweepDlg::ShowRunEnd(RunEnd end, bool faulted)
{
    const WString text = m_runTexts->EndText(end, faulted, m_runFolderText.Text());
    // Nothing was done: the user is told at once, and the options stay as ticked.
    if (end == RunEnd::FolderUnavailable || end == RunEnd::NoRecycleBin) {
        MessageBox(text.c_str(), UiText(IDS_CAPTION), MB_OK | MB_ICONWARNING);
        return;
    }
    SetDlgItemText(IDC_STATIC_STATUS, text.c_str());
    UpdateData(FALSE);
}

void CSweepDlg::SetRunning(bool bRunning)
{
    for (int id : kRunInputs) GetDlgItem(id)->EnableWindow(bRunning ? FALSE : TRUE);
    SetDlgItemText(IDC_BUTTON_CLEAN, UiText(bRunning ? IDS_BUTTON_STOP : IDS_BUTTON_CLEAN));
    // The disabled inputs may have held the focus; the keys must still reach the dialog.
    if (bRunning) ::SetFocus(GetDlgItem(IDC_BUTTON_CLEAN)->GetSafeHwnd());
}

void CSweepDlg::OnCancel()
{
    if (IsRunning()) {
        m_run->Stop();
        m_bCloseAfterRun = true;
        return;
    }
    CDialog::OnCancel();
}

bool CSweepDlg::Inputs::operator==(const Inputs& other) const
{
    return folder == other.folder && keyword == other.keyword && exclusions == other.exclusions &&
           age == other.age &&
           std::equal(std::begin(options), std::end(options), std::begin(other.options));
}

// What a preview's picks depend on; "仅预览" and "移到回收站" say how, not what.
CSweepDlg::Inputs CSweepDlg::CurrentInputs() const
{
    CString folder, keyword, exclusions, age;
    GetDlgItemText(IDC_EDIT_PATH, folder);
    GetDlgItemText(IDC_COMBO_KEYWORD, keyword);
    GetDlgItemText(IDC_EDIT_EXCLUDE, exclusions);
    GetDlgItemText(IDC_EDIT_AGE, age);
    return {folder.Text(),
            keyword.Text(),
            exclusions.Text(),
            age.Text(),
            {m_bExactMatch, m_bMatchCase, m_bDeleteFolders, m_bDeleteFiles}};
}

// The ticked rows' objects, in the order the preview listed them: the run's passes expect
// the walk's order, whatever order a sort has given the rows.
std::shared_ptr<const Picks> CSweepDlg::TickedPicks() const
{
    const LogStore& rows = m_listLog.Rows();
    const WString inside = JoinShown(m_pickShownFolder, WString());
    auto picks = std::make_shared<Picks>();
    for (const auto& pick : m_pickRows) {
        if (rows.GetCheck(pick.first) != 1) continue;
        PathEntry object = pick.second;
        object.path = rows.GetText(pick.first, kObjectColumn);
        // A path not below the folder would name something the preview never listed.
        if (object.path.compare(0, inside.size(), inside) != 0) continue;
        object.relative = object.path.substr(inside.size());
        (object.isFile == 1 ? picks->files : picks->folders).push_back(std::move(object));
    }
    return picks;
}

void CSweepDlg::DropPicks()
{
    m_bPicksApply = false;
    m_pickRows.clear();
    m_listLog.EnableCheckBoxes(FALSE);
}

void CSweepDlg::OnInputChanged()
{
    if (!IsRunning()) DropPicks();
}
