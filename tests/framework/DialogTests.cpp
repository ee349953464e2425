// Modal dialogs, data exchange, control binding and reflection, message boxes.
#include <gtest/gtest.h>

#include "framework/CHeaderCtrl.h"
#include "framework/CWinApp.h"
#include "tests/framework/TestDialog.h"
#include "tests/support/MessageBoxCapture.h"

namespace {

int Checked(const CWnd& dlg, int nID)
{
    return static_cast<int>(SendDlgItemMessageW(dlg.m_hWnd, nID, BM_GETCHECK, 0, 0));
}

TEST(DialogTest, ModalRunBindsControlsBeforeTheirFirstMessageAndEnds)
{
    TestDialog dlg;
    HWND hWndButton = nullptr;
    LONG buttonType = -1;
    dlg.whenShown = [&](TestDialog& d) {
        hWndButton = GetDlgItem(d.m_hWnd, IDC_DRAWN);
        buttonType = GetWindowLongW(hWndButton, GWL_STYLE) & BS_TYPEMASK;
        UpdateWindow(d.m_hWnd);
        d.EndDialog(1234);
    };
    EXPECT_EQ(dlg.DoModal(), 1234);
    EXPECT_EQ(dlg.events,
              (std::vector<std::wstring>{L"OnInitDialog", L"DoDataExchange(show)", L"shown"}));

    // PreSubclassWindow saw the window before any message reached the object.
    EXPECT_EQ(dlg.m_btnDrawn.hWndAtPreSubclass, hWndButton);
    EXPECT_EQ(dlg.m_btnDrawn.messagesAtPreSubclass, 0);
    EXPECT_FALSE(dlg.m_btnDrawn.boundAtPreSubclass);
    EXPECT_EQ(buttonType, static_cast<LONG>(BS_OWNERDRAW));
    EXPECT_FALSE(dlg.m_btnDrawn.messages.empty());
    // It made the button owner-drawn, and the dialog's draw requests reached DrawItem.
    ASSERT_FALSE(dlg.m_btnDrawn.draws.empty());
    EXPECT_EQ(dlg.m_btnDrawn.draws[0].CtlID, static_cast<UINT>(IDC_DRAWN));
    EXPECT_EQ(dlg.m_btnDrawn.draws[0].hwndItem, hWndButton);

    // The bindings ended with the windows.
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_btnDrawn.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_list.m_hWnd, nullptr);
}

TEST(DialogTest, CheckBoxesExchangeBothWays)
{
    TestDialog dlg;
    dlg.m_bCheckA = 0;
    dlg.m_bCheckB = 1;
    std::vector<int> seen;
    dlg.whenShown = [&](TestDialog& d) {
        seen.push_back(Checked(d, IDC_CHECK_A));  // shown by the first exchange
        seen.push_back(Checked(d, IDC_CHECK_B));
        CheckDlgButton(d.m_hWnd, IDC_CHECK_A, BST_CHECKED);
        CheckDlgButton(d.m_hWnd, IDC_CHECK_B, BST_UNCHECKED);
        EXPECT_TRUE(d.UpdateData(TRUE));
        seen.push_back(d.m_bCheckA);
        seen.push_back(d.m_bCheckB);
        d.m_bCheckA = 0;
        d.m_bCheckB = 7;  // out of range: shown clear
        EXPECT_TRUE(d.UpdateData(FALSE));
        seen.push_back(Checked(d, IDC_CHECK_A));
        seen.push_back(Checked(d, IDC_CHECK_B));
        seen.push_back(d.m_bCheckB);
        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 1, 0, 0, 0, 0}));
}

