#include "tests/controls/ReportListHost.h"

#include <commctrl.h>

namespace {

const wchar_t kHostClass[] = L"VarnelReportListHost";

void RegisterHostClass()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    ::RegisterClassW(&wc);  // fails harmlessly once registered
}

}  // namespace

ReportListHost::ReportListHost(bool bOnScreen, int width, int height)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    RegisterHostClass();
    HWND hParent = ::CreateWindowExW(
        0, kHostClass, L"host", WS_OVERLAPPEDWINDOW | (bOnScreen ? WS_VISIBLE : 0), 0, 0,
        width + 40, height + 60, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    m_parent.SubclassWindow(hParent);
    HWND hList = ::CreateWindowExW(0, WC_LISTVIEWW, L"List1",
                                   WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT |
                                       LVS_OWNERDATA,
                                   5, 5, width, height, hParent, reinterpret_cast<HMENU>(kListId),
                                   ::GetModuleHandleW(nullptr), nullptr);
    m_list.SubclassWindow(hList);

    m_list.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_list.SendMessage(LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    m_list.SetRowTextColor(RGB(0, 0, 0));
    m_list.SendMessage(LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
}

ReportListHost::~ReportListHost()
{
    HWND hParent = m_parent.GetSafeHwnd();
    if (hParent != nullptr) ::DestroyWindow(hParent);
}

HWND ReportListHost::HeaderWindow() const
{
    return reinterpret_cast<HWND>(::SendMessageW(ListWindow(), LVM_GETHEADER, 0, 0));
}

const CHeaderCtrlCl& ReportListHost::Header() const
{
    return *static_cast<const CHeaderCtrlCl*>(CWnd::FromHandlePermanent(HeaderWindow()));
}

void ReportListHost::AddLogColumns()
{
    RECT rc;
    ::GetClientRect(ListWindow(), &rc);
    m_list.AddColumn(1, L"操作", LVCFMT_LEFT, 100);
    m_list.AddColumn(2, L"操作对象", LVCFMT_LEFT, rc.right - rc.left - 100);
}

void ReportListHost::ClickColumn(int column)
{
    NMLISTVIEW nm = {};
    nm.hdr.hwndFrom = ListWindow();
    nm.hdr.idFrom = kListId;
    nm.hdr.code = LVN_COLUMNCLICK;
    nm.iItem = -1;
    nm.iSubItem = column;
    ::SendMessageW(ParentWindow(), WM_NOTIFY, kListId, reinterpret_cast<LPARAM>(&nm));
}

std::vector<std::wstring> ReportListHost::ShownColumn(int column)
{
    std::vector<std::wstring> texts;
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        texts.push_back(static_cast<const wchar_t*>(m_list.GetItemText(row, column)));
    return texts;
}
