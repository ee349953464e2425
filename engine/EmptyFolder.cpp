#include "engine/EmptyFolder.h"

#include "engine/EntryKind.h"
#include "engine/FolderEntries.h"

namespace {

void EmptyResolvedFolder(const std::string& folder, const std::wstring& location);

// Normal attributes are what let a read-only entry go. Resetting them only when the first
// attempt fails leaves the same tree behind (an entry that goes takes its attributes with
// it) and saves a file-system call per entry, the costliest one under Wine.
void RemoveResettingIfNeeded(const std::string& path, BOOL(WINAPI* remove)(LPCSTR))
{
    if (remove(path.c_str()) == TRUE) return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    remove(path.c_str());
}

// Decides on the entry as it is now, not as the enumeration saw it.
void RemoveEntry(const std::string& path, const std::wstring& folderLocation)
{
    std::wstring location;
    switch (GetEntryKind(path, folderLocation, &location)) {
    case EntryKind::Folder:
        EmptyResolvedFolder(path, location);
        RemoveResettingIfNeeded(path, RemoveDirectoryA);
        break;
    case EntryKind::File:
        RemoveResettingIfNeeded(path, DeleteFileA);
        break;
    // A link's attributes would be its target's on some systems: left as they are.
    case EntryKind::FolderLink:
        RemoveDirectoryA(path.c_str());
        break;
    case EntryKind::FileLink:
        DeleteFileA(path.c_str());
        break;
    case EntryKind::Missing:
    case EntryKind::Elsewhere:
        break;
    }
}

// The folder has been checked to be a plain one lying at location.
void EmptyResolvedFolder(const std::string& folder, const std::wstring& location)
{
    ForEachEntry(folder, [&](const CFileFind& finder) {
        // "." resets the folder being emptied, so that a read-only one can go; ".." is the
        // folder above, which is not ours to change.
        if (finder.IsDots() && finder.GetFileName() == ".")
            SetFileAttributesA(finder.GetFilePath(), FILE_ATTRIBUTE_NORMAL);
        else if (IsNameable(finder))
            RemoveEntry(std::string(finder.GetFilePath()), location);
    });
}

}  // namespace

void EmptyFolder(const std::string& folder)
{
    std::wstring location;
    if (GetEntryKind(folder, &location) == EntryKind::Folder) EmptyResolvedFolder(folder, location);
}
