#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace {

typedef char*(CDECL* UnixNameFunction)(LPCWSTR);

std::wstring Widen(const std::string& text)
{
    std::vector<wchar_t> wide(text.size() + 1);
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(),
                                           static_cast<int>(wide.size()));
    return std::wstring(wide.data(), length > 0 ? static_cast<size_t>(length - 1) : 0);
}

void ListBelow(const std::string& folder, const std::string& prefix, std::set<std::string>& out)
{
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        out.insert(prefix + name);
        const DWORD attributes = data.dwFileAttributes;
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            ListBelow(folder + "\\" + name, prefix + name + "\\", out);
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

}  // namespace

TempTree::TempTree()
{
    static int counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    // Wine reuses process ids, so a folder left by a killed run may hold the name: skip it.
    do {
        std::ostringstream root;
        root << temp << "varnel-test-" << GetCurrentProcessId() << "-" << ++counter;
        m_root = root.str();
    } while (!CreateDirectoryA(m_root.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
    const DWORD attributes = GetFileAttributesA(m_root.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        ADD_FAILURE() << "cannot make scratch folder " << m_root;
}

TempTree::~TempTree()
{
    const std::string unixRoot = UnixPathOf(m_root);
    if (!unixRoot.empty()) RunUnix("chmod -R u+rwx '" + unixRoot + "'; rm -rf '" + unixRoot + "'");
}

std::string TempTree::Path(const std::string& relative) const
{
    return relative.empty() ? m_root : m_root + "\\" + relative;
}

void TempTree::AddFolder(const std::string& relative, DWORD attributes)
{
    const std::string path = Path(relative);
    if (!CreateDirectoryA(path.c_str(), nullptr)) ADD_FAILURE() << "cannot make folder " << path;
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
}

void TempTree::AddFile(const std::string& relative, const std::string& content, DWORD attributes)
{
    const std::string path = Path(relative);
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot make file " << path;
        return;
    }
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
}

void TempTree::AddWideFolder(const std::wstring& relative)
{
    const std::wstring path = Widen(m_root) + L"\\" + relative;
    if (!CreateDirectoryW(path.c_str(), nullptr)) ADD_FAILURE() << "cannot make a wide folder";
}

void TempTree::AddWideFile(const std::wstring& relative)
{
    const std::wstring path = Widen(m_root) + L"\\" + relative;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        ADD_FAILURE() << "cannot make a wide file";
    else
        CloseHandle(file);
}

std::string TempTree::UnixPathOf(const std::string& windowsPath)
{
    const UnixNameFunction unixName = reinterpret_cast<UnixNameFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName) return std::string();
    char* name = unixName(Widen(windowsPath).c_str());
    if (!name) return std::string();
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Wine starts a Unix program for CreateProcess but cannot wait for it, so the command
// leaves a marker file when it is done.
bool TempTree::RunUnix(const std::string& command)
{
    static int counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::ostringstream marker;
    marker << temp << "varnel-unix-" << GetCurrentProcessId() << "-" << ++counter << ".done";
    const std::string unixMarker = UnixPathOf(marker.str());
    if (unixMarker.empty()) return false;

    std::string line = "/bin/sh -c \"" + command + "; : > '" + unixMarker + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int i = 0; i < 1000; ++i) {
        if (GetFileAttributesA(marker.str().c_str()) != INVALID_FILE_ATTRIBUTES) {
            DeleteFileA(marker.str().c_str());
            return true;
        }
        Sleep(10);
    }
    return false;
}

bool TempTree::AddLink(const std::string& relative, const std::string& target)
{
    const std::string unixLink = UnixPathOf(Path(relative));
    const std::string unixTarget = UnixPathOf(target);
    if (unixLink.empty() || unixTarget.empty()) return false;
    return RunUnix("ln -s '" + unixTarget + "' '" + unixLink + "'");
}

bool TempTree::Exists(const std::string& relative) const
{
    return GetFileAttributesA(Path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string TempTree::Content(const std::string& relative) const
{
    std::ifstream in(Path(relative).c_str(), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::set<std::string> TempTree::Entries() const
{
    std::set<std::string> entries;
    ListBelow(m_root, "", entries);
    return entries;
}
