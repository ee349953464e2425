#include "engine/TreeWalk.h"

#include "engine/OpenObject.h"

#include <memory>
#include <set>
#include <vector>

namespace {

// A folder on the way in, with what is left of its entries. Only these folders are open.
struct Level {
    std::unique_ptr<OpenObject> owned;  // null for the chosen folder, which the caller holds
    const OpenObject* folder;
    std::vector<ListedEntry> entries;
    size_t next;
    WString prefix;  // its names below the chosen folder, with a closing backslash
    FileId id;
    size_t listedAt;      // its place in the folders found, or kNotListed
    ULONGLONG total = 0;  // the sizes of the files below it read so far
};

const size_t kNotListed = static_cast<size_t>(-1);

}  // namespace

void FindMatches(const OpenObject& root, const WString& shownRoot, const NameTest& matches,
                 PathList* files, PathList* folders, const std::atomic<bool>& stop,
                 const std::function<void(const WString&)>& searching)
{
    if (!files && !folders) return;
    const auto shown = [&](const WString& relative) {
        return relative.empty() ? shownRoot : JoinShown(shownRoot, relative);
    };
    const auto unreadable = [&](const WString& relative, bool listedItself) {
        PathEntry entry{shown(relative), 0, relative, true, 0, FileId()};
        if (files)
            files->push_back(std::move(entry));
        else if (!listedItself)
            folders->push_back(std::move(entry));
    };

    // The walk keeps its own stack: a tree may be far deeper than a thread's stack allows.
    std::vector<Level> way;
    std::set<FileId> idsOnTheWay;
    if (searching) searching(shownRoot);
    way.push_back({nullptr, &root, {}, 0, WString(), root.Identity(), kNotListed});
    idsOnTheWay.insert(way.back().id);
    if (!root.List(way.back().entries)) unreadable(WString(), false);

    while (!way.empty()) {
        if (stop) return;
        Level& level = way.back();
        if (level.next == level.entries.size()) {
            // A folder's total is known once it has been read to its end.
            if (level.listedAt != kNotListed) (*folders)[level.listedAt].size = level.total;
            const ULONGLONG total = level.total;
            idsOnTheWay.erase(level.id);
            way.pop_back();
            if (!way.empty()) way.back().total += total;
            continue;
        }
        const ListedEntry& entry = level.entries[level.next++];
        const WString relative = level.prefix + entry.name;
        if (!entry.IsFolder()) {
            level.total += entry.size;
            if (files && matches(entry.name))
                files->push_back({shown(relative), 1, relative, false, entry.size, entry.fileId});
            continue;
        }
        // A matching folder is listed whether or not it can be opened: its row tells.
        const bool listed = folders && matches(entry.name);
        const size_t listedAt = listed ? folders->size() : kNotListed;
        if (listed) folders->push_back({shown(relative), 0, relative, false, 0, entry.fileId});
        if (entry.IsLink()) continue;
        OpenFailure failure;
        std::unique_ptr<OpenObject> inner =
            level.folder->OpenEntry(entry.name, EntryKind::Folder, OpenPurpose::List, &failure);
        if (!inner) {
            if (failure != OpenFailure::Gone) unreadable(relative, listed);
            continue;
        }
        const FileId id = entry.fileId.Known() ? entry.fileId : inner->Identity();
        if (id.Known() && idsOnTheWay.count(id)) {
            unreadable(relative, listed);
            continue;
        }
        if (searching) searching(shown(relative));
        Level next{std::move(inner), nullptr, {}, 0, relative + _T("\\"), id, listedAt};
        next.folder = next.owned.get();
        if (!next.folder->List(next.entries)) unreadable(relative, listed);
        if (id.Known()) idsOnTheWay.insert(id);
        way.push_back(std::move(next));
    }
}

WString JoinShown(const WString& folder, const WString& relative)
{
    if (folder.empty() || folder.back() == _T('\\')) return folder + relative;
    return folder + _T("\\") + relative;
}
