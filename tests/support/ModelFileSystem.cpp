#include "tests/support/ModelFileSystem.h"

#include <algorithm>
#include <cstring>

namespace {

// Names compare as NTFS compares them by default: without regard to case (ASCII is enough
// for the tests' names).
WCHAR UpperUnit(WCHAR c)
{
    return (c >= _T('a') && c <= _T('z')) ? static_cast<WCHAR>(c - _T('a') + _T('A')) : c;
}

bool SameName(const WString& a, const WString& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (UpperUnit(a[i]) != UpperUnit(b[i])) return false;
    return true;
}

std::vector<WString> Split(const WString& path)
{
    std::vector<WString> names;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t end = std::min(path.find(_T('\\'), start), path.size());
        if (end > start) names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

WString Join(const WString& folder, const WString& name)
{
    return folder.empty() ? name : folder + _T("\\") + name;
}

const WString kNtPrefix = _T("\\??\\");

// Whether `path` is `folder` or lies below it.
bool IsAtOrBelow(const WString& path, const WString& folder)
{
    return path.size() >= folder.size() && SameName(path.substr(0, folder.size()), folder) &&
           (path.size() == folder.size() || path[folder.size()] == _T('\\'));
}

const WString kSystem32 = _T("C:\\Windows\\System32");
const WString kSysWow64 = _T("C:\\Windows\\SysWOW64");
const WString kSysnative = _T("C:\\Windows\\Sysnative");

// What a 32-bit program on 64-bit Windows reaches, with the redirection on, when it names a
// path below System32 (SysWOW64) or Sysnative (System32).
WString Redirected(const WString& path)
{
    if (IsAtOrBelow(path, kSystem32)) return kSysWow64 + path.substr(kSystem32.size());
    if (IsAtOrBelow(path, kSysnative)) return kSystem32 + path.substr(kSysnative.size());
    return path;
}

}  // namespace

struct ModelFileSystem::Handle {
    std::shared_ptr<Node> node;
    std::shared_ptr<Node> parent;  // the folder the name was opened in
    WString name;                  // the name it was opened by
    WString path;
    ULONG access;
    bool posixDelete = false;
    size_t cursor = 0;
    bool asLink = false;  // a link opened as itself lists nothing of its target
    bool blocksDelete = false;
};

ModelFileSystem::ModelFileSystem()
    : m_volumeRoot(std::make_shared<Node>())
{
    m_volumeRoot->folder = true;
    m_volumeRoot->id = 5;
    auto drive = std::make_shared<Node>(*m_volumeRoot);
    m_volumeRoot->children.clear();
    drive->id = m_nextId++;
    m_volumeRoot->children.emplace_back(_T("C:"), drive);
}

ModelFileSystem::~ModelFileSystem()
{
    // Server-side links make loops of nodes: take the tree apart so that every node goes.
    std::vector<std::shared_ptr<Node>> pending{m_volumeRoot};
    while (!pending.empty()) {
        const std::shared_ptr<Node> node = pending.back();
        pending.pop_back();
        for (auto& child : node->children) pending.push_back(child.second);
        node->children.clear();
    }
    m_lastAdded.second.reset();
}

WString ModelFileSystem::LongPath(const WString& path)
{
    return _T("\\\\?\\") + path;
}

std::shared_ptr<ModelFileSystem::Node> ModelFileSystem::Lookup(const WString& path) const
{
    std::shared_ptr<Node> node = m_volumeRoot;
    for (const WString& name : Split(path)) {
        std::shared_ptr<Node> next;
        for (const auto& child : node->children)
            if (SameName(child.first, name)) next = child.second;
        if (!next) return nullptr;
        node = next;
    }
    return node;
}

std::shared_ptr<ModelFileSystem::Node> ModelFileSystem::AddNode(const WString& path,
                                                                std::shared_ptr<Node> node)
{
    const size_t cut = path.rfind(_T('\\'));
    const WString parentPath = path.substr(0, cut);
    // Deep trees are built one level below the last: that one is found without a walk.
    const std::shared_ptr<Node> parent = m_lastAdded.second && parentPath == m_lastAdded.first
                                             ? m_lastAdded.second
                                             : Lookup(parentPath);
    if (!parent || !parent->folder) return nullptr;
    parent->children.emplace_back(path.substr(cut + 1), node);
    m_lastAdded = {path, node};
    return node;
}

void ModelFileSystem::AddFolder(const WString& path, DWORD attributes)
{
    auto node = std::make_shared<Node>();
    node->folder = true;
    node->attributes = attributes;
    node->id = m_nextId++;
    AddNode(path, node);
}

void ModelFileSystem::AddFile(const WString& path, DWORD attributes, ULONGLONG size)
{
    auto node = std::make_shared<Node>();
    node->attributes = attributes ? attributes : FILE_ATTRIBUTE_ARCHIVE;
    node->size = size;
    node->id = m_nextId++;
    AddNode(path, node);
}

void ModelFileSystem::AddReparsePoint(const WString& path, bool folder, DWORD tag,
                                      const WString& target)
{
    auto node = std::make_shared<Node>();
    node->folder = folder;
    node->attributes = FILE_ATTRIBUTE_REPARSE_POINT | (folder ? 0 : FILE_ATTRIBUTE_ARCHIVE);
    node->tag = tag;
    node->target = target;
    node->id = m_nextId++;
    AddNode(path, node);
}

void ModelFileSystem::AddHardLink(const WString& path, const WString& existing)
{
    const std::shared_ptr<Node> node = Lookup(existing);
    if (node && AddNode(path, node)) ++node->names;
}

void ModelFileSystem::AddServerLink(const WString& path, const WString& existing)
{
    AddNode(path, Lookup(existing));
}

ModelFileSystem::Node& ModelFileSystem::At(const WString& path)
{
    return *Lookup(path);
}

HANDLE ModelFileSystem::Hold(const WString& path, bool shareDelete)
{
    const size_t cut = path.rfind(_T('\\'));
    auto handle = std::make_unique<Handle>();
    handle->node = Lookup(path);
    handle->parent = Lookup(path.substr(0, cut));
    handle->name = path.substr(cut + 1);
    handle->path = path;
    handle->access = 0;
    handle->blocksDelete = !shareDelete;
    if (!shareDelete) ++handle->node->heldWithoutShareDelete;
    ++handle->node->opens;
    const uintptr_t value = m_nextHandle;
    m_nextHandle += 4;
    m_handles[value] = std::move(handle);
    return reinterpret_cast<HANDLE>(value);
}

bool ModelFileSystem::Exists(const WString& path) const
{
    return Lookup(path) != nullptr;
}

DWORD ModelFileSystem::Attributes(const WString& path) const
{
    const std::shared_ptr<Node> node = Lookup(path);
    if (!node) return 0xFFFFFFFF;
    return node->attributes | (node->folder ? FILE_ATTRIBUTE_DIRECTORY : 0);
}

std::set<WString> ModelFileSystem::Entries(const WString& folder) const
{
    std::set<WString> entries;
    std::vector<std::pair<WString, std::shared_ptr<Node>>> pending{{WString(), Lookup(folder)}};
    std::set<const Node*> seen;
    while (!pending.empty()) {
        const auto next = pending.back();
        pending.pop_back();
        if (!next.second || !seen.insert(next.second.get()).second) continue;
        for (const auto& child : next.second->children) {
            const WString path = Join(next.first, child.first);
            entries.insert(path);
            if (child.second->folder && !(child.second->attributes & FILE_ATTRIBUTE_REPARSE_POINT))
                pending.emplace_back(path, child.second);
        }
    }
    return entries;
}

NTSTATUS ModelFileSystem::Resolve(std::shared_ptr<Node> from, const WString& fromPath,
                                  const WString& name, bool followLast, std::shared_ptr<Node>& node,
                                  std::shared_ptr<Node>& parent, WString& path,
                                  WString& lastName) const
{
    const std::vector<WString> names = Split(name);
    node = from;
    path = fromPath;
    for (size_t i = 0; i < names.size(); ++i) {
        if (!node->folder) return nt::kObjectPathNotFound;
        std::shared_ptr<Node> next;
        for (const auto& child : node->children)
            if (SameName(child.first, names[i])) next = child.second;
        const bool last = i + 1 == names.size();
        if (!next) return last ? nt::kObjectNameNotFound : nt::kObjectPathNotFound;
        parent = node;
        lastName = names[i];
        path = Join(path, names[i]);
        node = next;
        // Name surrogates are followed on the way, and at the end unless opened as themselves.
        if ((node->tag & nt::kTagNameSurrogateBit) && (!last || followLast)) {
            WString targetPath, targetName;
            std::shared_ptr<Node> targetParent;
            const NTSTATUS status = Resolve(m_volumeRoot, WString(), node->target, true, node,
                                            targetParent, targetPath, targetName);
            if (!nt::Succeeded(status)) return status;
            parent = targetParent;
            lastName = targetName;
            path = targetPath;
        }
    }
    return nt::kSuccess;
}

NTSTATUS ModelFileSystem::Open(HANDLE folder, const WString& name, ULONG access, ULONG share,
                               ULONG options, HANDLE& opened)
{
    (void)share;  // the engine shares everything; Hold models the other side
    opened = INVALID_HANDLE_VALUE;
    std::shared_ptr<Node> node, parent;
    WString path, lastName;
    bool asLink = false;
    if (folder) {
        Handle* above = Find(folder);
        if (!above) return nt::kInvalidParameter;
        if (name.empty()) {  // the same object again
            node = above->node;
            parent = above->parent;
            path = above->path;
            lastName = above->name;
            asLink = above->asLink;
        } else {
            if (!above->node->folder) return nt::kInvalidParameter;
            const WString full = Join(above->path, name);
            if (plan) {
                const NTSTATUS planned = plan(Call::Open, full, 0);
                if (!nt::Succeeded(planned)) return planned;
            }
            // The redirection looks at the whole name, the folder's included.
            const bool redirected =
                volume.wow64 && m_redirectionOff == 0 && Redirected(full) != full;
            const NTSTATUS status =
                redirected
                    ? Resolve(m_volumeRoot, WString(), Redirected(full),
                              !(options & nt::kOpenReparsePoint), node, parent, path, lastName)
                    : Resolve(above->node, above->path, name, !(options & nt::kOpenReparsePoint),
                              node, parent, path, lastName);
            if (!nt::Succeeded(status)) return status;
        }
    } else {
        if (name.compare(0, kNtPrefix.size(), kNtPrefix) != 0) return nt::kObjectNameInvalid;
        WString rest = name.substr(kNtPrefix.size());
        // "\??\C:" is the volume itself, a device: only "\??\C:\" is its root folder.
        if (rest.find(_T('\\')) == WString::npos) return nt::kNotADirectory;
        while (!rest.empty() && rest.back() == _T('\\')) rest.pop_back();
        if (volume.wow64 && m_redirectionOff == 0) rest = Redirected(rest);
        if (plan) {
            const NTSTATUS planned = plan(Call::Open, rest, 0);
            if (!nt::Succeeded(planned)) return planned;
        }
        const NTSTATUS status =
            Resolve(m_volumeRoot, WString(), rest, !(options & nt::kOpenReparsePoint), node, parent,
                    path, lastName);
        if (!nt::Succeeded(status)) return status;
    }
    if (!name.empty()) asLink = (node->tag & nt::kTagNameSurrogateBit) != 0;
    if (node->deletePending) return nt::kDeletePending;
    if (node->openFailure) return node->openFailure;
    if ((options & nt::kDirectoryFile) && !node->folder) return nt::kNotADirectory;
    if ((options & nt::kNonDirectoryFile) && node->folder) return nt::kFileIsADirectory;
    if (((access & nt::kDelete) && node->denyDelete) ||
        ((access & nt::kWriteAttributes) && node->denyWriteAttributes) ||
        ((access & nt::kListDirectory) && node->folder && node->denyList))
        return nt::kAccessDenied;
    if ((access & nt::kDelete) && node->heldWithoutShareDelete) return nt::kSharingViolation;
    if (volume.handleLimit && m_handles.size() >= volume.handleLimit)
        return nt::kRequestNotAccepted;
    auto handle = std::make_unique<Handle>();
    handle->node = node;
    handle->parent = parent;
    handle->name = lastName;
    handle->path = path;
    handle->access = access;
    handle->asLink = asLink;
    const uintptr_t value = m_nextHandle;
    m_nextHandle += 4;
    m_handles[value] = std::move(handle);
    ++node->opens;
    m_peakHandles = std::max(m_peakHandles, m_handles.size());
    opened = reinterpret_cast<HANDLE>(value);
    return volume.openStatus;
}

ModelFileSystem::Handle* ModelFileSystem::Find(HANDLE object)
{
    const auto found = m_handles.find(reinterpret_cast<uintptr_t>(object));
    return found == m_handles.end() ? nullptr : found->second.get();
}

NTSTATUS ModelFileSystem::QueryDirectory(HANDLE folder, ULONG infoClass, bool restart, void* buffer,
                                         ULONG size, ULONG& written)
{
    written = 0;
    Handle* handle = Find(folder);
    if (!handle) return nt::kInvalidParameter;
    if (plan) {
        const NTSTATUS planned = plan(Call::QueryDirectory, handle->path, infoClass);
        if (!nt::Succeeded(planned)) return planned;
    }
    if (!handle->node->folder) return nt::kInvalidParameter;
    if (!(handle->access & nt::kListDirectory)) return nt::kAccessDenied;
    const nt::DirectoryRecordLayout* layout = nullptr;
    for (const nt::DirectoryRecordLayout& candidate : nt::kListingLayouts)
        if (candidate.infoClass == infoClass) layout = &candidate;
    if (!layout || volume.refusedListingClasses.count(infoClass) ||
        (layout->idBytes == 16 && !volume.ids128))
        return nt::kInvalidInfoClass;
    if (restart) handle->cursor = 0;
    // "." and ".." come first, as NTFS lists them; a link opened as itself has nothing more.
    std::vector<std::pair<WString, std::shared_ptr<Node>>> listing;
    const bool fatRoot = volume.fat && handle->parent == m_volumeRoot;
    if (!fatRoot)
        listing = {{_T("."), handle->node},
                   {_T(".."), handle->parent ? handle->parent : handle->node}};
    if (!handle->asLink)
        listing.insert(listing.end(), handle->node->children.begin(), handle->node->children.end());
    BYTE* out = static_cast<BYTE*>(buffer);
    size_t offset = 0, previous = 0;
    ULONG records = 0;
    while (handle->cursor < listing.size() && records < volume.recordsPerRead) {
        const auto& entry = listing[handle->cursor];
        const Node& node = *entry.second;
        const size_t length = (layout->name + entry.first.size() * sizeof(WCHAR) + 7) / 8 * 8;
        if (offset + length > size) break;
        BYTE* record = out + offset;
        std::memset(record, 0, length);
        const ULONG attributes = node.attributes | (node.folder ? FILE_ATTRIBUTE_DIRECTORY : 0);
        const ULONG nameBytes = static_cast<ULONG>(entry.first.size() * sizeof(WCHAR));
        const LONGLONG endOfFile = static_cast<LONGLONG>(node.size);
        std::memcpy(record + nt::kRecordEndOfFile, &endOfFile, sizeof endOfFile);
        std::memcpy(record + nt::kRecordLastWriteTime, &node.lastWrite, sizeof node.lastWrite);
        std::memcpy(record + nt::kRecordAttributes, &attributes, sizeof attributes);
        std::memcpy(record + nt::kRecordNameLength, &nameBytes, sizeof nameBytes);
        if (layout->tag != nt::kNone && node.tag)
            std::memcpy(record + layout->tag, &node.tag, sizeof node.tag);
        const ULONGLONG ids[2] = {layout->idBytes == 16 ? node.id : Id64(node), IdHigh()};
        if (layout->fileId != nt::kNone) std::memcpy(record + layout->fileId, ids, layout->idBytes);
        std::memcpy(record + layout->name, entry.first.data(), nameBytes);
        if (records > 0) {
            const ULONG next = static_cast<ULONG>(offset - previous);
            std::memcpy(out + previous, &next, sizeof next);
        }
        previous = offset;
        offset += length;
        ++records;
        ++handle->cursor;
    }
    if (records == 0) return restart && fatRoot ? nt::kNoSuchFile : nt::kNoMoreFiles;
    written = static_cast<ULONG>(offset);
    return nt::kSuccess;
}

NTSTATUS ModelFileSystem::QueryInformation(HANDLE object, ULONG infoClass, void* buffer, ULONG size)
{
    Handle* handle = Find(object);
    if (!handle) return nt::kInvalidParameter;
    if (plan) {
        const NTSTATUS planned = plan(Call::QueryInformation, handle->path, infoClass);
        if (!nt::Succeeded(planned)) return planned;
    }
    const Node& node = *handle->node;
    const DWORD attributes = node.attributes | (node.folder ? FILE_ATTRIBUTE_DIRECTORY : 0);
    switch (infoClass) {
    case nt::kBasicInformation: {
        if (size < sizeof(nt::BasicInformation)) return nt::kInvalidParameter;
        nt::BasicInformation info = {};
        info.fileAttributes = attributes;
        std::memcpy(buffer, &info, sizeof info);
        return nt::kSuccess;
    }
    case nt::kStandardInformation: {
        if (size < sizeof(nt::StandardInformation)) return nt::kInvalidParameter;
        nt::StandardInformation info = {};
        info.endOfFile = static_cast<LONGLONG>(node.size);
        info.numberOfLinks = static_cast<ULONG>(node.names);
        info.deletePending = node.deletePending;
        info.directory = node.folder;
        std::memcpy(buffer, &info, sizeof info);
        return nt::kSuccess;
    }
    case nt::kInternalInformation: {
        if (size < sizeof(ULONGLONG)) return nt::kInvalidParameter;
        const ULONGLONG id = Id64(node);
        std::memcpy(buffer, &id, sizeof id);
        return nt::kSuccess;
    }
    case nt::kIdInformation: {
        if (!volume.ids128) return nt::kInvalidInfoClass;
        if (size < sizeof(nt::IdInformation)) return nt::kInvalidParameter;
        const nt::IdInformation info = {0x5EF5, node.id, IdHigh()};
        std::memcpy(buffer, &info, sizeof info);
        return nt::kSuccess;
    }
    case nt::kAttributeTagInformation: {
        if (size < sizeof(nt::AttributeTagInformation)) return nt::kInvalidParameter;
        const nt::AttributeTagInformation info = {attributes, node.tag};
        std::memcpy(buffer, &info, sizeof info);
        return nt::kSuccess;
    }
    default:
        return nt::kInvalidInfoClass;
    }
}

NTSTATUS ModelFileSystem::SetInformation(HANDLE object, ULONG infoClass, const void* buffer,
                                         ULONG size)
{
    Handle* handle = Find(object);
    if (!handle) return nt::kInvalidParameter;
    if (plan) {
        const NTSTATUS planned = plan(Call::SetInformation, handle->path, infoClass);
        if (!nt::Succeeded(planned)) return planned;
    }
    Node& node = *handle->node;
    if (infoClass == nt::kBasicInformation) {
        if (size < sizeof(nt::BasicInformation)) return nt::kInvalidParameter;
        if (!(handle->access & nt::kWriteAttributes)) return nt::kAccessDenied;
        nt::BasicInformation info;
        std::memcpy(&info, buffer, sizeof info);
        // 0 leaves the attributes as they are; NORMAL alone means none.
        if (info.fileAttributes != 0)
            node.attributes =
                (info.fileAttributes & ~(FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_DIRECTORY)) |
                (node.attributes & FILE_ATTRIBUTE_REPARSE_POINT);
        return nt::kSuccess;
    }
    bool posix = false, ignoreReadOnly = false;
    if (infoClass == nt::kDispositionInformationEx) {
        if (size < sizeof(ULONG)) return nt::kInvalidParameter;
        ULONG flags;
        std::memcpy(&flags, buffer, sizeof flags);
        if (volume.disposition == Disposition::ClassicOnly) return nt::kInvalidParameter;
        if ((flags & nt::kDispositionIgnoreReadOnly) &&
            volume.disposition != Disposition::PosixIgnoreReadOnly)
            return nt::kInvalidParameter;
        if (!(flags & nt::kDispositionDelete)) return nt::kSuccess;
        posix = (flags & nt::kDispositionPosixSemantics) != 0;
        ignoreReadOnly = (flags & nt::kDispositionIgnoreReadOnly) != 0;
    } else if (infoClass == nt::kDispositionInformation) {
        if (size < 1) return nt::kInvalidParameter;
        if (!static_cast<const BYTE*>(buffer)[0]) return nt::kSuccess;
    } else {
        return nt::kInvalidInfoClass;
    }
    if (!(handle->access & nt::kDelete)) return nt::kAccessDenied;
    if ((node.attributes & FILE_ATTRIBUTE_READONLY) && !ignoreReadOnly) return nt::kCannotDelete;
    if (node.runningImage) return nt::kCannotDelete;
    // A folder goes only when empty; a child whose deletion waits for a handle still counts.
    if (node.folder && !handle->asLink && !node.children.empty()) return nt::kDirectoryNotEmpty;
    node.deletePending = true;
    handle->posixDelete = posix;
    return nt::kSuccess;
}

NTSTATUS ModelFileSystem::QueryName(HANDLE, WString&)
{
    return nt::kNotImplemented;
}

NTSTATUS ModelFileSystem::QueryAttributesAt(const WString& ntPath, ULONG& attributes)
{
    attributes = 0;
    if (ntPath.compare(0, kNtPrefix.size(), kNtPrefix) != 0) return nt::kObjectNameInvalid;
    WString path = ntPath.substr(kNtPrefix.size());
    while (!path.empty() && path.back() == _T('\\')) path.pop_back();
    const std::shared_ptr<Node> node = Lookup(Reached(path));
    if (!node) return nt::kObjectNameNotFound;
    if (node->deletePending) return nt::kDeletePending;
    attributes = node->attributes | (node->folder ? FILE_ATTRIBUTE_DIRECTORY : 0);
    return nt::kSuccess;
}

void ModelFileSystem::Unlink(Node& parent, const WString& name, const Node& node)
{
    // The name the object was opened by, unless it was renamed since: a deletion goes with
    // the object, whatever now holds its old name.
    auto& children = parent.children;
    auto found = std::find_if(children.begin(), children.end(), [&](const auto& child) {
        return child.second.get() == &node && child.first == name;
    });
    if (found == children.end())
        found = std::find_if(children.begin(), children.end(),
                             [&](const auto& child) { return child.second.get() == &node; });
    if (found == children.end()) return;
    --found->second->names;
    children.erase(found);
}

void ModelFileSystem::Close(HANDLE object)
{
    const auto found = m_handles.find(reinterpret_cast<uintptr_t>(object));
    if (found == m_handles.end()) return;
    std::unique_ptr<Handle> handle = std::move(found->second);
    m_handles.erase(found);
    Node& node = *handle->node;
    if (handle->blocksDelete) --node.heldWithoutShareDelete;
    --node.opens;
    if (!node.deletePending || !handle->parent) return;
    // The POSIX disposition takes the name away with this handle; the classic one waits for
    // the last handle to the object.
    if (!handle->posixDelete && node.opens > 0) return;
    Unlink(*handle->parent, handle->name, node);
    node.deletePending = false;
}

ULONGLONG ModelFileSystem::Id64(const Node& node) const
{
    switch (volume.ids64) {
    case Volume::Ids64::AllOnes:
        return ~0ull;
    case Volume::Ids64::Shared:
        return 0x42;
    default:
        return node.id;
    }
}

// ReFS's 128-bit ids are not its 64-bit ones widened; NTFS's are.
ULONGLONG ModelFileSystem::IdHigh() const
{
    return volume.ids64 == Volume::Ids64::Unique ? 0 : 0x7E;
}

bool ModelFileSystem::DisableRedirection(void*& token)
{
    token = nullptr;
    if (!volume.wow64) return false;
    ++m_redirectionOff;
    return true;
}

void ModelFileSystem::RevertRedirection(void*)
{
    --m_redirectionOff;
}

WString ModelFileSystem::PathWithRedirectionOn(const WString& longPath)
{
    const WString path = longPath.substr(4);
    if (!volume.wow64 || !IsAtOrBelow(path, kSystem32)) return longPath;
    return LongPath(kSysnative + path.substr(kSystem32.size()));
}

WString ModelFileSystem::Reached(const WString& path) const
{
    return volume.wow64 && m_redirectionOff == 0 ? Redirected(path) : path;
}

void ModelFileSystem::Remove(const WString& path)
{
    const std::shared_ptr<Node> parent = Lookup(path.substr(0, path.rfind(_T('\\'))));
    const std::shared_ptr<Node> node = Lookup(path);
    if (parent && node) Unlink(*parent, path.substr(path.rfind(_T('\\')) + 1), *node);
}
