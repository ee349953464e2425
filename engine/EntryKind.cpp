#include "engine/EntryKind.h"

#include "engine/KeywordRules.h"

#include <windows.h>

#include <vector>

namespace {

typedef DWORD(WINAPI* FinalPathFunction)(HANDLE, LPWSTR, DWORD, DWORD);

// Absent before Windows Vista, where there are no unmarked links to find.
FinalPathFunction GetFinalPathFunction()
{
    static const FinalPathFunction function =
        reinterpret_cast<FinalPathFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleW")));
    return function;
}

std::wstring Widen(const std::string& text)
{
    const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 0) return std::wstring();
    std::vector<wchar_t> wide(static_cast<size_t>(size));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), size);
    return std::wstring(wide.data());
}

// A link without the reparse-point mark (Wine shows a Unix link to a file as a plain
// file, and deleting it there deletes its target) is caught by resolving the path: a
// true entry resolves to its folder's location followed by its own name.
bool LiesWhereNamed(const std::string& path, const std::wstring& folderLocation,
                    std::wstring& location)
{
    if (!GetFinalPathFunction()) return true;
    const std::string name = GetNameFromPath(path);
    if (name.empty() || name.size() == path.size()) return false;
    location = GetLocation(path);
    if (folderLocation.empty() || location.empty()) return false;
    std::wstring expected = folderLocation;
    if (expected[expected.size() - 1] != L'\\') expected += L'\\';
    expected += Widen(name);
    return location == expected;
}

}  // namespace

std::wstring GetLocation(const std::string& path)
{
    const FinalPathFunction finalPath = GetFinalPathFunction();
    if (!finalPath) return std::wstring();
    const HANDLE handle =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::wstring();
    // Most locations fit the first buffer; a longer one is asked for again at its size.
    std::wstring location(2 * MAX_PATH, L'\0');
    DWORD length = finalPath(handle, &location[0], static_cast<DWORD>(location.size()), 0);
    if (length >= location.size()) {
        location.assign(length, L'\0');
        length = finalPath(handle, &location[0], length, 0);
        if (length >= location.size()) length = 0;
    }
    CloseHandle(handle);
    location.resize(length);
    return location;
}

EntryKind GetEntryKind(const std::string& path, const std::wstring& folderLocation,
                       std::wstring* location)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::Missing;
    const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return folder ? EntryKind::FolderLink : EntryKind::FileLink;
    std::wstring resolved;
    if (!LiesWhereNamed(path, folderLocation, resolved)) return EntryKind::Elsewhere;
    if (!folder) return EntryKind::File;
    if (location) location->swap(resolved);
    return EntryKind::Folder;
}

EntryKind GetEntryKind(const std::string& path, std::wstring* location)
{
    const std::string folder = path.substr(0, path.size() - GetNameFromPath(path).size());
    return GetEntryKind(path, folder.empty() ? std::wstring() : GetLocation(folder), location);
}
