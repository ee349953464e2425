#pragma once
// What a path inside the tree names at this moment, asked of the file system just before
// the engine descends into it or deletes it.

#include "framework/WideString.h"

enum class EntryKind {
    Missing,  // attributes unreadable: gone
    File,
    Folder,
    FileLink,    // carries the reparse-point mark
    FolderLink,  // carries the reparse-point mark
    Elsewhere,   // no mark, yet the object lies somewhere else (or where cannot be told)
};

// Where the object behind path really lies, links resolved; empty when that cannot be told.
WString GetLocation(const WString& path);

// What path names, given the location of the folder that holds it. For a plain folder,
// *location receives its own location, so that its entries can be told without resolving
// it again.
EntryKind GetEntryKind(const WString& path, const WString& folderLocation,
                       WString* location = nullptr);

// The same for a path on its own; its folder is resolved first.
EntryKind GetEntryKind(const WString& path, WString* location = nullptr);
