#pragma once
// A scratch folder tree for tests that touch the file system: made fresh under the
// temporary folder, removed again (from the Unix side under Wine, so that links are
// removed as links and their targets are not touched). Paths are UTF-16; every call goes
// to the system in the \\?\ form, so trees may be of any depth and hold any name.

#include <windows.h>

#include <set>
#include <string>

class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::wstring& Root() const { return m_root; }
    // Root, a backslash and the relative path (Root itself for "").
    std::wstring Path(const std::wstring& relative) const;
    // The same in the \\?\ form.
    std::wstring LongPath(const std::wstring& relative) const;

    void AddFolder(const std::wstring& relative, DWORD attributes = 0);
    // The content is written as UTF-8.
    void AddFile(const std::wstring& relative, const std::wstring& content = L"",
                 DWORD attributes = 0);

    // Runs a Unix shell command (UTF-8) and waits for it; false where there is no Unix side.
    static bool RunUnix(const std::string& command);
    // The Unix form of a Windows path (UTF-8); empty where there is no Unix side.
    static std::string UnixPathOf(const std::wstring& windowsPath);
    // A Unix symbolic link at relative pointing to the Windows path target; false when it
    // cannot be made.
    bool AddLink(const std::wstring& relative, const std::wstring& target);

    bool Exists(const std::wstring& relative) const;
    DWORD Attributes(const std::wstring& relative) const;
    std::wstring Content(const std::wstring& relative) const;
    // Every path below the root, relative to it; links are listed but not entered.
    std::set<std::wstring> Entries() const;

private:
    std::wstring m_root;
};
