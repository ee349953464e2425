#include "tests/dialog/SweepDlgDriver.h"

#include <commctrl.h>
#include <shlobj.h>
#include <cstring>

#include "dialog/CSweepDlg.h"
#include "res/resource.h"
#include "tests/support/WindowText.h"

namespace {

const std::function<void(SweepDlgDriver&)>* g_body = nullptr;
CSweepDlg* g_dialog = nullptr;
ActivationWatch* g_watch = nullptr;

}  // namespace

// A thread timer has no window, so the modal loop dispatches it straight to this callback.
void CALLBACK SweepDlgDriver::RunBody(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(NULL, id);
    const HWND hDlg = g_dialog->m_hWnd;
    SweepDlgDriver driver(hDlg);
    (*g_body)(driver);
    // An ended dialog is hidden at once; only a dialog still shown is ended here.
    if (::IsWindowVisible(hDlg)) ::EndDialog(hDlg, kEndedByDriver);
}

INT_PTR SweepDlgDriver::Run(const std::function<void(SweepDlgDriver&)>& body)
{
    CSweepDlg dialog;
    g_dialog = &dialog;
    g_body = &body;
    ::SetTimer(NULL, 0, 0, RunBody);
    const INT_PTR result = dialog.DoModal();
    g_dialog = nullptr;
    g_body = nullptr;
    return result;
}

void SweepDlgDriver::SetText(int id, const std::wstring& text)
{
    ::SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring SweepDlgDriver::Text(int id) const
{
    return WindowText(Item(id));
}

void SweepDlgDriver::SetCheck(int id, bool checked)
{
    ::SendMessageW(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool SweepDlgDriver::IsChecked(int id) const
{
    return ::SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SweepDlgDriver::Click(int id)
{
    ::SendMessageW(Item(id), BM_CLICK, 0, 0);
}

void SweepDlgDriver::Clean(const std::wstring& keyword, const std::wstring& folder)
{
    StartClean(keyword, folder);
    EXPECT_TRUE(WaitForRun()) << "the run did not end within a minute";
}

void SweepDlgDriver::StartClean(const std::wstring& keyword, const std::wstring& folder)
{
    SetText(IDC_COMBO_KEYWORD, keyword);
    SetText(IDC_EDIT_PATH, folder);
    Click(IDC_BUTTON_CLEAN);
}

bool SweepDlgDriver::WaitForRun(DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        HandlePending();
        // The run's end turns the button back first, also when it then closes the dialog.
        if (Text(IDC_BUTTON_CLEAN) == L"现在清理") return true;
        if (::GetTickCount() - start > milliseconds) return false;
        ::MsgWaitForMultipleObjectsEx(0, nullptr, 100, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void SweepDlgDriver::HandlePending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

std::vector<SweepDlgDriver::Row> SweepDlgDriver::Rows() const
{
    const HWND hList = Item(IDC_LIST_LOG);
    const int count = static_cast<int>(::SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0));
    std::vector<Row> rows;
    for (int i = 0; i < count; ++i) {
        std::wstring cells[2];
        for (int column = 0; column < 2; ++column) {
            wchar_t buffer[4096] = {};
            LVITEMW item = {};
            item.iSubItem = column;
            item.pszText = buffer;
            item.cchTextMax = 4096;
            ::SendMessageW(hList, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
            cells[column] = buffer;
        }
        rows.emplace_back(cells[0], cells[1]);
    }
    return rows;
}

HGLOBAL SweepDlgDriver::DropFiles(const std::vector<std::wstring>& paths)
{
    // DROPFILES header, then the UTF-16 paths, each NUL-terminated, and a closing NUL.
    size_t size = sizeof(DROPFILES) + sizeof(wchar_t);
    for (const std::wstring& path : paths) size += (path.size() + 1) * sizeof(wchar_t);
    const HGLOBAL hDrop = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(hDrop));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    wchar_t* text = reinterpret_cast<wchar_t*>(header + 1);
    for (const std::wstring& path : paths) {
        std::memcpy(text, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
        text += path.size() + 1;
    }
    ::GlobalUnlock(hDrop);
    ::SendMessageW(m_hDlg, WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop), 0);
    return hDrop;
}

ActivationWatch::ActivationWatch(std::function<void(HWND)> onShown)
    : m_onShown(std::move(onShown)),
      m_hook(::SetWindowsHookExW(WH_CBT, Hook, NULL, ::GetCurrentThreadId()))
{
    g_watch = this;
}

ActivationWatch::~ActivationWatch()
{
    ::UnhookWindowsHookEx(m_hook);
    g_watch = nullptr;
}

LRESULT CALLBACK ActivationWatch::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && g_watch != nullptr) {
        const HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (g_dialog == nullptr || hWnd != g_dialog->m_hWnd) {
            ++g_watch->m_count;
            g_watch->m_onShown(hWnd);
        }
    }
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}
