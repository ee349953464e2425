#include "tests/framework/TestDialog.h"

#include "framework/CDC.h"

void RecordingButton::PreSubclassWindow()
{
    messagesAtPreSubclass = static_cast<int>(messages.size());
    hWndAtPreSubclass = m_hWnd;
    boundAtPreSubclass = FromHandlePermanent(m_hWnd) == this;
    CButton::PreSubclassWindow();
    ModifyStyle(0, BS_OWNERDRAW);
}

LRESULT RecordingButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    messages.push_back(message);
    return CButton::WindowProc(message, wParam, lParam);
}

void RecordingButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    draws.push_back(*lpDrawItemStruct);
    CDC::FromHandle(lpDrawItemStruct->hDC)->FillSolidRect(&lpDrawItemStruct->rcItem, kFace);
}

BEGIN_MESSAGE_MAP(RecordingList, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

void RecordingList::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    clickedColumns.push_back(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem);
    *pResult = 0;
}

void RecordingList::MeasureItem(LPMEASUREITEMSTRUCT)
{
    ++measured;
}

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_MESSAGE(WM_APP_SHOWN, OnShown)
END_MESSAGE_MAP()

BOOL TestDialog::OnInitDialog()
{
    events.push_back(L"OnInitDialog");
    BOOL bFocus = CDialog::OnInitDialog();
    PostMessage(WM_APP_SHOWN);
    return bFocus;
}

void TestDialog::DoDataExchange(CDataExchange* pDX)
{
    events.push_back(pDX->m_bSaveAndValidate ? L"DoDataExchange(save)" : L"DoDataExchange(show)");
    DDX_Control(pDX, IDC_DRAWN, m_btnDrawn);
    DDX_Control(pDX, IDC_LIST, m_list);
    DDX_Control(pDX, IDC_EDIT, m_edit);
    DDX_Check(pDX, IDC_CHECK_A, m_bCheckA);
    DDX_Check(pDX, IDC_CHECK_B, m_bCheckB);
    if (bindMissingItem) DDX_Check(pDX, IDC_MISSING, m_bCheckA);
}

void TestDialog::OnOK()
{
    events.push_back(L"OnOK");
    CDialog::OnOK();
}

LRESULT TestDialog::OnShown(WPARAM, LPARAM)
{
    events.push_back(L"shown");
    if (whenShown) whenShown(*this);
    return 0;
}
