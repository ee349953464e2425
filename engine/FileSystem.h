#pragma once
// The engine's calls on the file system. Everything below the chosen folder is reached
// through handles: an entry is opened inside the folder that holds it, never by a path, and
// never through a link; it is read, checked and deleted on that one handle.

#include "engine/FileHandle.h"
#include "framework/WideString.h"

#include <vector>

enum class EntryKind { File, Folder };

// What an open is for: reading a folder's entries, or deleting the object.
enum class OpenPurpose { List, Delete };

// The folder at `longPath` (\\?\ form) as itself, for listing; not open when it cannot be.
FileHandle OpenFolderAt(const WString& longPath);

// The entry `name` of `folder`, opened as itself (a link is not followed where the system
// allows it) and only as the kind asked: a folder is not opened as a file, nor a file as a
// folder. Not open when that cannot be.
FileHandle OpenEntry(HANDLE folder, const WString& name, EntryKind kind, OpenPurpose purpose);

// True when something is at `location`, a name in the system's namespace as QueryLocation
// gives it; asked without opening anything.
bool ObjectExistsAt(const WString& location);

struct ListedEntry {
    WString name;
    DWORD attributes;
    DWORD reparseTag;  // 0 when the system does not say
};

// The folder's entries, "." and ".." left out, in the order the system reports them; false
// when the folder cannot be read.
bool ListFolder(HANDLE folder, std::vector<ListedEntry>& entries);

// The attributes and reparse tag of the object; false when they cannot be read.
bool QueryAttributes(HANDLE object, DWORD& attributes, DWORD& reparseTag);

// True for a link: a reparse point whose tag is a name surrogate (symbolic link, junction),
// or whose tag the system does not give. Other reparse points are ordinary objects.
bool IsLink(DWORD attributes, DWORD reparseTag);

// The object's own name in the system's namespace, however long; empty when unknown.
WString QueryLocation(HANDLE object);

// Marks the object for deletion, which happens when its handle closes (at once where the
// system has POSIX semantics). ignoreReadOnly lets a read-only object go where the system
// can do that without changing its attributes.
bool DeleteThrough(HANDLE object, bool ignoreReadOnly);

bool SetAttributesThrough(HANDLE object, DWORD attributes);

// The number of names the file has; 1 when it cannot be told.
DWORD LinkCount(HANDLE object);

// Wine: it shows a Unix link to a file as a plain file and opens any link as its target,
// resolves an entry opened inside a folder by the folder's path, and deletes by name when the
// last handle closes. There the engine checks where each object lies, and that it went.
bool IsWine();
