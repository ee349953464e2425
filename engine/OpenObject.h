#pragma once
// The one way into the tree. Every object below the chosen folder is opened inside the folder
// that holds it, never by a path and never through a link; it is listed, checked and deleted
// on that one handle. How much checking that needs is decided once, when the chosen folder is
// opened: where the system may open a link as its target (Wine), each object opened for
// deletion must also be shown to lie where its name says.

#include "engine/DirectoryRecords.h"

#include <memory>
#include <vector>

class FileSystem;

enum class EntryKind { File, Folder };

// What an open is for: reading a folder's entries, or deleting the object.
enum class OpenPurpose { List, Delete };

// How an entry's open ended when it gave no object.
enum class OpenFailure { None, Gone, Refused };

class OpenObject {
public:
    ~OpenObject();
    OpenObject(const OpenObject&) = delete;
    OpenObject& operator=(const OpenObject&) = delete;

    // The chosen folder, by its \\?\ path, on `fileSystem`: opened inside the folder above
    // it (which may be reached through links) and checked to be a folder and not a link
    // itself; a drive's or a share's root by its path. Null when that cannot be.
    static std::unique_ptr<OpenObject> OpenRoot(FileSystem& fileSystem, const WString& longPath);

    // The entry `name` of this folder, opened as itself and only as the kind asked. Null when
    // it cannot be; `failure` then says whether it is simply gone.
    std::unique_ptr<OpenObject> OpenEntry(const WString& name, EntryKind kind, OpenPurpose purpose,
                                          OpenFailure* failure = nullptr) const;

    // Appends this folder's entries in the order the system lists them, with the best
    // listing class the volume answers; false when they could not be read whole (what was
    // read is kept).
    bool List(std::vector<ListedEntry>& entries) const;

    // The object's file id, at the width the volume's listings give (unknown when the system
    // does not give one).
    FileId Identity() const;

    // Whether it carries the read-only mark (false when that cannot be read).
    bool IsReadOnly() const;

    // The attributes of the object at the \\?\ path, a link's own, and for a reparse point
    // its tag (0 when it cannot be read), with the redirection as it stands; false when
    // nothing holds the name.
    static bool ReadAttributesAt(FileSystem& fileSystem, const WString& longPath,
                                 DWORD& attributes, DWORD& reparseTag);
    // Whether the \\?\ path names a volume's root folder: a drive's or a share's.
    static bool IsVolumeRoot(const WString& longPath);

    // Deletes the object through its handle and closes it; true when it is gone. A read-only
    // object goes only with allowReadOnly, and then only its read-only mark is cleared, only
    // when that mark is what refused the deletion, and it is put back whenever the object
    // stays. With confirm, where names may change under a handle (Wine), the name must also
    // be free afterwards.
    bool DeleteAndClose(bool allowReadOnly, bool confirm);

private:
    struct Volume;
    OpenObject(std::shared_ptr<Volume> volume, HANDLE handle, WString location);
    bool IsFolderButNoLink() const;
    // Learns, on the chosen folder, whether the volume gives 128-bit ids.
    void ChooseIdWidth();
    bool LiesWhereNamed() const;
    NTSTATUS MarkForDeletion(bool ignoreReadOnly);
    bool DeleteReadOnly();
    void Close();

    std::shared_ptr<Volume> m_volume;
    HANDLE m_handle;
    WString m_location;  // where it must lie, in the system's namespace; checked only on Wine
};

// Turns off, for the calling thread and for as long as it lives, the redirection that shows a
// 32-bit program on 64-bit Windows SysWOW64 where System32 is named: the folder named is the
// folder cleaned.
class RedirectionOff {
public:
    explicit RedirectionOff(FileSystem& fileSystem);
    ~RedirectionOff();
    RedirectionOff(const RedirectionOff&) = delete;
    RedirectionOff& operator=(const RedirectionOff&) = delete;

    // Turns it on again for as long as it lives: the shell's calls load libraries, and a
    // load fails while the redirection is off (and a failed delay-load stays failed).
    class On {
    public:
        explicit On(RedirectionOff& off);
        ~On();
        On(const On&) = delete;
        On& operator=(const On&) = delete;

    private:
        RedirectionOff& m_off;
        bool m_wasOff;
    };

private:
    FileSystem& m_fileSystem;
    void* m_token = nullptr;
    bool m_off;
};
