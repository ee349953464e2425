// The clean command: checks the keyword and the folder, then runs the file pass and the folder
// pass as ticked, logging every object with its outcome.
#include "dialog/CSweepDlg.h"

#include <string>

#include "dialog/UiTexts.h"
#include "engine/EmptyFolder.h"
#include "engine/KeywordRules.h"
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
    if (HasIllegalChars(static_cast<LPCSTR>(keywordText))) {
        MessageBox(g_strKeywordIllegal, g_strCaption, MB_OK | MB_ICONWARNING);
        SetDlgItemText(IDC_COMBO_KEYWORD, "");
        return;
    }

    // An empty folder text skips both passes and goes straight to the completion text.
    if (!folderText.IsEmpty()) {
        if (!IsFolderPath(static_cast<LPCSTR>(folderText))) {
            MessageBox("清理路径无效，请确认!", "提示", MB_OK | MB_ICONINFORMATION);
            return;
        }
        UpdateData(TRUE);
        // The log is shown again once the run is over: redrawing it for every row would cost
        // far more than the deletions, and no message is handled until then anyway.
        m_listLog.SetRedraw(FALSE);

        const std::string folder(folderText);
        const std::string keyword(keywordText);
        PathList paths;
        CString heading;

        if (m_bDeleteFiles == 1) {
            if (m_bMatchCase == 1)
                heading.Format("清除包含关键字[%s]的文件(关键字区分大小写)。\r\n",
                               static_cast<LPCSTR>(keywordText));
            else
                heading.Format("清除包含关键字[%s]的文件(关键字不区分大小写)。\r\n",
                               static_cast<LPCSTR>(keywordText));
            FindMatchingFiles(folder, keyword, paths, m_bExactMatch, m_bMatchCase);
            AddHeadingRow(heading);
            DeleteFileList(paths);
            AddBlankRow(m_listLog);
        }
        paths.clear();

        if (m_bDeleteFolders == 1) {
            heading.Format("清除包含关键字[%s]的目录。\r\n", static_cast<LPCSTR>(keywordText));
            FindMatchingFolders(folder, keyword, paths, m_bExactMatch, m_bMatchCase);
            AddHeadingRow(heading);
            DeleteFolderList(paths);
            AddBlankRow(m_listLog);
        }
        m_listLog.SetRedraw(TRUE);
        m_listLog.InvalidateRect(NULL);
    }

    CString status;
    status.Format("清除[%s]完毕!", static_cast<LPCSTR>(folderText));
    SetDlgItemText(IDC_STATIC_STATUS, status);
    UpdateData(FALSE);
}

// Called after the walk and before the first deletion, so the time stamp says when the
// pass began to delete.
void CSweepDlg::AddHeadingRow(const CString& heading)
{
    const std::string stamp = GetTimeStamp();
    m_listLog.AddRow(stamp.c_str(), static_cast<LPCSTR>(heading), "");
}

bool CSweepDlg::DeleteFileList(const PathList& paths)
{
    if (paths.empty()) return false;
    for (const PathEntry& entry : paths) {
        CString status;
        status.Format("正在删除[%s]……", entry.path.c_str());
        SetDlgItemText(IDC_STATIC_STATUS, status);
        const bool deleted = ::DeleteFileA(entry.path.c_str()) == 1;
        m_listLog.AddRow(static_cast<LPCSTR>(deleted ? g_strOk : g_strFail), entry.path.c_str());
    }
    return true;
}

bool CSweepDlg::DeleteFolderList(const PathList& paths)
{
    if (paths.empty()) return false;
    for (const PathEntry& entry : paths) {
        EmptyFolder(std::string(entry.path));
        const bool removed = ::RemoveDirectoryA(entry.path.c_str()) == 1;
        // Written once the folder is gone, unlike the file pass.
        CString status;
        status.Format("正在删除 %s ……", entry.path.c_str());
        SetDlgItemText(IDC_STATIC_STATUS, status);
        m_listLog.AddRow(static_cast<LPCSTR>(removed ? g_strOk : g_strFail), entry.path.c_str());
    }
    return true;
}

void CSweepDlg::AddBlankRow(CListCtrlCl& list)
{
    list.AddRow("", "", "");
}
