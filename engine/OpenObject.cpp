#include "engine/OpenObject.h"

#include "engine/FileSystem.h"

namespace {

const ULONG kOpenAsItself = nt::kOpenReparsePoint | nt::kOpenForBackupIntent | nt::kSynchronousIo;

// Attributes a program may set; the rest (folder, reparse point, compression, ...) the
// system keeps itself.
const DWORD kSettableAttributes =
    0x1 | 0x2 | 0x4 | 0x20 | 0x100 | 0x1000 | 0x2000 | 0x80000 | 0x100000;

// How a file system says it does not know an information class or a flag.
bool IsRefusedClass(NTSTATUS status)
{
    return status == nt::kInvalidInfoClass || status == nt::kInvalidParameter ||
           status == nt::kNotSupported || status == nt::kNotImplemented ||
           status == nt::kInvalidDeviceRequest;
}

bool IsGone(NTSTATUS status)
{
    return status == nt::kObjectNameNotFound || status == nt::kObjectPathNotFound ||
           status == nt::kDeletePending;
}

// "\\?\C:\..." and "\\?\UNC\server\share\..." name the same objects as "\??\..." does in
// the system's namespace.
WString ToNtPath(const WString& longPath)
{
    WString path = longPath;
    if (path.compare(0, 4, _T("\\\\?\\")) == 0) path[1] = _T('?');
    while (path.size() > 1 && path.back() == _T('\\')) path.pop_back();
    return path;
}

// The volume part of an NT path: "\??\C:", "\??\UNC\server\share", "\??\Volume{...}".
size_t VolumeLength(const WString& path)
{
    const bool share = path.compare(0, 8, _T("\\??\\UNC\\")) == 0;
    size_t end = share ? 8 : 4;
    for (int names = share ? 2 : 1; names > 0 && end != WString::npos; --names)
        end = path.find(_T('\\'), end + 1);
    return end == WString::npos ? path.size() : end;
}

// Wine names a location without the trailing dots and spaces of some of its names; both
// sides of a comparison are read without them.
WString WithoutTrailingDotsAndSpaces(const WString& location)
{
    WString result;
    size_t start = 0;
    for (;;) {
        const size_t end = location.find(_T('\\'), start);
        const WString name =
            location.substr(start, end == WString::npos ? WString::npos : end - start);
        const size_t last = name.find_last_not_of(_T(". "));
        result += last == WString::npos ? name : name.substr(0, last + 1);
        if (end == WString::npos) return result;
        result += _T('\\');
        start = end + 1;
    }
}

}  // namespace

// What the run has learnt of the volume it works on, shared by every object opened in it.
struct OpenObject::Volume {
    Volume(FileSystem& system, bool checkLocations)
        : fileSystem(system),
          checkLocations(checkLocations)
    {
    }
    FileSystem& fileSystem;
    const bool checkLocations;
    // A volume that refuses a listing class or a disposition flag refuses it everywhere on it.
    size_t listingLayout = 0;
    // Ids are compared at one width on a volume: 128 bits where both the handle and the
    // listing give them, else 64.
    bool wideIds = false;
    bool extendedDispositionRefused = false;
    bool ignoreReadOnlyRefused = false;
    // One listing buffer serves every folder: a folder is read whole before the next.
    std::vector<ULONGLONG> listingBuffer = std::vector<ULONGLONG>(64 * 1024 / sizeof(ULONGLONG));
};

OpenObject::OpenObject(std::shared_ptr<Volume> volume, HANDLE handle, WString location)
    : m_volume(std::move(volume)),
      m_handle(handle),
      m_location(std::move(location))
{
}

OpenObject::~OpenObject()
{
    Close();
}

