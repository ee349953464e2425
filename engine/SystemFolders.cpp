#include "engine/FolderGuard.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

namespace {

void AddKnownFolder(REFKNOWNFOLDERID id, GuardReach reach, std::vector<SystemFolder>& folders)
{
    PWSTR path = NULL;
    // A folder this system does not have (Program Files (x86) on 32-bit Windows) is left out.
    if (SUCCEEDED(::SHGetKnownFolderPath(id, 0, NULL, &path)) && path != NULL && *path != 0)
        folders.push_back({path, reach});
    ::CoTaskMemFree(path);
}

}  // namespace

std::vector<SystemFolder> SystemFolders()
{
    std::vector<SystemFolder> folders;
    WCHAR windows[MAX_PATH] = {};
    const UINT length = ::GetWindowsDirectoryW(windows, MAX_PATH);
    if (length > 0 && length < MAX_PATH) folders.push_back({windows, GuardReach::Inside});
    AddKnownFolder(FOLDERID_ProgramFiles, GuardReach::Inside, folders);
    AddKnownFolder(FOLDERID_ProgramFilesX86, GuardReach::Inside, folders);
    AddKnownFolder(FOLDERID_ProgramFilesX64, GuardReach::Inside, folders);
    // A 32-bit program on 64-bit Windows is told Program Files (x86) for both of the above and
    // refused the 64-bit one; the system names that one in its environment.
    WCHAR programFiles[MAX_PATH] = {};
    const DWORD programLength = ::GetEnvironmentVariableW(L"ProgramW6432", programFiles, MAX_PATH);
    if (programLength > 0 && programLength < MAX_PATH)
        folders.push_back({programFiles, GuardReach::Inside});
    AddKnownFolder(FOLDERID_ProgramData, GuardReach::Inside, folders);
    AddKnownFolder(FOLDERID_UserProfiles, GuardReach::ProfileRoots, folders);
    AddKnownFolder(FOLDERID_Profile, GuardReach::Itself, folders);
    return folders;
}
