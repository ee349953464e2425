#include "tests/support/MessageBoxCapture.h"

#include "tests/support/WindowText.h"

namespace {

MessageBoxCapture* g_pActive = nullptr;

// A message box is a dialog with its text in static 0xFFFF that the system makes, not one
// from this program's templates (whose IDC_STATIC items also have the id 0xFFFF).
bool IsMessageBox(HWND hWnd)
{
    wchar_t className[16] = {};
    GetClassNameW(hWnd, className, 16);
    return lstrcmpW(className, L"#32770") == 0 && GetDlgItem(hWnd, 0xFFFF) != nullptr &&
           reinterpret_cast<HMODULE>(GetWindowLongPtrW(hWnd, GWLP_HINSTANCE)) !=
               GetModuleHandleW(nullptr);
}

struct IconSearch {
    UINT icon = 0;
};

// The box shows one of the system's shared icons in a static; tell which.
BOOL CALLBACK FindIcon(HWND hWnd, LPARAM lParam)
{
    HICON shown = reinterpret_cast<HICON>(SendMessageW(hWnd, STM_GETICON, 0, 0));
    if (shown == nullptr) return TRUE;
    static const struct {
        LPCWSTR id;
        UINT type;
    } kIcons[] = {{IDI_HAND, MB_ICONHAND},
                  {IDI_QUESTION, MB_ICONQUESTION},
                  {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                  {IDI_ASTERISK, MB_ICONASTERISK}};
    for (const auto& icon : kIcons) {
        if (LoadIconW(nullptr, icon.id) == shown) {
            reinterpret_cast<IconSearch*>(lParam)->icon = icon.type;
            return FALSE;
        }
    }
    return TRUE;
}

}  // namespace

MessageBoxCapture::MessageBoxCapture(int answer)
    : m_hook(SetWindowsHookExW(WH_CBT, &HookProc, nullptr, GetCurrentThreadId())),
      m_answer(answer)
{
    g_pActive = this;
}

MessageBoxCapture::~MessageBoxCapture()
{
    UnhookWindowsHookEx(m_hook);
    g_pActive = nullptr;
}

LRESULT CALLBACK MessageBoxCapture::HookProc(int code, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_pActive != nullptr && IsMessageBox(hWnd)) {
        IconSearch search;
        EnumChildWindows(hWnd, &FindIcon, reinterpret_cast<LPARAM>(&search));
        g_pActive->m_boxes.push_back({WindowText(GetDlgItem(hWnd, 0xFFFF)), WindowText(hWnd),
                                      search.icon, GetWindow(hWnd, GW_OWNER)});
        PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(g_pActive->m_answer, BN_CLICKED), 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
