#include "engine/EntryKind.h"

#include "engine/KeywordRules.h"

#include <winternl.h>

#include <vector>

namespace {

// Wine names a location without the trailing dots and spaces of its last component.
WString WithoutTrailingDotsAndSpaces(const WString& path)
{
    const size_t end = path.find_last_not_of(L". ");
    return end == WString::npos ? WString() : path.substr(0, end + 1);
}

// A link without the reparse-point mark (Wine shows a Unix link to a file as a plain
// file, and deleting it there deletes its target) is caught by resolving the path: a
// true entry resolves to its folder's location followed by its own name.
bool LiesWhereNamed(const WString& path, const WString& folderLocation, WString& location)
{
    const WString name = GetNameFromPath(path);
    if (name.empty() || name.size() == path.size()) return false;
    location = GetLocation(path);
    if (folderLocation.empty() || location.empty()) return false;
    WString expected = folderLocation;
    if (expected[expected.size() - 1] != L'\\') expected += L'\\';
    expected += name;
    return location == expected ||
           WithoutTrailingDotsAndSpaces(location) == WithoutTrailingDotsAndSpaces(expected);
}

}  // namespace

WString GetLocation(const WString& path)
{
    const HANDLE handle =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return WString();
    // The object's own name, however long (GetFinalPathNameByHandleW stops at MAX_PATH
    // under Wine); a name is at most 32767 characters.
    std::vector<BYTE> buffer(sizeof(UNICODE_STRING) + 65536);
    ULONG length = 0;
    const NTSTATUS status = NtQueryObject(handle, ObjectNameInformation, buffer.data(),
                                          static_cast<ULONG>(buffer.size()), &length);
    CloseHandle(handle);
    if (status != 0) return WString();
    const UNICODE_STRING* name = reinterpret_cast<const UNICODE_STRING*>(buffer.data());
    return WString(name->Buffer, name->Length / sizeof(WCHAR));
}

EntryKind GetEntryKind(const WString& path, const WString& folderLocation, WString* location)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::Missing;
    const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return folder ? EntryKind::FolderLink : EntryKind::FileLink;
    WString resolved;
    if (!LiesWhereNamed(path, folderLocation, resolved)) return EntryKind::Elsewhere;
    if (!folder) return EntryKind::File;
    if (location) location->swap(resolved);
    return EntryKind::Folder;
}

EntryKind GetEntryKind(const WString& path, WString* location)
{
    const WString folder = path.substr(0, path.size() - GetNameFromPath(path).size());
    return GetEntryKind(path, folder.empty() ? WString() : GetLocation(folder), location);
}
