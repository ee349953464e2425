#include "engine/FileSystem.h"

#include <winternl.h>

#include <atomic>

namespace {

// The extended disposition of Windows 10 (1607 and later), declared here so the program
// still builds for and runs on earlier systems, which refuse it.
const FILE_INFO_BY_HANDLE_CLASS kDispositionInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
const DWORD kDispositionDelete = 0x1;
const DWORD kDispositionPosixSemantics = 0x2;
const DWORD kDispositionIgnoreReadOnly = 0x10;

const NTSTATUS kStatusObjectNameNotFound = static_cast<NTSTATUS>(0xC0000034);
const NTSTATUS kStatusObjectPathNotFound = static_cast<NTSTATUS>(0xC000003A);
const NTSTATUS kStatusDeletePending = static_cast<NTSTATUS>(0xC0000056);

const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Documented for drivers (ntifs.h), exported by ntdll; the headers here lack it.
extern "C" NTSTATUS NTAPI NtQueryAttributesFile(POBJECT_ATTRIBUTES attributes, PVOID information);

NTSTATUS OpenInside(HANDLE folder, const WString& name, ACCESS_MASK access, ULONG options,
                    HANDLE& opened)
{
    if (name.empty() || name.size() > 0x7FFF) return kStatusObjectNameNotFound;
    UNICODE_STRING objectName;
    objectName.Buffer = const_cast<PWSTR>(name.c_str());
    objectName.Length = objectName.MaximumLength = static_cast<USHORT>(name.size() * sizeof(WCHAR));
    // No OBJ_CASE_INSENSITIVE: the name is the one the folder listed, taken exactly.
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &objectName, 0, folder, nullptr);
    IO_STATUS_BLOCK io = {};
    opened = INVALID_HANDLE_VALUE;
    return NtCreateFile(&opened, access | SYNCHRONIZE, &attributes, &io, nullptr, 0, kShareAll,
                        FILE_OPEN,
                        options | FILE_OPEN_REPARSE_POINT | FILE_OPEN_FOR_BACKUP_INTENT |
                            FILE_SYNCHRONOUS_IO_NONALERT,
                        nullptr, 0);
}

}  // namespace

