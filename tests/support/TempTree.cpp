#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include "framework/Utf8.h"

#include <sstream>
#include <vector>

namespace {

typedef char*(CDECL* UnixNameFunction)(LPCWSTR);

void ListBelow(const std::wstring& folder, const std::wstring& prefix, std::set<std::wstring>& out)
{
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        out.insert(prefix + name);
        const DWORD attributes = data.dwFileAttributes;
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            ListBelow(folder + L"\\" + name, prefix + name + L"\\", out);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

}  // namespace

TempTree::TempTree()
{
    static int counter = 0;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    // Wine reuses process ids, so a folder left by a killed run may hold the name: skip it.
    do {
        std::wostringstream root;
        root << temp << L"varnel-test-" << GetCurrentProcessId() << L"-" << ++counter;
        m_root = root.str();
    } while (!CreateDirectoryW(m_root.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
    const DWORD attributes = GetFileAttributesW(m_root.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        ADD_FAILURE() << "cannot make scratch folder " << m_root;
}

TempTree::~TempTree()
{
    const std::string unixRoot = UnixPathOf(m_root);
    if (!unixRoot.empty()) RunUnix("chmod -R u+rwx '" + unixRoot + "'; rm -rf '" + unixRoot + "'");
}

std::wstring TempTree::Path(const std::wstring& relative) const
{
    return relative.empty() ? m_root : m_root + L"\\" + relative;
}

std::wstring TempTree::LongPath(const std::wstring& relative) const
{
    return L"\\\\?\\" + Path(relative);
}

void TempTree::AddFolder(const std::wstring& relative, DWORD attributes)
{
    const std::wstring path = LongPath(relative);
    if (!CreateDirectoryW(path.c_str(), nullptr)) ADD_FAILURE() << "cannot make folder " << path;
    if (attributes) SetFileAttributesW(path.c_str(), attributes);
}

void TempTree::AddFile(const std::wstring& relative, const std::wstring& content, DWORD attributes)
{
    const std::wstring path = LongPath(relative);
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot make file " << path;
        return;
    }
    const std::string bytes = ToUtf8(content);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (attributes) SetFileAttributesW(path.c_str(), attributes);
}

std::string TempTree::UnixPathOf(const std::wstring& windowsPath)
{
    const UnixNameFunction unixName = reinterpret_cast<UnixNameFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName) return std::string();
    char* name = unixName(windowsPath.c_str());
    if (!name) return std::string();
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Wine starts a Unix program for CreateProcess but cannot wait for it, so the command
// leaves a marker file when it is done. The handles it returns for such a program are not
// set (they may hold any value, even a handle of ours such as the standard output): they are
// never closed.
bool TempTree::RunUnix(const std::string& command)
{
    static int counter = 0;
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wostringstream marker;
    marker << temp << L"varnel-unix-" << GetCurrentProcessId() << L"-" << ++counter << L".done";
    const std::string unixMarker = UnixPathOf(marker.str());
    if (unixMarker.empty()) return false;

    std::wstring line = FromUtf8("/bin/sh -c \"" + command + "; : > '" + unixMarker + "'\"");
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    for (int i = 0; i < 1000; ++i) {
        if (GetFileAttributesW(marker.str().c_str()) != INVALID_FILE_ATTRIBUTES) {
            DeleteFileW(marker.str().c_str());
            return true;
        }
        Sleep(10);
    }
    return false;
}

bool TempTree::AddLink(const std::wstring& relative, const std::wstring& target)
{
    const std::string unixLink = UnixPathOf(Path(relative));
    const std::string unixTarget = UnixPathOf(target);
    if (unixLink.empty() || unixTarget.empty()) return false;
    return RunUnix("ln -s '" + unixTarget + "' '" + unixLink + "'");
}

bool TempTree::Exists(const std::wstring& relative) const
{
    return Attributes(relative) != INVALID_FILE_ATTRIBUTES;
}

DWORD TempTree::Attributes(const std::wstring& relative) const
{
    return GetFileAttributesW(LongPath(relative).c_str());
}

std::wstring TempTree::Content(const std::wstring& relative) const
{
    const HANDLE file = CreateFileW(LongPath(relative).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::wstring();
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    CloseHandle(file);
    return FromUtf8(content);
}

std::set<std::wstring> TempTree::Entries() const
{
    std::set<std::wstring> entries;
    ListBelow(LongPath(L""), L"", entries);
    return entries;
}
