#include "engine/Deletion.h"

#include "engine/KeywordRules.h"
#include "engine/MatchRule.h"
#include "engine/OpenObject.h"
#include "engine/TreeWalk.h"

#include <set>

namespace {

std::function<void(const WString&)> g_beforeDeletion;

bool Delete(std::unique_ptr<OpenObject> object, const WString& shownPath, bool allowReadOnly,
            bool confirm)
{
    if (g_beforeDeletion) g_beforeDeletion(shownPath);
    return object->DeleteAndClose(allowReadOnly, confirm);
}

// A folder being emptied, with what is left of its entries.
struct Level {
    std::unique_ptr<OpenObject> owned;  // null for the folder the caller holds
    const OpenObject* folder;
    std::vector<ListedEntry> entries;
    size_t next;
    WString shown;
    FileId id;
};

}  // namespace

Deleter::Deleter(const OpenObject& root, const std::atomic<bool>& stop)
    : m_root(root),
      m_stop(stop)
{
}

Deleter::~Deleter() = default;

void Deleter::RecycleInto(RecycleBin* recycleBin, const WString& rootLongPath,
                          ULONGLONG capacity, FileSystem& fileSystem, RedirectionOff& redirection)
{
    m_recycling = true;
    m_recycleBin = recycleBin;
    m_rootLongPath = rootLongPath;
    m_binCapacity = capacity;
    m_fileSystem = &fileSystem;
    m_redirection = &redirection;
}

bool Deleter::IsTheListedObject(const OpenObject& object, const PathEntry& entry) const
{
    // Without an id from the listing the object cannot be shown to be the same: it stays.
    return !m_checkIdentity || (entry.fileId.Known() && object.Identity() == entry.fileId);
}

Outcome Deleter::Recycle(std::unique_ptr<OpenObject> object, const PathEntry& entry)
{
    if (!m_recycleBin) return Outcome::Failed;
    // The shell would delete for good, silently, what its bin cannot hold.
    if (entry.size > m_binCapacity) return Outcome::TooLargeForBin;
    if (g_beforeDeletion) g_beforeDeletion(entry.path);
    // The shell moves an object by its path and wants it free of our handle: between this
    // close and the shell's own open is the one moment a swapped name could slip in, and the
    // worst it can then do is put something else where the user can restore it.
    object.reset();
    const WString path = JoinShown(m_rootLongPath, entry.relative);
    Recycled result;
    {
        const RedirectionOff::On on(*m_redirection);
        result = m_recycleBin->Recycle(m_fileSystem->PathWithRedirectionOn(path));
    }
    // What the shell deleted for good is gone all the same: its row must not say it stays.
    return result == Recycled::Stays ? Outcome::Failed : Outcome::Deleted;
}

const OpenObject* Deleter::Reach(const WString& relative)
{
    std::vector<WString> names;
    for (size_t start = 0; start < relative.size();) {
        const size_t end = std::min(relative.find(_T('\\'), start), relative.size());
        names.push_back(relative.substr(start, end - start));
        start = end + 1;
    }
    size_t kept = 0;
    while (kept < names.size() && kept < m_way.size() && m_way[kept].first == names[kept]) ++kept;
    m_way.resize(kept);
    for (size_t i = kept; i < names.size(); ++i) {
        const OpenObject& above = i == 0 ? m_root : *m_way[i - 1].second;
        std::unique_ptr<OpenObject> folder =
            above.OpenEntry(names[i], EntryKind::Folder, OpenPurpose::List);
        if (!folder) return nullptr;
        m_way.emplace_back(names[i], std::move(folder));
    }
    return names.empty() ? &m_root : m_way.back().second.get();
}

Outcome Deleter::DeleteCollectedFile(const PathEntry& file)
{
    const size_t cut = file.relative.rfind(_T('\\'));
    const OpenObject* above =
        Reach(cut == WString::npos ? WString() : file.relative.substr(0, cut));
    if (!above) return Outcome::Failed;
    std::unique_ptr<OpenObject> object =
        above->OpenEntry(GetNameFromPath(file.relative), EntryKind::File, OpenPurpose::Delete);
    if (!object || !IsTheListedObject(*object, file)) return Outcome::Failed;
    if (m_recycling)
        return object->IsReadOnly() ? Outcome::Failed : Recycle(std::move(object), file);
    return Delete(std::move(object), file.path, false, true) ? Outcome::Deleted : Outcome::Failed;
}

Outcome Deleter::DeleteCollectedFolder(const PathEntry& folder)
{
    const size_t cut = folder.relative.rfind(_T('\\'));
    const OpenObject* above =
        Reach(cut == WString::npos ? WString() : folder.relative.substr(0, cut));
    if (!above) return Outcome::Failed;
    std::unique_ptr<OpenObject> object =
        above->OpenEntry(GetNameFromPath(folder.relative), EntryKind::Folder, OpenPurpose::Delete);
    if (!object || !IsTheListedObject(*object, folder)) return Outcome::Failed;
    if (m_recycling) return Recycle(std::move(object), folder);
    // A link opened as itself lists nothing of its target: emptying it is a no-op, and it
    // goes as itself.
    std::function<bool(const WString&)> keep;
    if (m_rule)
        keep = [&](const WString& shown) {
            return m_rule->Excludes(folder.relative + shown.substr(folder.path.size()));
        };
    if (!EmptyFolder(*object, folder.path, m_stop, keep)) return Outcome::Failed;
    return Delete(std::move(object), folder.path, true, true) ? Outcome::Deleted : Outcome::Failed;
}

bool EmptyFolder(const OpenObject& folder, const WString& shownPath, const std::atomic<bool>& stop,
                 const std::function<bool(const WString& shown)>& keep)
{
    // Its own stack, as the walk has: a tree may be far deeper than a thread's stack allows.
    std::vector<Level> way;
    std::set<FileId> idsOnTheWay;
    way.push_back({nullptr, &folder, {}, 0, shownPath, folder.Identity()});
    idsOnTheWay.insert(way.back().id);
    // Whatever can be read is deleted; a name that stays keeps the folder, whose own
    // deletion then tells.
    folder.List(way.back().entries);
    while (!way.empty()) {
        Level& level = way.back();
        if (level.next == level.entries.size()) {
            idsOnTheWay.erase(level.id);
            if (level.owned) Delete(std::move(level.owned), level.shown, true, false);
            way.pop_back();
            continue;
        }
        if (stop) return false;
        const ListedEntry& entry = level.entries[level.next++];
        const WString shown = JoinShown(level.shown, entry.name);
        if (keep && keep(shown)) continue;  // it stays, and so does the folder
        const EntryKind kind = entry.IsFolder() ? EntryKind::Folder : EntryKind::File;
        std::unique_ptr<OpenObject> object =
            level.folder->OpenEntry(entry.name, kind, OpenPurpose::Delete);
        if (!object) continue;  // cannot be shown to lie here: it stays, and so does the folder
        if (kind == EntryKind::File || entry.IsLink()) {
            Delete(std::move(object), shown, true, false);
            continue;
        }
        const FileId id = entry.fileId.Known() ? entry.fileId : object->Identity();
        if (id.Known() && idsOnTheWay.count(id)) continue;  // met again on its own way in: it stays
        Level next{std::move(object), nullptr, {}, 0, shown, id};
        next.folder = next.owned.get();
        next.folder->List(next.entries);
        if (id.Known()) idsOnTheWay.insert(id);
        way.push_back(std::move(next));
    }
    return true;
}

void SetBeforeDeletionHook(std::function<void(const WString&)> hook)
{
    g_beforeDeletion = std::move(hook);
}
