// The clean command: checks the keyword and the folder, then runs the file pass and the folder
// pass as ticked, logging every object with its outcome.
#include "dialog/CSweepDlg.h"

#include "dialog/UiTexts.h"
#include "engine/Deletion.h"
#include "engine/KeywordRules.h"
#include "engine/LongPath.h"
#include "engine/OpenObject.h"
#include "engine/PathCheck.h"
#include "engine/TimeStamp.h"
#include "engine/TreeWalk.h"
#include "res/resource.h"

void CSweepDlg::OnButtonClean()
{
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

    // An empty folder text skips both passes and goes straight to the completion text.
    if (!folderText.IsEmpty()) {
        // One absolute folder is both checked and walked; the log shows it without the
        // \\?\ form the system is given.
        const WString shown = GetAbsolutePath(folderText.Text());
        const WString folder = ToLongPath(shown);
        if (shown.empty() || !IsFolderPath(folder.c_str())) {
            MessageBox(L"清理路径无效，请确认!", L"提示", MB_OK | MB_ICONINFORMATION);
            return;
        }
        UpdateData(TRUE);
        const std::shared_ptr<const OpenObject> root = OpenObject::OpenRoot(folder);
        if (!root) {
            MessageBox(L"无法打开清理路径或核实它的位置，未删除任何对象，请确认!", L"提示",
                       MB_OK | MB_ICONWARNING);
            return;
        }
        // The log is shown again once the run is over: redrawing it for every row would cost
        // far more than the deletions, and no message is handled until then anyway.
        m_listLog.SetRedraw(FALSE);

        PathList files, folders;
        const std::atomic<bool> notStopped(false);
        FindMatches(root, shown, keywordText.Text(), m_bExactMatch, m_bMatchCase,
                    m_bDeleteFiles == 1 ? &files : nullptr,
                    m_bDeleteFolders == 1 ? &folders : nullptr, notStopped);
        CString heading;
        if (m_bDeleteFiles == 1) {
            if (m_bMatchCase == 1)
                heading.Format(L"清除包含关键字[%s]的文件(关键字区分大小写)。\r\n",
                               static_cast<LPCWSTR>(keywordText));
            else
                heading.Format(L"清除包含关键字[%s]的文件(关键字不区分大小写)。\r\n",
                               static_cast<LPCWSTR>(keywordText));
            AddHeadingRow(heading);
            DeleteFileList(files);
            AddBlankRow(m_listLog);
        }
        files.clear();

        if (m_bDeleteFolders == 1) {
            heading.Format(L"清除包含关键字[%s]的目录。\r\n", static_cast<LPCWSTR>(keywordText));
            AddHeadingRow(heading);
            FolderChain chain(root);
            DeleteFolderList(folders, chain);
            AddBlankRow(m_listLog);
        }
        m_listLog.SetRedraw(TRUE);
        m_listLog.InvalidateRect(NULL);
    }

    CString status;
    status.Format(L"清除[%s]完毕!", static_cast<LPCWSTR>(folderText));
    SetDlgItemText(IDC_STATIC_STATUS, status);
    UpdateData(FALSE);
}

// Called after the walk and before the first deletion, so the time stamp says when the
// pass began to delete.
void CSweepDlg::AddHeadingRow(const CString& heading)
{
    const WString stamp = GetTimeStamp();
    m_listLog.AddRow(stamp.c_str(), static_cast<LPCWSTR>(heading), L"");
}

bool CSweepDlg::DeleteFileList(const PathList& list)
{
    if (list.empty()) return false;
    for (const PathEntry& entry : list) {
        CString status;
        status.Format(L"正在删除[%s]……", entry.path.c_str());
        SetDlgItemText(IDC_STATIC_STATUS, status);
        const bool deleted = DeleteCollectedFile(entry);
        m_listLog.AddRow(static_cast<LPCWSTR>(deleted ? g_strOk : g_strFail), entry.path.c_str());
    }
    return true;
}

bool CSweepDlg::DeleteFolderList(const PathList& list, FolderChain& chain)
{
    if (list.empty()) return false;
    for (const PathEntry& entry : list) {
        const bool removed = DeleteCollectedFolder(entry, chain);
        // Written once the folder is gone, unlike the file pass.
        CString status;
        status.Format(L"正在删除 %s ……", entry.path.c_str());
        SetDlgItemText(IDC_STATIC_STATUS, status);
        m_listLog.AddRow(static_cast<LPCWSTR>(removed ? g_strOk : g_strFail), entry.path.c_str());
    }
    return true;
}

void CSweepDlg::AddBlankRow(CListCtrlCl& list)
{
    list.AddRow(L"", L"", L"");
}
