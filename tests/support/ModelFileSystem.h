#pragma once
// An in-memory file system that answers the engine's calls as Windows documents them
// (ntifs.h, the file-system behaviour notes of the SDK), with the same status codes: opens
// relative to a folder handle, kinds enforced by the open options, sharing, reparse points
// and their name-surrogate bit, the classic delete disposition (the name stays while a handle
// is open, and a folder is not empty until the last one closes) and the POSIX one, read-only
// refusals, ACLs, volumes without a listing class or the extended disposition, the System32
// redirection of a 32-bit program, and a plan that makes any call fail or change the tree at
// any point. Paths are "C:\a\b" (the one volume is C:).

#include "engine/FileSystem.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

class ModelFileSystem : public FileSystem {
public:
    struct Node;

    // What the volume and the system can do.
    enum class Disposition { ClassicOnly, Posix /* 1607 */, PosixIgnoreReadOnly /* 1809 on */ };
    struct Volume {
        Disposition disposition = Disposition::PosixIgnoreReadOnly;
        std::set<ULONG> refusedListingClasses;
        ULONG recordsPerRead = 1000;  // a listing comes in reads of at most this many records
        bool wow64 = false;           // a 32-bit program on 64-bit Windows
        size_t handleLimit = 0;       // a server's limit on open handles; 0 for none
        // What a successful open answers: an informational status still hands over a handle.
        NTSTATUS openStatus = 0;
        // FAT or exFAT: the root lists no "." and "..", and an empty one answers the first
        // read with STATUS_NO_SUCH_FILE.
        bool fat = false;
        // The 64-bit ids the volume answers, by the handle and in listings: each object's own,
        // or as ReFS may answer, all ones or one value several objects share.
        enum class Ids64 { Unique, AllOnes, Shared } ids64 = Ids64::Unique;
        // 128-bit ids (FileIdInformation, FileIdExtdDirectoryInformation; Windows 8 on).
        bool ids128 = true;
    };
    Volume volume;

    // Every call, before it is answered: a non-success status fails it; the plan may also
    // change the tree. `path` is the object the call is on (for Open, the entry opened).
    enum class Call { Open, QueryDirectory, QueryInformation, SetInformation };
    std::function<NTSTATUS(Call call, const WString& path, ULONG infoClass)> plan;

    ModelFileSystem();
    ~ModelFileSystem() override;

    // The tree. Attributes beyond the kind are given; a folder's attributes include
    // FILE_ATTRIBUTE_DIRECTORY by itself.
    void AddFolder(const WString& path, DWORD attributes = 0);
    void AddFile(const WString& path, DWORD attributes = 0, ULONGLONG size = 0);
    // A reparse point with `tag`; a name surrogate leads to `target` when followed.
    void AddReparsePoint(const WString& path, bool folder, DWORD tag,
                         const WString& target = WString());
    // A second name of an existing file.
    void AddHardLink(const WString& path, const WString& existing);
    // A folder that a server shows as a plain folder although it is a link to `existing`.
    void AddServerLink(const WString& path, const WString& existing);
    Node& At(const WString& path);  // the node, to set its rights and faults below
    // Another program holds the object open until Close; without share-delete nobody may
    // delete it meanwhile.
    HANDLE Hold(const WString& path, bool shareDelete);

    bool Exists(const WString& path) const;
    // Takes the object away with everything in it, as a move out of the volume does.
    void Remove(const WString& path);
    // What a 32-bit program reaches by `path` as the redirection stands; whether it is off.
    WString Reached(const WString& path) const;
    bool RedirectionIsOff() const { return volume.wow64 && m_redirectionOff > 0; }
    DWORD Attributes(const WString& path) const;
    // Every path below `folder`, relative to it, links not entered.
    std::set<WString> Entries(const WString& folder) const;
    size_t OpenHandles() const { return m_handles.size(); }
    size_t PeakHandles() const { return m_peakHandles; }

    // The \\?\ path the engine is given for a model path.
    static WString LongPath(const WString& path);

    NTSTATUS Open(HANDLE folder, const WString& name, ULONG access, ULONG share, ULONG options,
                  HANDLE& opened) override;
    NTSTATUS QueryDirectory(HANDLE folder, ULONG infoClass, bool restart, void* buffer, ULONG size,
                            ULONG& written) override;
    NTSTATUS QueryInformation(HANDLE object, ULONG infoClass, void* buffer, ULONG size) override;
    NTSTATUS SetInformation(HANDLE object, ULONG infoClass, const void* buffer,
                            ULONG size) override;
    NTSTATUS QueryName(HANDLE object, WString& name) override;
    NTSTATUS QueryAttributesAt(const WString& ntPath, ULONG& attributes) override;
    void Close(HANDLE object) override;
    bool DisableRedirection(void*& token) override;
    void RevertRedirection(void* token) override;
    WString PathWithRedirectionOn(const WString& longPath) override;
    bool LinksUnmarked() override { return false; }

    struct Node {
        bool folder = false;
        DWORD attributes = 0;  // without FILE_ATTRIBUTE_DIRECTORY
        DWORD tag = 0;
        WString target;  // where a name surrogate leads
        ULONGLONG id = 0;
        ULONGLONG size = 0;
        ULONGLONG lastWrite = 0;  // FILETIME
        int names = 1;
        std::vector<std::pair<WString, std::shared_ptr<Node>>> children;  // in listing order
        // Rights and states
        bool denyDelete = false;
        bool denyWriteAttributes = false;
        bool denyList = false;
        bool runningImage = false;  // a running program: it cannot be deleted
        NTSTATUS openFailure = 0;   // every open fails so (a provider not running, ...)
        int heldWithoutShareDelete = 0;
        bool deletePending = false;
        int opens = 0;
    };

private:
    struct Handle;
    ULONGLONG Id64(const Node& node) const;
    ULONGLONG IdHigh() const;
    NTSTATUS Resolve(std::shared_ptr<Node> from, const WString& fromPath, const WString& name,
                     bool followLast, std::shared_ptr<Node>& node, std::shared_ptr<Node>& parent,
                     WString& path, WString& lastName) const;
    Handle* Find(HANDLE object);
    void Unlink(Node& parent, const WString& name, const Node& node);
    std::shared_ptr<Node> Lookup(const WString& path) const;
    std::shared_ptr<Node> AddNode(const WString& path, std::shared_ptr<Node> node);

    std::shared_ptr<Node> m_volumeRoot;
    std::pair<WString, std::shared_ptr<Node>> m_lastAdded;
    std::map<uintptr_t, std::unique_ptr<Handle>> m_handles;
    uintptr_t m_nextHandle = 0x100;
    size_t m_peakHandles = 0;
    ULONGLONG m_nextId = 0x1000;
    int m_redirectionOff = 0;
};
