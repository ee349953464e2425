#pragma once
// The tests' dialog (template IDD_TEST) with controls that record what reaches them.
#include <functional>
#include <string>
#include <vector>

#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CListCtrl.h"
#include "tests/framework/TestDialogIds.h"

// Owner-drawn button: paints its face in kFace and records its messages and draw requests.
class RecordingButton : public CButton {
public:
    static constexpr COLORREF kFace = RGB(10, 200, 30);

    std::vector<UINT> messages;      // messages that reached the object, in order
    int messagesAtPreSubclass = -1;  // messages seen when PreSubclassWindow ran
    HWND hWndAtPreSubclass = NULL;
    bool boundAtPreSubclass = true;  // the window already sent its messages here
    std::vector<DRAWITEMSTRUCT> draws;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Report list that records reflected column clicks and measure requests.
class RecordingList : public CListCtrl {
public:
    std::vector<int> clickedColumns;
    int measured = 0;

protected:
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    DECLARE_MESSAGE_MAP()
};

class TestDialog : public CDialog {
public:
    static constexpr UINT WM_APP_SHOWN = WM_APP + 1;

    TestDialog()
        : CDialog(IDD_TEST)
    {
    }

    // Runs inside the modal loop once the dialog is up (posted from OnInitDialog); it must end
    // the dialog.
    std::function<void(TestDialog&)> whenShown;
    std::vector<std::wstring> events;
    BOOL bindMissingItem = FALSE;  // exchange an item the template lacks

    int m_bCheckA = 0;
    int m_bCheckB = 1;
    RecordingButton m_btnDrawn;
    RecordingList m_list;
    CEdit m_edit;

    BOOL OnInitDialog() override;
    using CWnd::SendMessage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    afx_msg LRESULT OnShown(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
