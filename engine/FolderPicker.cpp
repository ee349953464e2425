#include "engine/FolderPicker.h"

#include <windows.h>

#include <shlobj.h>

std::string BrowseForFolder()
{
    std::string result;
    BROWSEINFOA settings = {};
    settings.hwndOwner = nullptr;
    settings.pidlRoot = nullptr;
    settings.pszDisplayName = nullptr;
    settings.lpszTitle = "请选择需要进行清理的目录";
    settings.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT | BIF_BROWSEFORCOMPUTER;
    const LPITEMIDLIST chosen = SHBrowseForFolderA(&settings);

    char buffer[MAX_PATH] = {};
    if (chosen) {
        if (SHGetPathFromIDListA(chosen, buffer) == TRUE) result = buffer;
        CoTaskMemFree(chosen);
    }
    return result;
}
