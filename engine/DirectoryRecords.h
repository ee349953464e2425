#pragma once
// Reading the records a folder listing returns. The buffer comes from a file system driver,
// a network redirector or a server: every offset and length in it is checked before use.

#include "engine/FileId.h"
#include "engine/NtApi.h"
#include "framework/WideString.h"

#include <vector>

// A link: a reparse point whose tag is a name surrogate (symbolic link, junction, WSL link),
// or whose tag the system does not give. Other reparse points (cloud placeholders,
// deduplicated files, app-execution aliases) are ordinary objects.
bool IsLinkMark(DWORD attributes, DWORD reparseTag);

struct ListedEntry {
    WString name;
    DWORD attributes;
    DWORD reparseTag;  // 0 when the listing does not say
    FileId fileId;     // unknown when the listing does not say
    ULONGLONG size;    // a file's end of file
    ULONGLONG lastWrite;  // FILETIME

    bool IsFolder() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    bool IsLink() const { return IsLinkMark(attributes, reparseTag); }
};

// Appends the records of `written` bytes of `buffer`, "." and ".." left out; false when a
// record does not lie wholly inside them (the records before it are kept). The ids are kept
// only with keepIds.
bool ReadDirectoryRecords(const nt::DirectoryRecordLayout& layout, const void* buffer,
                          ULONG written, std::vector<ListedEntry>& entries, bool keepIds = true);