FileHandle OpenFolderAt(const WString& longPath)
{
    return FileHandle(
        CreateFileW(longPath.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                    kShareAll, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
}

FileHandle OpenEntry(HANDLE folder, const WString& name, EntryKind kind, OpenPurpose purpose)
{
    ACCESS_MASK access = FILE_READ_ATTRIBUTES;
    if (purpose == OpenPurpose::Delete) access |= DELETE | FILE_WRITE_ATTRIBUTES;
    if (kind == EntryKind::Folder) access |= FILE_LIST_DIRECTORY;
    const ULONG options = kind == EntryKind::Folder ? FILE_DIRECTORY_FILE : FILE_NON_DIRECTORY_FILE;
    HANDLE opened;
    if (OpenInside(folder, name, access, options, opened) != 0) return FileHandle();
    return FileHandle(opened);
}

bool ObjectExistsAt(const WString& location)
{
    UNICODE_STRING objectName;
    objectName.Buffer = const_cast<PWSTR>(location.c_str());
    objectName.Length = objectName.MaximumLength =
        static_cast<USHORT>(location.size() * sizeof(WCHAR));
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &objectName, 0, nullptr, nullptr);
    FILE_BASIC_INFO info;
    // Any refusal but "not there" still means something holds the name.
    const NTSTATUS status = NtQueryAttributesFile(&attributes, &info);
    return status != kStatusObjectNameNotFound && status != kStatusObjectPathNotFound &&
           status != kStatusDeletePending;
}

bool ListFolder(HANDLE folder, std::vector<ListedEntry>& entries)
{
    // One large buffer per folder read, 8-byte aligned as the records need.
    std::vector<ULONGLONG> buffer(64 * 1024 / sizeof(ULONGLONG));
    FILE_INFO_BY_HANDLE_CLASS infoClass = FileIdBothDirectoryRestartInfo;
    for (;;) {
        if (!GetFileInformationByHandleEx(folder, infoClass, buffer.data(),
                                          static_cast<DWORD>(buffer.size() * sizeof(ULONGLONG))))
            return GetLastError() == ERROR_NO_MORE_FILES;
        infoClass = FileIdBothDirectoryInfo;
        const BYTE* record = reinterpret_cast<const BYTE*>(buffer.data());
        for (;;) {
            const auto* info = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(record);
            WString name(info->FileName, info->FileNameLength / sizeof(WCHAR));
            if (name != L"." && name != L"..") {
                // With the reparse-point mark, the EA size field holds the reparse tag.
                const DWORD tag =
                    (info->FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? info->EaSize : 0;
                entries.push_back({std::move(name), info->FileAttributes, tag});
            }
            if (info->NextEntryOffset == 0) break;
            record += info->NextEntryOffset;
        }
    }
}

bool QueryAttributes(HANDLE object, DWORD& attributes, DWORD& reparseTag)
{
    FILE_ATTRIBUTE_TAG_INFO info = {};
    if (!GetFileInformationByHandleEx(object, FileAttributeTagInfo, &info, sizeof info))
        return false;
    attributes = info.FileAttributes;
    reparseTag = (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? info.ReparseTag : 0;
    return true;
}

bool IsLink(DWORD attributes, DWORD reparseTag)
{
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return false;
    return reparseTag == 0 || IsReparseTagNameSurrogate(reparseTag);
}

WString QueryLocation(HANDLE object)
{
    // Most names fit the first buffer; a name is at most 32767 characters.
    std::vector<ULONGLONG> buffer(1024 / sizeof(ULONGLONG));
    for (int attempt = 0; attempt < 2; ++attempt) {
        ULONG length = 0;
        const ULONG size = static_cast<ULONG>(buffer.size() * sizeof(ULONGLONG));
        if (NtQueryObject(object, ObjectNameInformation, buffer.data(), size, &length) == 0) {
            const auto* name = reinterpret_cast<const UNICODE_STRING*>(buffer.data());
            return WString(name->Buffer, name->Length / sizeof(WCHAR));
        }
        buffer.resize((sizeof(UNICODE_STRING) + 65536) / sizeof(ULONGLONG) + 1);
    }
    return WString();
}

bool DeleteThrough(HANDLE object, bool ignoreReadOnly)
{
    // Where the system lacks the extended disposition it says so once; the plain one serves.
    static std::atomic<bool> extendedRefused(false);
    if (!extendedRefused) {
        DWORD flags = kDispositionDelete | kDispositionPosixSemantics;
        if (ignoreReadOnly) flags |= kDispositionIgnoreReadOnly;
        if (SetFileInformationByHandle(object, kDispositionInfoEx, &flags, sizeof flags))
            return true;
        const DWORD error = GetLastError();
        if (error != ERROR_INVALID_PARAMETER && error != ERROR_INVALID_FUNCTION &&
            error != ERROR_NOT_SUPPORTED)
            return false;
        extendedRefused = true;
    }
    FILE_DISPOSITION_INFO disposition = {TRUE};
    return SetFileInformationByHandle(object, FileDispositionInfo, &disposition,
                                      sizeof disposition) != FALSE;
}

bool SetAttributesThrough(HANDLE object, DWORD attributes)
{
    FILE_BASIC_INFO info = {};  // zero times are left as they are
    info.FileAttributes = attributes;
    return SetFileInformationByHandle(object, FileBasicInfo, &info, sizeof info) != FALSE;
}

DWORD LinkCount(HANDLE object)
{
    FILE_STANDARD_INFO info = {};
    if (!GetFileInformationByHandleEx(object, FileStandardInfo, &info, sizeof info)) return 1;
    return info.NumberOfLinks;
}

bool IsWine()
{
    static const bool wine =
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}
