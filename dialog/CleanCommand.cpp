// The clean command: checks the keyword and the folder, then runs the file pass and the folder
// pass as ticked, logging every object with its outcome.
#include "dialog/CSweepDlg.h"

#include "dialog/UiTexts.h"
#include "engine/EmptyFolder.h"
#include "engine/KeywordRules.h"
#include "engine/LongPath.h"
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
        const WString absolute = GetAbsolutePath(folderText.Text());
        const WString folder = ToLongPath(absolute);
        if (absolute.empty() || !IsFolderPath(folder.c_str())) {
            MessageBox(L"清理路径无效，请确认!", L"提示", MB_OK | MB_ICONINFORMATION);
            return;
        }
        UpdateData(TRUE);
        // The log is shown again once the run is over: redrawing it for every row would cost
        // far more than the deletions, and no message is handled until then anyway.
        m_listLog.SetRedraw(FALSE);

        const WString& keyword = keywordText.Text();
        const LogPaths paths{folder, absolute};
        PathList list;
        CString heading;

        if (m_bDeleteFiles == 1) {
            if (m_bMatchCase == 1)
                heading.Format(L"清除包含关键字[%s]的文件(关键字区分大小写)。\r\n",
                               static_cast<LPCWSTR>(keywordText));
            else
                heading.Format(L"清除包含关键字[%s]的文件(关键字不区分大小写)。\r\n",
                               static_cast<LPCWSTR>(keywordText));
            FindMatchingFiles(folder, keyword, list, m_bExactMatch, m_bMatchCase);
            AddHeadingRow(heading);
            DeleteFileList(list, paths);
            AddBlankRow(m_listLog);
        }
        list.clear();

        if (m_bDeleteFolders == 1) {
            heading.Format(L"清除包含关键字[%s]的目录。\r\n", static_cast<LPCWSTR>(keywordText));
            FindMatchingFolders(folder, keyword, list, m_bExactMatch, m_bMatchCase);
            AddHeadingRow(heading);
            DeleteFolderList(list, paths);
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

WString CSweepDlg::LogPaths::Shown(const WString& path) const
{
    return path.compare(0, walked.size(), walked) == 0 ? shown + path.substr(walked.size()) : path;
}

// Called after the walk and before the first deletion, so the time stamp says when the
// pass began to delete.
void CSweepDlg::AddHeadingRow(const CString& heading)
{
    const WString stamp = GetTimeStamp();
    m_listLog.AddRow(stamp.c_str(), static_cast<LPCWSTR>(heading), L"");
}

bool CSweepDlg::DeleteFileList(const PathList& list, const LogPaths& paths)
{
    if (list.empty()) return false;
    for (const PathEntry& entry : list) {
        const WString shown = paths.Shown(entry.path);
        CString status;
        status.Format(L"正在删除[%s]……", shown.c_str());
        SetDlgItemText(IDC_STATIC_STATUS, status);
        const bool deleted = ::DeleteFileW(entry.path.c_str()) == 1;
        m_listLog.AddRow(static_cast<LPCWSTR>(deleted ? g_strOk : g_strFail), shown.c_str());
    }
    return true;
}

bool CSweepDlg::DeleteFolderList(const PathList& list, const LogPaths& paths)
{
    if (list.empty()) return false;
    for (const PathEntry& entry : list) {
        EmptyFolder(WString(entry.path));
        const bool removed = ::RemoveDirectoryW(entry.path.c_str()) == 1;
        // Written once the folder is gone, unlike the file pass.
        const WString shown = paths.Shown(entry.path);
        CString status;
        status.Format(L"正在删除 %s ……", shown.c_str());
        SetDlgItemText(IDC_STATIC_STATUS, status);
        m_listLog.AddRow(static_cast<LPCWSTR>(removed ? g_strOk : g_strFail), shown.c_str());
    }
    return true;
}

void CSweepDlg::AddBlankRow(CListCtrlCl& list)
{
    list.AddRow(L"", L"", L"");
}
