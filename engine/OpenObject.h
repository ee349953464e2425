#pragma once
// An object of the tree, opened and checked on its own handle: it is what its name says (not
// a link the system followed, not reached through a folder swapped for a link) and of the
// shape the check saw. Entries below it are opened through it and checked against it.

#include "engine/FileSystem.h"

#include <memory>

enum class Shape { File, Folder, Link };

class OpenObject {
public:
    // The chosen folder, by its \\?\ path: opened inside the folder above it and checked
    // like any entry (a drive's root by its path). Null unless it is a plain folder.
    static std::unique_ptr<OpenObject> OpenRoot(const WString& longPath);

    // The entry `name` of this folder, opened as the kind asked and checked; null when it is
    // gone, is of the other kind, or cannot be shown to lie here.
    std::unique_ptr<OpenObject> OpenEntry(const WString& name, EntryKind kind,
                                          OpenPurpose purpose) const;

    HANDLE Handle() const { return m_handle.Get(); }
    Shape GetShape() const { return m_shape; }
    // Closes the handle (where the system deletes by name, the deletion happens now).
    void Close() { m_handle.Close(); }

private:
    OpenObject(FileHandle handle, Shape shape, WString location);

    FileHandle m_handle;
    Shape m_shape;
    WString m_location;  // where it lies, where links may go unmarked; empty elsewhere
};
