#pragma once
// An object of the tree, opened on a handle of its own and checked to be what its name says:
// not a link the system followed, not reached through a folder swapped for one. Entries
// below it are opened through it and checked against it.

#include "engine/FileSystem.h"

#include <memory>

class OpenObject {
public:
    // The chosen folder, by its \\?\ path: opened inside the folder above it and checked like
    // any entry (a drive's root by its path). Null unless it is a folder and not a link.
    static std::unique_ptr<OpenObject> OpenRoot(const WString& longPath);

    // The entry `name` of this folder, opened as the kind asked; null when it is gone, is of
    // the other kind, or (to delete it) cannot be shown to lie here. A folder opened to be
    // listed needs no showing: everything opened through it for deletion is checked.
    std::unique_ptr<OpenObject> OpenEntry(const WString& name, EntryKind kind,
                                          OpenPurpose purpose) const;

    HANDLE Handle() const { return m_handle.Get(); }
    // Where it must lie, in the system's namespace, where links may go unmarked (Wine);
    // empty elsewhere.
    const WString& Location() const { return m_location; }
    // Closes the handle (where the system deletes by name, the deletion happens now).
    void Close() { m_handle.Close(); }

private:
    OpenObject(FileHandle handle, WString location);
    bool LiesWhereNamed() const;

    FileHandle m_handle;
    WString m_location;
};
