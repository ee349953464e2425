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

bool IsFolderButNoLink(HANDLE object)
{
    DWORD attributes = 0, tag = 0;
    return QueryAttributes(object, attributes, tag) &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && !IsLink(attributes, tag);
}

}  // namespace

OpenObject::OpenObject(FileHandle handle, WString location)
    : m_handle(std::move(handle)),
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
    FileHandle handle = OpenFolderAt(isVolumeRoot ? path + L"\\" : path.substr(0, cut + 1));
    if (!handle.IsOpen() || !IsFolderButNoLink(handle.Get())) return nullptr;
    WString location;
    if (IsWine()) {
        location = QueryLocation(handle.Get());
        if (location.empty()) return nullptr;
    }
    std::unique_ptr<OpenObject> folder(new OpenObject(std::move(handle), location));
    if (isVolumeRoot) return folder;
    // Opened to be listed, and checked as an entry to be deleted is.
    std::unique_ptr<OpenObject> root =
        folder->OpenEntry(path.substr(cut + 1), EntryKind::Folder, OpenPurpose::List);
    if (!root || !IsFolderButNoLink(root->Handle()) || !root->LiesWhereNamed()) return nullptr;
    return root;
}

std::unique_ptr<OpenObject> OpenObject::OpenEntry(const WString& name, EntryKind kind,
                                                  OpenPurpose purpose) const
{
    FileHandle handle = ::OpenEntry(Handle(), name, kind, purpose);
    if (!handle.IsOpen()) return nullptr;
    WString location;
    if (IsWine()) location = m_location + (m_location.back() == L'\\' ? L"" : L"\\") + name;
    std::unique_ptr<OpenObject> entry(new OpenObject(std::move(handle), location));
    if (purpose == OpenPurpose::Delete && !entry->LiesWhereNamed()) return nullptr;
    return entry;
}

bool OpenObject::LiesWhereNamed() const
{
    // Where links go unmarked, Wine opened a link as its target, or found the entry through a
    // folder above that was swapped for a link, when the object does not lie where it must.
    if (!IsWine()) return true;
    return WithoutTrailingDotsAndSpaces(QueryLocation(Handle())) ==
           WithoutTrailingDotsAndSpaces(m_location);
}