void OpenObject::Close()
{
    if (m_handle == INVALID_HANDLE_VALUE) return;
    m_volume->fileSystem.Close(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

std::unique_ptr<OpenObject> OpenObject::OpenRoot(FileSystem& fileSystem, const WString& longPath)
{
    const auto volume = std::make_shared<Volume>(fileSystem, fileSystem.LinksUnmarked());
    const WString path = ToNtPath(longPath);
    const bool isVolumeRoot = path.size() <= VolumeLength(path);
    const size_t cut = path.rfind(_T('\\'));
    // Links on the way to the chosen folder are followed, as the system follows them for
    // any program; only where a link may be opened as its target (Wine) must the folder
    // above be no link either, so that locations can be checked below it.
    ULONG options = nt::kDirectoryFile | nt::kOpenForBackupIntent | nt::kSynchronousIo;
    if (volume->checkLocations) options |= nt::kOpenReparsePoint;
    // A volume's root folder is named with its closing backslash: without it, "\??\C:" is
    // the volume itself.
    WString above = isVolumeRoot ? path : path.substr(0, cut);
    if (above.size() <= VolumeLength(above)) above += _T('\\');
    // The folder above is only gone through: it may be one the user can traverse but not list
    // (\\server\home$\user).
    const ULONG access = (isVolumeRoot ? nt::kListDirectory : nt::kTraverse) | nt::kReadAttributes |
                         nt::kSynchronize;
    HANDLE handle;
    if (!nt::Succeeded(fileSystem.Open(nullptr, above, access, nt::kShareAll, options, handle)))
        return nullptr;
    std::unique_ptr<OpenObject> folder(new OpenObject(volume, handle, WString()));
    if (volume->checkLocations || isVolumeRoot) {
        if (!folder->IsFolderButNoLink()) return nullptr;
        if (volume->checkLocations &&
            (!nt::Succeeded(fileSystem.QueryName(handle, folder->m_location)) ||
             folder->m_location.empty()))
            return nullptr;
    }
    if (isVolumeRoot) {
        folder->ChooseIdWidth();
        return folder;
    }
    std::unique_ptr<OpenObject> root =
        folder->OpenEntry(path.substr(cut + 1), EntryKind::Folder, OpenPurpose::List);
    if (!root || !root->IsFolderButNoLink() || !root->LiesWhereNamed()) return nullptr;
    root->ChooseIdWidth();
    return root;
}

void OpenObject::ChooseIdWidth()
{
    Volume& volume = *m_volume;
    nt::IdInformation id = {};
    bool wide = nt::Succeeded(
        volume.fileSystem.QueryInformation(m_handle, nt::kIdInformation, &id, sizeof id));
    if (wide) {
        ULONG written = 0;
        const NTSTATUS status = volume.fileSystem.QueryDirectory(
            m_handle, nt::kListingLayouts[0].infoClass, true, volume.listingBuffer.data(),
            static_cast<ULONG>(volume.listingBuffer.size() * sizeof(ULONGLONG)), written);
        wide = !IsRefusedClass(status);
    }
    volume.wideIds = wide;
    if (!wide) volume.listingLayout = nt::kFirstNarrowLayout;
}

std::unique_ptr<OpenObject> OpenObject::OpenEntry(const WString& name, EntryKind kind,
                                                  OpenPurpose purpose, OpenFailure* failure) const
{
    if (failure) *failure = OpenFailure::Refused;
    // Deletion needs the right to delete; the right to change attributes is asked for only
    // when a read-only mark has to be cleared.
    ULONG access = nt::kReadAttributes | nt::kSynchronize;
    if (purpose == OpenPurpose::Delete) access |= nt::kDelete;
    if (kind == EntryKind::Folder) access |= nt::kListDirectory;
    const ULONG options =
        kOpenAsItself | (kind == EntryKind::Folder ? nt::kDirectoryFile : nt::kNonDirectoryFile);
    if (name.empty()) return nullptr;
    HANDLE handle;
    const NTSTATUS status =
        m_volume->fileSystem.Open(m_handle, name, access, nt::kShareAll, options, handle);
    if (!nt::Succeeded(status)) {
        if (failure && IsGone(status)) *failure = OpenFailure::Gone;
        return nullptr;
    }
    WString location;
    if (m_volume->checkLocations)
        location = m_location + (m_location.back() == _T('\\') ? _T("") : _T("\\")) + name;
    std::unique_ptr<OpenObject> entry(new OpenObject(m_volume, handle, std::move(location)));
    // A folder opened to be listed needs no showing: whatever is opened through it for
    // deletion is checked.
    if (purpose == OpenPurpose::Delete && !entry->LiesWhereNamed()) return nullptr;
    if (failure) *failure = OpenFailure::None;
    return entry;
}

bool OpenObject::List(std::vector<ListedEntry>& entries) const
{
    Volume& volume = *m_volume;
    std::vector<ULONGLONG>& buffer = volume.listingBuffer;
    const ULONG size = static_cast<ULONG>(buffer.size() * sizeof(ULONGLONG));
    bool restart = true;
    for (;;) {
        const nt::DirectoryRecordLayout& layout = nt::kListingLayouts[volume.listingLayout];
        ULONG written = 0;
        const NTSTATUS status = volume.fileSystem.QueryDirectory(
            m_handle, layout.infoClass, restart, buffer.data(), size, written);
        if (status == nt::kNoMoreFiles) return true;
        // FAT and exFAT list no "." and ".." in a root: an empty one answers its first
        // read so.
        if (restart && status == nt::kNoSuchFile) return true;
        if (!nt::Succeeded(status)) {
            // A volume that does not know a class says so on the first read; the next
            // class serves, there and for the rest of the run.
            const size_t classes = sizeof nt::kListingLayouts / sizeof nt::kListingLayouts[0];
            if (restart && IsRefusedClass(status) && volume.listingLayout + 1 < classes) {
                ++volume.listingLayout;
                continue;
            }
            return false;
        }
        if (written == 0) return true;
        restart = false;
        // Ids of another width than the handle's would never compare equal to them.
        const bool keepIds = (layout.idBytes == 16) == volume.wideIds;
        if (!ReadDirectoryRecords(layout, buffer.data(), written, entries, keepIds)) return false;
    }
}

FileId OpenObject::Identity() const
{
    FileId id;
    FileSystem& fileSystem = m_volume->fileSystem;
    if (m_volume->wideIds) {
        nt::IdInformation info = {};
        if (nt::Succeeded(
                fileSystem.QueryInformation(m_handle, nt::kIdInformation, &info, sizeof info))) {
            id.low = info.fileIdLow;
            id.high = info.fileIdHigh;
        }
        return id;
    }
    if (!nt::Succeeded(fileSystem.QueryInformation(m_handle, nt::kInternalInformation, &id.low,
                                                   sizeof id.low)))
        id.low = 0;
    return id;
}

bool OpenObject::IsReadOnly() const
{
    nt::BasicInformation basic = {};
    return nt::Succeeded(m_volume->fileSystem.QueryInformation(m_handle, nt::kBasicInformation,
                                                               &basic, sizeof basic)) &&
           (basic.fileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool OpenObject::ReadAttributesAt(FileSystem& fileSystem, const WString& longPath,
                                  DWORD& attributes, DWORD& reparseTag)
{
    WString path = ToNtPath(longPath);
    if (path.size() <= VolumeLength(path)) path += _T('\\');
    ULONG read = 0;
    reparseTag = 0;
    if (!nt::Succeeded(fileSystem.QueryAttributesAt(path, read))) return false;
    attributes = read;
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return true;
    HANDLE handle;
    if (!nt::Succeeded(fileSystem.Open(nullptr, path, nt::kReadAttributes | nt::kSynchronize,
                                       nt::kShareAll, kOpenAsItself, handle)))
        return true;
    // Where the open reached something else than the mark itself (a link opened as its
    // target), the tag stays unknown.
    nt::AttributeTagInformation info = {};
    if (nt::Succeeded(fileSystem.QueryInformation(handle, nt::kAttributeTagInformation, &info,
                                                  sizeof info)) &&
        (info.fileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        reparseTag = info.reparseTag;
    fileSystem.Close(handle);
    return true;
}

bool OpenObject::IsVolumeRoot(const WString& longPath)
{
    const WString path = ToNtPath(longPath);
    return path.size() <= VolumeLength(path);
}

bool OpenObject::IsFolderButNoLink() const
{
    nt::AttributeTagInformation info = {};
    if (!nt::Succeeded(m_volume->fileSystem.QueryInformation(m_handle, nt::kAttributeTagInformation,
                                                             &info, sizeof info)))
        return false;
    return (info.fileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           !IsLinkMark(info.fileAttributes, info.reparseTag);
}

bool OpenObject::LiesWhereNamed() const
{
    // Where links go unmarked, Wine opened a link as its target, or found the entry through a
    // folder above that was swapped for a link, when the object does not lie where it must.
    if (!m_volume->checkLocations) return true;
    WString location;
    return nt::Succeeded(m_volume->fileSystem.QueryName(m_handle, location)) &&
           WithoutTrailingDotsAndSpaces(location) == WithoutTrailingDotsAndSpaces(m_location);
}

NTSTATUS OpenObject::MarkForDeletion(bool ignoreReadOnly)
{
    Volume& volume = *m_volume;
    // The extended disposition takes the name away when this handle closes, even while others
    // hold the object open, and can leave a read-only mark as it is.
    while (!volume.extendedDispositionRefused) {
        const bool ignoring = ignoreReadOnly && !volume.ignoreReadOnlyRefused;
        ULONG flags = nt::kDispositionDelete | nt::kDispositionPosixSemantics;
        if (ignoring) flags |= nt::kDispositionIgnoreReadOnly;
        const NTSTATUS status = volume.fileSystem.SetInformation(
            m_handle, nt::kDispositionInformationEx, &flags, sizeof flags);
        if (!IsRefusedClass(status)) return status;
        // Windows 10 before 1809 knows the disposition but not the read-only flag.
        if (ignoring)
            volume.ignoreReadOnlyRefused = true;
        else
            volume.extendedDispositionRefused = true;
    }
    const nt::DispositionInformation disposition = {1};
    return volume.fileSystem.SetInformation(m_handle, nt::kDispositionInformation, &disposition,
                                            sizeof disposition);
}

bool OpenObject::DeleteReadOnly()
{
    FileSystem& fileSystem = m_volume->fileSystem;
    nt::BasicInformation basic = {};
    if (!nt::Succeeded(
            fileSystem.QueryInformation(m_handle, nt::kBasicInformation, &basic, sizeof basic)) ||
        !(basic.fileAttributes & FILE_ATTRIBUTE_READONLY))
        return false;  // something else refused it
    nt::StandardInformation standard = {};
    const ULONG names = nt::Succeeded(fileSystem.QueryInformation(
                            m_handle, nt::kStandardInformation, &standard, sizeof standard))
                            ? standard.numberOfLinks
                            : 1;
    // The same object again, with the right to change its attributes.
    HANDLE writer;
    if (!nt::Succeeded(fileSystem.Open(m_handle, WString(), nt::kWriteAttributes | nt::kSynchronize,
                                       nt::kShareAll, kOpenAsItself, writer)))
        return false;
    const auto setAttributes = [&](DWORD attributes) {
        nt::BasicInformation info = {};  // zero times are left as they are
        info.fileAttributes = attributes & kSettableAttributes;
        if (info.fileAttributes == 0) info.fileAttributes = FILE_ATTRIBUTE_NORMAL;
        return nt::Succeeded(
            fileSystem.SetInformation(writer, nt::kBasicInformation, &info, sizeof info));
    };
    bool deleted = false;
    if (setAttributes(basic.fileAttributes & ~FILE_ATTRIBUTE_READONLY)) {
        deleted = nt::Succeeded(MarkForDeletion(false));
        // Attributes belong to the object, not the name: whenever it stays, here or under its
        // other names, it gets its mark back.
        if (!deleted || names > 1) setAttributes(basic.fileAttributes);
    }
    fileSystem.Close(writer);
    return deleted;
}

bool OpenObject::DeleteAndClose(bool allowReadOnly, bool confirm)
{
    const NTSTATUS status = MarkForDeletion(allowReadOnly);
    const bool marked =
        nt::Succeeded(status) || (allowReadOnly && status == nt::kCannotDelete && DeleteReadOnly());
    Close();
    if (!marked) return false;
    // Where the system deletes by name when the handle closes (Wine), a name swapped in the
    // meantime keeps both objects, and the deletion did not happen.
    ULONG attributes;
    return !confirm || !m_volume->checkLocations ||
           IsGone(m_volume->fileSystem.QueryAttributesAt(m_location, attributes));
}

RedirectionOff::RedirectionOff(FileSystem& fileSystem)
    : m_fileSystem(fileSystem),
      m_off(fileSystem.DisableRedirection(m_token))
{
}

RedirectionOff::~RedirectionOff()
{
    if (m_off) m_fileSystem.RevertRedirection(m_token);
}

RedirectionOff::On::On(RedirectionOff& off)
    : m_off(off),
      m_wasOff(off.m_off)
{
    if (m_wasOff) m_off.m_fileSystem.RevertRedirection(m_off.m_token);
    m_off.m_off = false;
}

RedirectionOff::On::~On()
{
    if (m_wasOff) m_off.m_off = m_off.m_fileSystem.DisableRedirection(m_off.m_token);
}