TEST(DialogTest, UnsetCheckValueShowsClear)
{
    TestDialog dlg;
    dlg.m_bCheckA = -858993460;  // what an uninitialised int often holds
    int shown = -1;
    dlg.whenShown = [&](TestDialog& d) {
        shown = Checked(d, IDC_CHECK_A);
        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    EXPECT_EQ(shown, 0);
}

// How the dialog is closed decides its result and whether OnOK read the controls.
TEST(DialogTest, OkAndCancelPathsEndTheDialog)
{
    struct Row {
        const wchar_t* how;
        void (*close)(TestDialog&);
        int result;
        int checkAAfter;  // m_bCheckA after the run (the box was ticked during it)
    };
    const Row rows[] = {
        {L"OK button", [](TestDialog& d) { SendDlgItemMessageW(d.m_hWnd, IDOK, BM_CLICK, 0, 0); },
         IDOK, 1},
        {L"cancel button",
         [](TestDialog& d) { SendDlgItemMessageW(d.m_hWnd, IDCANCEL, BM_CLICK, 0, 0); }, IDCANCEL,
         0},
        {L"close command", [](TestDialog& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE); }, IDCANCEL,
         0},
        {L"Escape key",
         [](TestDialog& d) {
             SetFocus(GetDlgItem(d.m_hWnd, IDC_EDIT));
             PostMessageW(GetDlgItem(d.m_hWnd, IDC_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
         },
         IDCANCEL, 0},
    };
    for (const Row& row : rows) {
        TestDialog dlg;
        dlg.whenShown = [&](TestDialog& d) {
            CheckDlgButton(d.m_hWnd, IDC_CHECK_A, BST_CHECKED);
            row.close(d);
        };
        EXPECT_EQ(dlg.DoModal(), row.result) << row.how;
        EXPECT_EQ(dlg.m_bCheckA, row.checkAAfter) << row.how;
    }
}

TEST(DialogTest, MissingItemFailsTheFirstExchangeAndEndsTheDialog)
{
    TestDialog dlg;
    dlg.bindMissingItem = TRUE;
    bool shown = false;
    dlg.whenShown = [&](TestDialog& d) {
        shown = true;
        d.EndDialog(IDCANCEL);
    };
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_FALSE(shown);
}

TEST(DialogTest, ColumnClickIsReflectedToTheList)
{
    TestDialog dlg;
    int headerItems = -1;
    dlg.whenShown = [&](TestDialog& d) {
        d.m_list.InsertColumn(0, L"a", LVCFMT_LEFT, 60);
        d.m_list.InsertColumn(1, L"b", LVCFMT_LEFT, 60);
        CHeaderCtrl* pHeader = d.m_list.GetHeaderCtrl();
        if (pHeader != nullptr) {
            headerItems = pHeader->GetItemCount();
            CRect item;
            pHeader->GetItemRect(1, item);
            LPARAM at = MAKELPARAM(item.CenterPoint().x, item.CenterPoint().y);
            pHeader->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
            pHeader->SendMessage(WM_LBUTTONUP, 0, at);
        }
        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    EXPECT_EQ(headerItems, 2);
    EXPECT_EQ(dlg.m_list.clickedColumns, std::vector<int>{1});
}

TEST(DialogTest, MeasureRequestIsReflectedToTheBoundControlOnly)
{
    TestDialog dlg;
    dlg.whenShown = [&](TestDialog& d) {
        MEASUREITEMSTRUCT list = {ODT_LISTVIEW, IDC_LIST, 0, 0, 14, 0};
        d.SendMessage(WM_MEASUREITEM, IDC_LIST, reinterpret_cast<LPARAM>(&list));
        MEASUREITEMSTRUCT label = {ODT_STATIC, IDC_LABEL, 0,
                                   0,          14,        0};  // no object: nothing to reach
        d.SendMessage(WM_MEASUREITEM, IDC_LABEL, reinterpret_cast<LPARAM>(&label));
        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    EXPECT_EQ(dlg.m_list.measured, 1);
}

TEST(DialogTest, MessageBoxIsOwnedByTheWindowWithCaptionTextAndIcon)
{
    struct Row {
        UINT type;
        UINT icon;
    };
    const Row rows[] = {{MB_OK | MB_ICONWARNING, MB_ICONEXCLAMATION},
                        {MB_OK | MB_ICONINFORMATION, MB_ICONASTERISK},
                        {MB_OK | MB_ICONERROR, MB_ICONHAND},
                        {MB_OK, 0}};
    for (const Row& row : rows) {
        TestDialog dlg;
        HWND hWndDialog = nullptr;
        int answer = 0;
        MessageBoxCapture capture;
        dlg.whenShown = [&](TestDialog& d) {
            hWndDialog = d.m_hWnd;
            answer = d.MessageBox(L"关键字不能为空，请输入关键字!", L"提示", row.type);
            d.EndDialog(IDCANCEL);
        };
        dlg.DoModal();
        ASSERT_EQ(capture.boxes().size(), 1u) << row.type;
        const CapturedMessageBox& box = capture.boxes()[0];
        EXPECT_EQ(box.text, L"关键字不能为空，请输入关键字!");
        EXPECT_EQ(box.caption, L"提示");
        EXPECT_EQ(box.icon, row.icon) << row.type;
        EXPECT_EQ(box.owner, hWndDialog);
        EXPECT_EQ(answer, IDOK);
    }
}

// A dialog without a parent is owned by the main window, which it disables while it runs.
TEST(DialogTest, NestedDialogIsOwnedByTheMainWindow)
{
    CWinApp app;
    TestDialog outer;
    TestDialog inner;
    HWND owner = nullptr;
    BOOL outerEnabled = TRUE;
    inner.whenShown = [&](TestDialog& d) {
        owner = GetWindow(d.m_hWnd, GW_OWNER);
        outerEnabled = IsWindowEnabled(outer.m_hWnd);
        d.EndDialog(IDOK);
    };
    HWND hWndOuter = nullptr;
    outer.whenShown = [&](TestDialog& d) {
        hWndOuter = d.m_hWnd;
        inner.DoModal();
        d.EndDialog(IDOK);
    };
    app.m_pMainWnd = &outer;
    outer.DoModal();
    EXPECT_EQ(owner, hWndOuter);
    EXPECT_FALSE(outerEnabled);
    // The main window's destruction cleared the application's pointer.
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

}  // namespace
