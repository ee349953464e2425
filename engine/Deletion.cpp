#include "engine/Deletion.h"

#include "engine/KeywordRules.h"
#include "engine/OpenObject.h"
#include "engine/TreeWalk.h"

namespace {

std::function<void(const WString&)> g_beforeDeletion;

// Deletes the open object through its handle and closes it; true when the system took the
// deletion.
bool DeleteAndClose(OpenObject& object, const WString& shownPath, bool resetIfRefused)
{
    if (g_beforeDeletion) g_beforeDeletion(shownPath);
    const HANDLE handle = object.Handle();
    bool deleted = DeleteThrough(handle, resetIfRefused);
    DWORD attributes = 0, tag = 0;
    if (!deleted && resetIfRefused && QueryAttributes(handle, attributes, tag)) {
        const DWORD names = LinkCount(handle);
        SetAttributesThrough(handle, FILE_ATTRIBUTE_NORMAL);
        deleted = DeleteThrough(handle, false);
        // Attributes belong to the file, not the name: the names that stay keep theirs.
        if (deleted && names > 1) SetAttributesThrough(handle, attributes);
    }
    object.Close();
    return deleted;
}

// The same for an object whose row tells its fate. Where the system deletes by name when the
// handle closes (Wine), the name must be free afterwards: a name swapped in the meantime
// keeps both objects, and the deletion did not happen.
bool DeleteLogged(OpenObject& object, const WString& shownPath, bool resetIfRefused)
{
    const WString location = object.Location();
    return DeleteAndClose(object, shownPath, resetIfRefused) &&
           (!IsWine() || !ObjectExistsAt(location));
}

}  // namespace

FolderChain::FolderChain(std::shared_ptr<const OpenObject> root)
    : m_root(std::move(root))
{
}

FolderChain::~FolderChain() = default;

const OpenObject* FolderChain::Reach(const WString& relative)
{
    std::vector<WString> names;
    for (size_t start = 0; start < relative.size();) {
        const size_t end = std::min(relative.find(L'\\', start), relative.size());
        names.push_back(relative.substr(start, end - start));
        start = end + 1;
    }
    size_t kept = 0;
    while (kept < names.size() && kept < m_open.size() && m_open[kept].first == names[kept]) ++kept;
    m_open.resize(kept);
    for (size_t i = kept; i < names.size(); ++i) {
        const OpenObject& above = i == 0 ? *m_root : *m_open[i - 1].second;
        std::unique_ptr<OpenObject> folder =
            above.OpenEntry(names[i], EntryKind::Folder, OpenPurpose::List);
        if (!folder) return nullptr;
        m_open.emplace_back(names[i], std::move(folder));
    }
    return names.empty() ? m_root.get() : m_open.back().second.get();
}

bool DeleteCollectedFile(const PathEntry& file)
{
    const WString name = GetNameFromPath(file.relative);
    std::unique_ptr<OpenObject> object =
        file.folder->OpenEntry(name, EntryKind::File, OpenPurpose::Delete);
    return object && DeleteLogged(*object, file.path, false);
}

bool DeleteCollectedFolder(const PathEntry& folder, FolderChain& chain)
{
    const size_t cut = folder.relative.rfind(L'\\');
    const WString name = GetNameFromPath(folder.relative);
    const OpenObject* above =
        chain.Reach(cut == WString::npos ? WString() : folder.relative.substr(0, cut));
    if (!above) return false;
    std::unique_ptr<OpenObject> object =
        above->OpenEntry(name, EntryKind::Folder, OpenPurpose::Delete);
    if (!object) return false;
    // A link opened as itself lists nothing of its target: emptying it is a no-op, and it
    // goes as itself.
    EmptyFolder(*object, folder.path);
    return DeleteLogged(*object, folder.path, true);
}

void EmptyFolder(const OpenObject& folder, const WString& shownPath)
{
    std::vector<ListedEntry> entries;
    if (!ListFolder(folder.Handle(), entries)) return;
    for (const ListedEntry& entry : entries) {
        const EntryKind kind =
            (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Folder : EntryKind::File;
        std::unique_ptr<OpenObject> object =
            folder.OpenEntry(entry.name, kind, OpenPurpose::Delete);
        if (!object) continue;  // cannot be shown to lie here: it stays, and so does the folder
        const WString shown = JoinShown(shownPath, entry.name);
        if (kind == EntryKind::Folder) EmptyFolder(*object, shown);
        // A name that stays keeps the folder, whose own deletion then tells.
        DeleteAndClose(*object, shown, true);
    }
}

void SetBeforeDeletionHook(std::function<void(const WString&)> hook)
{
    g_beforeDeletion = std::move(hook);
}
