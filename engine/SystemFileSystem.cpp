// The records of Windows 8's listing class with 128-bit ids are declared from Windows 8's
// headers on; on older systems the class is refused and the next one serves.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0602

#include "engine/FileSystem.h"

#include <cstddef>
#include <vector>

// Exported by ntdll, documented for drivers (ntifs.h); the headers here lack them.
extern "C" NTSTATUS NTAPI NtQueryAttributesFile(POBJECT_ATTRIBUTES attributes, PVOID information);
extern "C" NTSTATUS NTAPI NtQueryDirectoryFile(HANDLE file, HANDLE event, PVOID apcRoutine,
                                               PVOID apcContext, PIO_STATUS_BLOCK io, PVOID buffer,
                                               ULONG length, FILE_INFORMATION_CLASS infoClass,
                                               BOOLEAN singleEntry, PUNICODE_STRING fileName,
                                               BOOLEAN restartScan);

// The engine's record layouts are the system's.
static_assert(offsetof(FILE_ID_BOTH_DIR_INFO, EndOfFile) == nt::kRecordEndOfFile, "layout");
static_assert(offsetof(FILE_ID_BOTH_DIR_INFO, FileAttributes) == nt::kRecordAttributes, "layout");
static_assert(offsetof(FILE_ID_BOTH_DIR_INFO, FileNameLength) == nt::kRecordNameLength, "layout");
static_assert(offsetof(FILE_ID_BOTH_DIR_INFO, EaSize) == nt::kListingLayouts[1].tag, "layout");
static_assert(offsetof(FILE_ID_BOTH_DIR_INFO, FileId) == nt::kListingLayouts[1].fileId, "layout");
static_assert(offsetof(FILE_ID_BOTH_DIR_INFO, FileName) == nt::kListingLayouts[1].name, "layout");
static_assert(offsetof(FILE_FULL_DIR_INFO, EaSize) == nt::kListingLayouts[2].tag, "layout");
static_assert(offsetof(FILE_FULL_DIR_INFO, FileName) == nt::kListingLayouts[2].name, "layout");
static_assert(offsetof(FILE_DIRECTORY_INFORMATION, FileName) == nt::kListingLayouts[3].name,
              "layout");
static_assert(offsetof(FILE_ID_EXTD_DIR_INFO, ReparsePointTag) == nt::kListingLayouts[0].tag,
              "layout");
static_assert(offsetof(FILE_ID_EXTD_DIR_INFO, FileId) == nt::kListingLayouts[0].fileId, "layout");
static_assert(offsetof(FILE_ID_EXTD_DIR_INFO, FileName) == nt::kListingLayouts[0].name, "layout");
static_assert(sizeof(nt::IdInformation) == sizeof(FILE_ID_INFO), "layout");
static_assert(sizeof(nt::BasicInformation) == sizeof(FILE_BASIC_INFO), "layout");
static_assert(offsetof(nt::BasicInformation, fileAttributes) ==
                  offsetof(FILE_BASIC_INFO, FileAttributes),
              "layout");
static_assert(offsetof(nt::StandardInformation, numberOfLinks) ==
                  offsetof(FILE_STANDARD_INFO, NumberOfLinks),
              "layout");

namespace {

UNICODE_STRING AsUnicodeString(const WString& text)
{
    UNICODE_STRING result;
    result.Buffer = const_cast<PWSTR>(text.c_str());
    result.Length = result.MaximumLength = static_cast<USHORT>(text.size() * sizeof(WCHAR));
    return result;
}

// Wine is known by any of the marks it leaves: exports of its ntdll (some builds hide one or
// another) or the key every Wine prefix has.
bool DetectWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    for (const char* name :
         {"wine_get_version", "wine_get_build_id", "wine_server_call", "__wine_dbg_write"})
        if (ntdll && GetProcAddress(ntdll, name)) return true;
    HKEY key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Wine", 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
        return true;
    }
    return false;
}

class WindowsFileSystem : public FileSystem {
public:
    NTSTATUS Open(HANDLE folder, const WString& name, ULONG access, ULONG share, ULONG options,
                  HANDLE& opened) override
    {
        opened = INVALID_HANDLE_VALUE;
        if (name.size() > 0x7FFF) return nt::kObjectNameInvalid;
        UNICODE_STRING objectName = AsUnicodeString(name);
        // No OBJ_CASE_INSENSITIVE: a name is the one the folder listed, taken exactly.
        OBJECT_ATTRIBUTES attributes;
        InitializeObjectAttributes(&attributes, &objectName, 0, folder, nullptr);
        IO_STATUS_BLOCK io = {};
        HANDLE handle = nullptr;
        const NTSTATUS status = NtCreateFile(&handle, access, &attributes, &io, nullptr, 0, share,
                                             FILE_OPEN, options, nullptr, 0);
        // An informational status still hands over a handle.
        if (nt::Succeeded(status)) opened = handle;
        return status;
    }

