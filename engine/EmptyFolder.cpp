#include "engine/EmptyFolder.h"

#include "engine/EntryKind.h"
#include "engine/FolderEntries.h"

namespace {

void EmptyResolvedFolder(const WString& folder, const WString& location);

// Normal attributes are what let a read-only entry go. Resetting them only when the first
// attempt fails leaves the same tree behind (an entry that goes takes its attributes with
// it) and saves a file-system call per entry, the costliest one under Wine.
void RemoveResettingIfNeeded(const WString& path, BOOL(WINAPI* remove)(LPCWSTR))
{
    if (remove(path.c_str()) == TRUE) return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    remove(path.c_str());
}

// Decides on the entry as it is now, not as the enumeration saw it.
void RemoveEntry(const WString& path, const WString& folderLocation)
{
    WString location;
    switch (GetEntryKind(path, folderLocation, &location)) {
    case EntryKind::Folder:
        EmptyResolvedFolder(path, location);
        RemoveResettingIfNeeded(path, RemoveDirectoryW);
        break;
    case EntryKind::File:
        RemoveResettingIfNeeded(path, DeleteFileW);
        break;
    // A link's attributes would be its target's on some systems: left as they are.
    case EntryKind::FolderLink:
        RemoveDirectoryW(path.c_str());
        break;
    case EntryKind::FileLink:
        DeleteFileW(path.c_str());
        break;
    case EntryKind::Missing:
    case EntryKind::Elsewhere:
        break;
    }
}

// The folder has been checked to be a plain one lying at location.
void EmptyResolvedFolder(const WString& folder, const WString& location)
{
    ForEachEntry(folder, [&](const CFileFind& finder) {
        // "." resets the folder being emptied, so that a read-only one can go; ".." is the
        // folder above, which is not ours to change.
        if (finder.IsDots() && finder.GetFileName() == L".")
            SetFileAttributesW(finder.GetFilePath(), FILE_ATTRIBUTE_NORMAL);
        else if (!finder.IsDots())
            RemoveEntry(finder.GetFilePath().Text(), location);
    });
}

}  // namespace

void EmptyFolder(const WString& folder)
{
    WString location;
    if (GetEntryKind(folder, &location) == EntryKind::Folder) EmptyResolvedFolder(folder, location);
}
