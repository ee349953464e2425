#include "tests/support/MessageBoxCapture.h"

namespace {

MessageBoxCapture* g_pActive = nullptr;

std::string WindowText(HWND hWnd)
{
    char buffer[4096] = {};
    GetWindowTextA(hWnd, buffer, sizeof buffer);
    return buffer;
}

// A message box is a dialog with its text in static 0xFFFF that the system makes, not one
// from this program's templates (whose IDC_STATIC items also have the id 0xFFFF).
bool IsMessageBox(HWND hWnd)
{
    char className[16] = {};
    GetClassNameA(hWnd, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0 && GetDlgItem(hWnd, 0xFFFF) != nullptr &&
           reinterpret_cast<HMODULE>(GetWindowLongPtrA(hWnd, GWLP_HINSTANCE)) !=
               GetModuleHandleA(nullptr);
}

struct IconSearch {
    UINT icon = 0;
};

// The box shows one of the system's shared icons in a static; tell which.
BOOL CALLBACK FindIcon(HWND hWnd, LPARAM lParam)
{
    HICON shown = reinterpret_cast<HICON>(SendMessageA(hWnd, STM_GETICON, 0, 0));
    if (shown == nullptr) return TRUE;
    static const struct {
        LPCSTR id;
        UINT type;
    } kIcons[] = {{IDI_HAND, MB_ICONHAND},
                  {IDI_QUESTION, MB_ICONQUESTION},
                  {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                  {IDI_ASTERISK, MB_ICONASTERISK}};
    for (const auto& icon : kIcons) {
        if (LoadIconA(nullptr, icon.id) == shown) {
            reinterpret_cast<IconSearch*>(lParam)->icon = icon.type;
            return FALSE;
        }
    }
    return TRUE;
}

}  // namespace

MessageBoxCapture::MessageBoxCapture(int answer)
    : m_hook(SetWindowsHookExA(WH_CBT, &HookProc, nullptr, GetCurrentThreadId())),
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
        PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(g_pActive->m_answer, BN_CLICKED), 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
