#pragma once
// A scratch folder tree for tests that touch the file system: made fresh under the
// temporary folder, removed again (from the Unix side under Wine, so that links are
// removed as links and their targets are not touched).

#include <windows.h>

#include <set>
#include <string>

class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& Root() const { return m_root; }
    // Root, a backslash and the relative path (Root itself for "").
    std::string Path(const std::string& relative) const;

    void AddFolder(const std::string& relative, DWORD attributes = 0);
    void AddFile(const std::string& relative, const std::string& content = "",
                 DWORD attributes = 0);
    // Names that the ANSI code page cannot hold.
    void AddWideFolder(const std::wstring& relative);
    void AddWideFile(const std::wstring& relative);

    // Runs a Unix shell command and waits for it; false where there is no Unix side.
    static bool RunUnix(const std::string& command);
    // The Unix form of a Windows path; empty where there is no Unix side.
    static std::string UnixPathOf(const std::string& windowsPath);
    // A Unix symbolic link at relative pointing to the Windows path target; false when it
    // cannot be made.
    bool AddLink(const std::string& relative, const std::string& target);

    bool Exists(const std::string& relative) const;
    std::string Content(const std::string& relative) const;
    // Every path below the root, relative to it; links are listed but not entered.
    std::set<std::string> Entries() const;

private:
    std::string m_root;
};
