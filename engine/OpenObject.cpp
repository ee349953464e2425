#include "engine/OpenObject.h"

namespace {

// Wine names a location without the trailing dots and spaces of some of its names; both
// sides of a comparison are read without them.
WString WithoutTrailingDotsAndSpaces(const WString& location)
{
    WString result;
    size_t start = 0;
    for (;;) {
        const size_t end = location.find(L'\\', start);
        const WString name =
            location.substr(start, end == WString::npos ? WString::npos : end - start);
        const size_t last = name.find_last_not_of(L". ");
        result += last == WString::npos ? name : name.substr(0, last + 1);
        if (end == WString::npos) return result;
        result += L'\\';
        start = end + 1;
    }
}

// The volume part of a \\?\ path: "\\?\C:", "\\?\UNC\server\share", "\\?\Volume{...}".
size_t VolumeLength(const WString& path)
{
    const bool share = path.compare(0, 8, L"\\\\?\\UNC\\") == 0;
    size_t end = share ? 8 : 4;
    for (int names = share ? 2 : 1; names > 0 && end != WString::npos; --names)
        end = path.find(L'\\', end + 1);
    return end == WString::npos ? path.size() : end;
}

// A plain folder, a link or (for an entry opened as a file) a file.
bool ReadShape(HANDLE object, EntryKind kind, OpenPurpose purpose, Shape& shape)
{
    if (kind == EntryKind::File) {
        // Opened as itself with no folder allowed: a file, or a link deleted as itself.
        shape = Shape::File;
        return true;
    }
    if (purpose == OpenPurpose::List) {
        // A link opened as itself lists nothing of its target, and Wine's links are caught by
        // their location: only a deletion needs to tell a link from a folder.
        shape = Shape::Folder;
        return true;
    }
    DWORD attributes = 0, tag = 0;
    if (!QueryAttributes(object, attributes, tag)) return false;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    shape = IsLink(attributes, tag) ? Shape::Link : Shape::Folder;
    return true;
}

}  // namespace

OpenObject::OpenObject(FileHandle handle, Shape shape, WString location)
    : m_handle(std::move(handle)),
      m_shape(shape),
      m_location(std::move(location))
{
}

std::unique_ptr<OpenObject> OpenObject::OpenRoot(const WString& longPath)
{
    WString path = longPath;
    while (path.size() > 1 && path.back() == L'\\') path.pop_back();
    // A drive's or a share's root has no folder above it to be checked in.
    const bool isVolumeRoot = path.size() <= VolumeLength(path);
    const size_t cut = path.rfind(L'\\');
    const WString name = path.substr(cut + 1);
    FileHandle handle = OpenFolderAt(isVolumeRoot ? path + L"\\" : path.substr(0, cut + 1));
    Shape shape;
    if (!handle.IsOpen() ||
        !ReadShape(handle.Get(), EntryKind::Folder, OpenPurpose::Delete, shape) ||
        shape != Shape::Folder)
        return nullptr;
    WString location;
    if (IsWine()) {
        location = QueryLocation(handle.Get());
        if (location.empty()) return nullptr;
    }
    std::unique_ptr<OpenObject> folder(new OpenObject(std::move(handle), shape, location));
    if (isVolumeRoot) return folder;
    std::unique_ptr<OpenObject> root =
        folder->OpenEntry(name, EntryKind::Folder, OpenPurpose::List);
    return root && root->GetShape() == Shape::Folder ? std::move(root) : nullptr;
}

std::unique_ptr<OpenObject> OpenObject::OpenEntry(const WString& name, EntryKind kind,
                                                  OpenPurpose purpose) const
{
    FileHandle handle = ::OpenEntry(Handle(), name, kind, purpose);
    Shape shape;
    if (!handle.IsOpen() || !ReadShape(handle.Get(), kind, purpose, shape)) return nullptr;
    WString location;
    if (IsWine()) {
        // Wine opened a link as its target, or found the entry through a folder above that
        // was swapped for a link, when the object does not lie here under its own name.
        const WString expected = m_location + (m_location.back() == L'\\' ? L"" : L"\\") + name;
        location = QueryLocation(handle.Get());
        if (location.empty() ||
            WithoutTrailingDotsAndSpaces(location) != WithoutTrailingDotsAndSpaces(expected))
            return nullptr;
    }
    return std::unique_ptr<OpenObject>(new OpenObject(std::move(handle), shape, location));
}
