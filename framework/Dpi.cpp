#include "framework/Dpi.h"

namespace {

// Looked up at run time: these functions are missing before Windows 10 1607, and a program
// that imports them directly does not start on Vista.
template <typename Function>
Function User32Function(const char* name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

UINT GetSystemDpi()
{
    // A process keeps the scale the session had when it started: asked once.
    static const UINT systemDpi = [] {
        HDC hScreen = ::GetDC(NULL);
        const int dpi = hScreen != NULL ? ::GetDeviceCaps(hScreen, LOGPIXELSY) : 0;
        if (hScreen != NULL) ::ReleaseDC(NULL, hScreen);
        return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
    }();
    return systemDpi;
}

UINT GetWindowDpi(HWND hWnd)
{
    static const auto pfnGetDpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = pfnGetDpiForWindow != nullptr && hWnd != NULL ? pfnGetDpiForWindow(hWnd) : 0;
    return dpi != 0 ? dpi : GetSystemDpi();
}

int GetSystemMetricForDpi(int nIndex, UINT dpi)
{
    static const auto pfnGetSystemMetricsForDpi =
        User32Function<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    return pfnGetSystemMetricsForDpi != nullptr ? pfnGetSystemMetricsForDpi(nIndex, dpi)
                                                : ::GetSystemMetrics(nIndex);
}

HICON LoadIconForDpi(LPCWSTR lpszName, int nMetric, UINT dpi)
{
    const int size = GetSystemMetricForDpi(nMetric, dpi);
    return static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(NULL), lpszName, IMAGE_ICON, size, size, 0));
}
