#include "dialog/FolderPicker.h"

#include <shlobj.h>
#include <shobjidl.h>

#include "dialog/UiTexts.h"
#include "res/resource.h"

WString BrowseForFolder()
{
    WString result;
    BROWSEINFOW settings = {};
    settings.hwndOwner = nullptr;
    settings.pidlRoot = nullptr;
    settings.pszDisplayName = nullptr;
    const CString title = UiText(IDS_PICKER_TITLE);
    settings.lpszTitle = title;
    settings.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT | BIF_BROWSEFORCOMPUTER;
    const LPITEMIDLIST chosen = SHBrowseForFolderW(&settings);
    if (chosen) {
        // Allocated at the path's own length: a fixed buffer would cut a long path short.
        PWSTR path = nullptr;
        if (SUCCEEDED(SHGetNameFromIDList(chosen, SIGDN_FILESYSPATH, &path)) && path) result = path;
        CoTaskMemFree(path);
        CoTaskMemFree(chosen);
    }
    return result;
}