    NTSTATUS QueryDirectory(HANDLE folder, ULONG infoClass, bool restart, void* buffer, ULONG size,
                            ULONG& written) override
    {
        IO_STATUS_BLOCK io = {};
        const NTSTATUS status = NtQueryDirectoryFile(
            folder, nullptr, nullptr, nullptr, &io, buffer, size,
            static_cast<FILE_INFORMATION_CLASS>(infoClass), FALSE, nullptr, restart);
        written = nt::Succeeded(status) ? static_cast<ULONG>(io.Information) : 0;
        return status;
    }

    NTSTATUS QueryInformation(HANDLE object, ULONG infoClass, void* buffer, ULONG size) override
    {
        IO_STATUS_BLOCK io = {};
        return NtQueryInformationFile(object, &io, buffer, size,
                                      static_cast<FILE_INFORMATION_CLASS>(infoClass));
    }

    NTSTATUS SetInformation(HANDLE object, ULONG infoClass, const void* buffer, ULONG size) override
    {
        IO_STATUS_BLOCK io = {};
        return NtSetInformationFile(object, &io, const_cast<void*>(buffer), size,
                                    static_cast<FILE_INFORMATION_CLASS>(infoClass));
    }

    NTSTATUS QueryName(HANDLE object, WString& name) override
    {
        // Most names fit the first buffer; a name is at most 32767 characters.
        std::vector<ULONGLONG> buffer(1024 / sizeof(ULONGLONG));
        NTSTATUS status = nt::kSuccess;
        for (int attempt = 0; attempt < 2; ++attempt) {
            ULONG length = 0;
            const ULONG size = static_cast<ULONG>(buffer.size() * sizeof(ULONGLONG));
            status = NtQueryObject(object, ObjectNameInformation, buffer.data(), size, &length);
            if (nt::Succeeded(status)) {
                const auto* text = reinterpret_cast<const UNICODE_STRING*>(buffer.data());
                name.assign(text->Buffer, text->Length / sizeof(WCHAR));
                return status;
            }
            buffer.resize((sizeof(UNICODE_STRING) + 65536) / sizeof(ULONGLONG) + 1);
        }
        return status;
    }

    NTSTATUS QueryAttributesAt(const WString& ntPath, ULONG& fileAttributes) override
    {
        UNICODE_STRING objectName = AsUnicodeString(ntPath);
        OBJECT_ATTRIBUTES attributes;
        InitializeObjectAttributes(&attributes, &objectName, 0, nullptr, nullptr);
        FILE_BASIC_INFO info = {};
        const NTSTATUS status = NtQueryAttributesFile(&attributes, &info);
        fileAttributes = info.FileAttributes;
        return status;
    }

    void Close(HANDLE object) override { NtClose(object); }

    bool DisableRedirection(void*& token) override
    {
        // Only a 32-bit program on a 64-bit Windows is redirected: a 64-bit program, and any
        // program on a 32-bit Windows, has nothing to turn off.
        if (sizeof(void*) == 8) return false;
        typedef BOOL(WINAPI * Disable)(PVOID*);
        static const auto disable = reinterpret_cast<Disable>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "Wow64DisableWow64FsRedirection")));
        return disable && disable(&token);
    }

    void RevertRedirection(void* token) override
    {
        typedef BOOL(WINAPI * Revert)(PVOID);
        static const auto revert = reinterpret_cast<Revert>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "Wow64RevertWow64FsRedirection")));
        if (revert) revert(token);
    }

    WString PathWithRedirectionOn(const WString& longPath) override
    {
        BOOL wow64 = FALSE;
        if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64) return longPath;
        WCHAR windows[MAX_PATH];
        const UINT length = GetSystemWindowsDirectoryW(windows, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return longPath;
        const WString system32 = L"\\\\?\\" + WString(windows, length) + L"\\System32";
        if (longPath.size() < system32.size() ||
            _wcsnicmp(longPath.c_str(), system32.c_str(), system32.size()) != 0 ||
            (longPath.size() > system32.size() && longPath[system32.size()] != L'\\'))
            return longPath;
        // Sysnative is System32 itself to a 32-bit program while the redirection is on.
        return L"\\\\?\\" + WString(windows, length) + L"\\Sysnative" +
               longPath.substr(system32.size());
    }

    bool LinksUnmarked() override
    {
        static const bool wine = DetectWine();
        return wine;
    }
};

}  // namespace

FileSystem& SystemFileSystem()
{
    static WindowsFileSystem system;
    return system;
}
