#pragma once
// The width in pixels of the image an icon handle holds.
#include <windows.h>

inline int IconWidth(HICON hIcon)
{
    ICONINFO info = {};
    if (hIcon == NULL || !::GetIconInfo(hIcon, &info)) return 0;
    BITMAP bitmap = {};
    ::GetObjectW(info.hbmColor != NULL ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    if (info.hbmColor != NULL) ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}
