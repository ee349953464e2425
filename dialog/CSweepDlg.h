// The main window: folder and keyword input, options, the operation log and the clean command.
#pragma once

#include "controls/CButtonCl.h"
#include "controls/CListCtrlCl.h"
#include "dialog/LogExport.h"
#include "dialog/RunTexts.h"
#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CStatic.h"
#include "framework/MessageMap.h"

#include <memory>
#include <utility>
#include <vector>

// Posted by the run's thread when the run is over: the RunEnd, and 1 when a fault ended it.
const UINT WM_RUN_ENDED = WM_APP + 1;
// Posted by the run's thread when reports wait to be shown.
const UINT WM_RUN_REPORTS = WM_APP + 2;

class CSweepDlg : public CDialog, private ICleanJobOwner {
public:
    explicit CSweepDlg(CWnd* pParent = NULL);
    // A run still going is stopped and waited for.
    ~CSweepDlg() override;
    // The folder box opens with this folder rather than the drag hint.
    void SetFolder(const WString& folder) { m_startFolder = folder; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Escape, "退出" and the close box: a run still going is stopped first.
    void OnCancel() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnButtonBrowse();
    void OnButtonClean();
    // The folder text, the keyword or an option changed: a preview's picks no longer apply.
    void OnInputChanged();
    // "移到回收站": the warning line says whether removed objects can be restored.
    void OnRecycleChanged();
    void OnDropFiles(HDROP hDropInfo);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    LRESULT OnRunReports(WPARAM wParam, LPARAM lParam);
    LRESULT OnRunTimer(WPARAM wParam, LPARAM lParam);
    LRESULT OnRunEnded(WPARAM wParam, LPARAM lParam);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    // The log's context menu and its Ctrl+C and Ctrl+A (LogMenu).
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    // A copy's text is ready, or a log could not be saved (LogExport).
    LRESULT OnLogCopied(WPARAM wParam, LPARAM lParam);
    LRESULT OnLogSaveFailed(WPARAM wParam, LPARAM lParam);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    DECLARE_MESSAGE_MAP()

private:
    void InitControlTexts();
    void InitLogList();
    void SizeLogColumns(UINT dpi);
    // Sizes the columns again when the list's client width changed (its scroll bar came).
    void FitLogColumns();
    void SetIcons(UINT dpi);

    // The clean run (CleanCommand.cpp): started as a job on its own thread, shown as it goes.
    // exclusionsText: the exclusions as typed, for the headings.
    void StartRun(const CleanRequest& request, const WString& exclusionsText);
    bool IsRunning() const { return m_run != nullptr; }
    void ReportsWaiting() override;
    void RunEnded(RunEnd end, bool faulted) override;
    // Shows at most `most` of the reports that wait; returns how many it showed.
    size_t ShowRunProgress(size_t most);
    void ShowRow(const RunTexts::Row& row);
    // The list view told of the rows taken in, the newest in view.
    void ShowNewRows(DWORD now);
    // The run is over and every row it reported is shown.
    void FinishRun();
    void ShowRunEnd(RunEnd end, bool faulted);
    // During a run the inputs are disabled and "现在清理" is "停止".
    void SetRunning(bool bRunning);

    // A preview's picks (CleanCommand.cpp): each "○" row carries a box, and the run that
    // follows with the same inputs deletes the ticked objects only.
    struct Inputs {
        WString folder;
        WString keyword;
        WString exclusions;
        WString age;
        int options[4];
        bool operator==(const Inputs& other) const;
    };
    Inputs CurrentInputs() const;
    std::shared_ptr<const Picks> TickedPicks() const;
    void DropPicks();

    CListCtrlCl m_listLog;
    LogExports m_logExports;
    CEdit m_editPath;
    CStatic m_staticPathLabel;
    CButtonCl m_btnExit;
    CButtonCl m_btnClean;
    CButtonCl m_btnBrowse;
    int m_bExactMatch;
    int m_bMatchCase;
    int m_bDeleteFolders;
    int m_bDeleteFiles;
    CStatic m_staticGroup;
    CStatic m_staticKeywordLabel;
    CStatic m_staticStatus;
    CStatic m_staticWarning;
    CComboBox m_comboKeyword;
    HICON m_hIcon;  // both made for the window's scale, and owned
    HICON m_hSmallIcon;
    int m_bPreviewOnly;
    int m_bToRecycleBin;

    // The run in hand.
    std::unique_ptr<CleanJob> m_run;
    std::unique_ptr<RunTexts> m_runTexts;
    HWND m_hRunWindow;  // what the job's thread posts to: set before it starts, never while it goes
    CString m_runFolderText;  // the folder text as read when the run began
    bool m_bRunOver;          // the job has ended; its last rows may still wait
    bool m_bReportsDrained;   // the last take left no report waiting
    RunEnd m_runEnd;
    bool m_bRunFaulted;
    size_t m_headingRow;      // the log's id of the pass's heading row, which sorting may move
    int m_fittedLogWidth;     // the list's client width the columns were last sized for
    DWORD m_logShownAt;       // when the list view was last told of new rows

    // The preview whose picks apply: its inputs, the folder as its log shows it, and its "○"
    // rows (the log's ids) with their objects, in the order listed. An object keeps no path:
    // its row has it.
    bool m_bPicksApply;
    Inputs m_pickInputs;
    WString m_pickShownFolder;
    std::vector<std::pair<size_t, PathEntry>> m_pickRows;
    bool m_bCloseAfterRun;
    WString m_startFolder;
};
