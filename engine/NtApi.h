#pragma once
// The part of the NT native file API the engine speaks: status codes, information classes,
// open options and the layouts of the records it reads and writes, as Windows documents them
// (ntifs.h, wdm.h). Declared here, under names of our own, so the engine's logic builds and is
// tested in both builds; the system's implementation passes them on unchanged.

#include <windows.h>

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#include <winternl.h>
#else
typedef LONG NTSTATUS;
#endif

namespace nt {

inline bool Succeeded(NTSTATUS status)
{
    return status >= 0;
}

// Status codes, as the system returns them.
const NTSTATUS kSuccess = 0;
const NTSTATUS kNoMoreFiles = static_cast<NTSTATUS>(0x80000006);
const NTSTATUS kNotImplemented = static_cast<NTSTATUS>(0xC0000002);
const NTSTATUS kInvalidInfoClass = static_cast<NTSTATUS>(0xC0000003);
const NTSTATUS kInvalidParameter = static_cast<NTSTATUS>(0xC000000D);
const NTSTATUS kNoSuchFile = static_cast<NTSTATUS>(0xC000000F);
const NTSTATUS kInvalidDeviceRequest = static_cast<NTSTATUS>(0xC0000010);
const NTSTATUS kAccessDenied = static_cast<NTSTATUS>(0xC0000022);
const NTSTATUS kObjectNameInvalid = static_cast<NTSTATUS>(0xC0000033);
const NTSTATUS kObjectNameNotFound = static_cast<NTSTATUS>(0xC0000034);
const NTSTATUS kObjectPathNotFound = static_cast<NTSTATUS>(0xC000003A);
const NTSTATUS kSharingViolation = static_cast<NTSTATUS>(0xC0000043);
const NTSTATUS kDeletePending = static_cast<NTSTATUS>(0xC0000056);
const NTSTATUS kFileIsADirectory = static_cast<NTSTATUS>(0xC00000BA);
const NTSTATUS kNotSupported = static_cast<NTSTATUS>(0xC00000BB);
const NTSTATUS kUnexpectedNetworkError = static_cast<NTSTATUS>(0xC00000C4);
const NTSTATUS kRequestNotAccepted = static_cast<NTSTATUS>(0xC00000D0);
const NTSTATUS kDirectoryNotEmpty = static_cast<NTSTATUS>(0xC0000101);
const NTSTATUS kNotADirectory = static_cast<NTSTATUS>(0xC0000103);
const NTSTATUS kCannotDelete = static_cast<NTSTATUS>(0xC0000121);
const NTSTATUS kCloudProviderNotRunning = static_cast<NTSTATUS>(0xC000CF03);

// Information classes (FILE_INFORMATION_CLASS).
const ULONG kDirectoryInformation = 1;
const ULONG kFullDirectoryInformation = 2;
const ULONG kBasicInformation = 4;
const ULONG kStandardInformation = 5;
const ULONG kInternalInformation = 6;
const ULONG kDispositionInformation = 13;
const ULONG kAttributeTagInformation = 35;
const ULONG kIdBothDirectoryInformation = 37;
const ULONG kIdInformation = 59;
const ULONG kIdExtdDirectoryInformation = 60;
const ULONG kDispositionInformationEx = 64;

// Access rights, sharing and open options of NtCreateFile.
const ULONG kListDirectory = 0x0001;
const ULONG kTraverse = 0x0020;
const ULONG kReadAttributes = 0x0080;
const ULONG kWriteAttributes = 0x0100;
const ULONG kDelete = 0x00010000;
const ULONG kSynchronize = 0x00100000;
const ULONG kShareAll = 0x7;  // read, write and delete: the engine never locks anyone out
const ULONG kShareDelete = 0x4;
const ULONG kDirectoryFile = 0x00000001;
const ULONG kSynchronousIo = 0x00000020;
const ULONG kNonDirectoryFile = 0x00000040;
const ULONG kOpenForBackupIntent = 0x00004000;
const ULONG kOpenReparsePoint = 0x00200000;

// Flags of FILE_DISPOSITION_INFORMATION_EX (Windows 10 1607; the last from 1809).
const ULONG kDispositionDelete = 0x1;
const ULONG kDispositionPosixSemantics = 0x2;
const ULONG kDispositionIgnoreReadOnly = 0x10;

// Reparse tags: bit 29 marks a name surrogate (a link to another name).
const DWORD kTagNameSurrogateBit = 0x20000000;
const DWORD kTagMountPoint = 0xA0000003;
const DWORD kTagSymlink = 0xA000000C;
const DWORD kTagWslLink = 0xA000001D;
const DWORD kTagDedup = 0x80000013;
const DWORD kTagAppExecLink = 0x8000001B;
const DWORD kTagCloud = 0x9000001A;

// Fixed-size records, with the layouts of the system's structures (checked against the
// system's headers in the Windows build).
struct BasicInformation {
    LONGLONG creationTime, lastAccessTime, lastWriteTime, changeTime;
    ULONG fileAttributes;
};
struct StandardInformation {
    LONGLONG allocationSize, endOfFile;
    ULONG numberOfLinks;
    BYTE deletePending, directory;
};
struct AttributeTagInformation {
    ULONG fileAttributes, reparseTag;
};
struct DispositionInformation {
    BYTE deleteFile;
};
struct IdInformation {
    ULONGLONG volumeSerialNumber;
    ULONGLONG fileIdLow, fileIdHigh;  // FILE_ID_128
};

// A directory record: the fields every listing class has, then where the class keeps the
// name, the reparse tag (in most classes the EA size field, when the reparse-point attribute is
// set) and the file id. Records are 8-byte aligned; a NextEntryOffset of 0 ends a buffer.
const size_t kRecordNextOffset = 0;
const size_t kRecordLastWriteTime = 24;
const size_t kRecordEndOfFile = 40;
const size_t kRecordAttributes = 56;
const size_t kRecordNameLength = 60;
const size_t kNone = 0;

struct DirectoryRecordLayout {
    ULONG infoClass;
    size_t tag;     // kNone when the class has none
    size_t fileId;  // kNone when the class has none
    size_t idBytes;  // 16 for a 128-bit id, else 8
    size_t name;
};

// The classes the engine lists with, best first: the 128-bit file id and the tag (Windows 8
// on); the 64-bit id and the tag; the tag; neither.
constexpr DirectoryRecordLayout kListingLayouts[] = {
    {kIdExtdDirectoryInformation, 68, 72, 16, 88},
    {kIdBothDirectoryInformation, 64, 96, 8, 104},
    {kFullDirectoryInformation, 64, kNone, 8, 68},
    {kDirectoryInformation, kNone, kNone, 8, 64},
};
// Where the classes with 64-bit ids begin.
const size_t kFirstNarrowLayout = 1;

}  // namespace nt
