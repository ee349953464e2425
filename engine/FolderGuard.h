#pragma once
// Whether a run that deletes reaches where the system lives: a drive's root, or a folder that
// is, holds or lies inside one of the system's folders. The folders come from the system
// (SystemFolders); the decision is apart from them so that it can be tested anywhere.

#include "framework/WideString.h"

#include <vector>

// How far a system folder's guard reaches. Every guard covers the folder and what holds it.
// Below a profile's root lie the user's own folders, where cleaning is ordinary.
enum class GuardReach {
    Inside,        // and everything inside it (Windows, Program Files, ProgramData)
    ProfileRoots,  // and each folder right inside it (the folder of every user's profile)
    Itself,        // no more (a profile's root that lies elsewhere)
};

struct SystemFolder {
    WString path;  // absolute
    GuardReach reach;
};

// A drive's root ("C:\\") or a share's ("\\\\server\\share").
bool IsRootFolder(const WString& folder);

// The folder the run would reach: the chosen folder itself when it is a drive's or a share's
// root, else the first system folder it is, holds or lies inside; empty when none.
WString GuardedFolder(const WString& shownFolder, const std::vector<SystemFolder>& system);

#ifdef _WIN32
// The Windows folder, the Program Files folders, ProgramData, the current user's profile and
// the folder of all profiles, as this system names them.
std::vector<SystemFolder> SystemFolders();
#endif
