// The main window: folder and keyword input, options, the operation log and the clean command.
#pragma once

#include "controls/CButtonCl.h"
#include "controls/CListCtrlCl.h"
#include "engine/PathList.h"

class FolderChain;
#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CStatic.h"
#include "framework/MessageMap.h"

class CSweepDlg : public CDialog {
public:
    explicit CSweepDlg(CWnd* pParent = NULL);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnButtonBrowse();
    void OnButtonClean();
    void OnDropFiles(HDROP hDropInfo);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);

    DECLARE_MESSAGE_MAP()

private:
    void InitControlTexts();
    void InitLogList();

    // Clean command companions (CleanCommand.cpp).
    void AddHeadingRow(const CString& heading);
    bool DeleteFileList(const PathList& list);
    bool DeleteFolderList(const PathList& list, FolderChain& chain);
    void AddBlankRow(CListCtrlCl& list);

    CListCtrlCl m_listLog;
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
    HICON m_hIcon;
};
