#include "engine/FolderGuard.h"

#include "engine/KeywordRules.h"

namespace {

WString WithoutClosingBackslash(WString path)
{
    while (!path.empty() && path.back() == _T('\\')) path.pop_back();
    return path;
}

// True when `inner` is `outer` or lies below it, compared as the file system compares names.
bool IsWithin(const WString& inner, const WString& outer)
{
    if (inner.size() < outer.size()) return false;
    if (UpperCopy(inner.substr(0, outer.size())) != UpperCopy(outer)) return false;
    return inner.size() == outer.size() || inner[outer.size()] == _T('\\');
}

}  // namespace

bool IsRootFolder(const WString& shownFolder)
{
    const WString folder = WithoutClosingBackslash(shownFolder);
    if (folder.size() == 2 && folder[1] == _T(':')) return true;
    // \\server\share
    if (folder.compare(0, 2, _T("\\\\")) != 0) return false;
    const size_t server = folder.find(_T('\\'), 2);
    return server != WString::npos && server > 2 && server + 1 < folder.size() &&
           folder.find(_T('\\'), server + 1) == WString::npos;
}

WString GuardedFolder(const WString& shownFolder, const std::vector<SystemFolder>& system)
{
    const WString folder = WithoutClosingBackslash(shownFolder);
    if (folder.empty()) return WString();
    if (IsRootFolder(folder)) return shownFolder;
    for (const SystemFolder& guarded : system) {
        const WString path = WithoutClosingBackslash(guarded.path);
        if (path.empty()) continue;
        if (IsWithin(path, folder)) return guarded.path;  // it is the folder, or holds it
        if (!IsWithin(folder, path)) continue;
        if (guarded.reach == GuardReach::Inside) return guarded.path;
        // A profile's root: one name below the folder of profiles.
        if (guarded.reach == GuardReach::ProfileRoots &&
            folder.find(_T('\\'), path.size() + 1) == WString::npos)
            return folder;
    }
    return WString();
}
