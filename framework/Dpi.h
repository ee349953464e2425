#pragma once
// The scale a window is shown at. Windows 10 (1607 on) tells it per window, following the
// window's monitor; older systems have one scale for the whole session.
#include <windows.h>

#include "framework/DpiScale.h"

// Sent from Windows 8.1 on; the headers show it only to programs that need 8.1.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// The window's DPI: its monitor's where the system tracks one per monitor, else the system's.
UINT GetWindowDpi(HWND hWnd);
// The DPI of the whole session (what the stock fonts and GetSystemMetrics are made for).
UINT GetSystemDpi();
// A system metric at `dpi`; the system's own where the system has no per-DPI metrics.
int GetSystemMetricForDpi(int nIndex, UINT dpi);
// The program's icon `lpszName` at the size of `nMetric` (SM_CXICON or SM_CXSMICON) at `dpi`,
// from the image the icon holds for that size; the caller destroys it.
HICON LoadIconForDpi(LPCWSTR lpszName, int nMetric, UINT dpi);
