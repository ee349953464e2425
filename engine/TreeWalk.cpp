#include "engine/TreeWalk.h"

#include "engine/MatchRule.h"
#include "engine/OpenObject.h"

#include <algorithm>
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
    size_t listedAt;             // its place in the folders found, or kNotListed
    ULONGLONG total = 0;         // the sizes of the files below it read so far
    ULONGLONG newest = 0;        // the newest last write below it read so far, its own too
    bool holdsExcluded = false;  // something below it is excluded
    bool readWhole = true;       // everything below it was read
};

const size_t kNotListed = static_cast<size_t>(-1);

// Removes the listed folders at `kept` (in any order), keeping the others' order.
void RemoveKept(PathList& folders, std::vector<size_t>& kept)
{
    if (kept.empty()) return;
    std::sort(kept.begin(), kept.end());
    size_t to = 0, next = 0;
    for (size_t from = 0; from < folders.size(); ++from) {
        if (next < kept.size() && kept[next] == from) {
            ++next;
            continue;
        }
        if (to != from) folders[to] = std::move(folders[from]);
        ++to;
    }
    folders.resize(to);
}

}  // namespace

void FindMatches(const OpenObject& root, const WString& shownRoot, const MatchRule& rule,
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
    // A listed folder that may hold what the rule keeps out, or whose age cannot be known,
    // is deleted by no one: its row says it could not be read whole.
    const auto unsure = [&](size_t listedAt) {
        if (listedAt != kNotListed && rule.Restricts()) (*folders)[listedAt].unreadable = true;
    };

    // The walk keeps its own stack: a tree may be far deeper than a thread's stack allows.
    std::vector<Level> way;
    std::set<FileId> idsOnTheWay;
    // Matched folders kept whole: something inside them is excluded, or changed too lately.
    std::vector<size_t> kept;
    if (searching) searching(shownRoot);
    way.push_back({nullptr, &root, {}, 0, WString(), root.Identity(), kNotListed});
    idsOnTheWay.insert(way.back().id);
    if (!root.List(way.back().entries)) unreadable(WString(), false);

    while (!way.empty() && !stop) {
        Level& level = way.back();
        if (level.next == level.entries.size()) {
            // A folder's total and age are known once it has been read to its end.
            if (level.listedAt != kNotListed) {
                PathEntry& listed = (*folders)[level.listedAt];
                listed.size = level.total;
                listed.lastChange = level.newest;
                if (level.holdsExcluded || !rule.OldEnough(level.newest))
                    kept.push_back(level.listedAt);
                else if (!level.readWhole)
                    unsure(level.listedAt);
            }
            const ULONGLONG total = level.total, newest = level.newest;
            const bool holdsExcluded = level.holdsExcluded, readWhole = level.readWhole;
            idsOnTheWay.erase(level.id);
            way.pop_back();
            if (!way.empty()) {
                Level& above = way.back();
                above.total += total;
                above.newest = std::max(above.newest, newest);
                above.holdsExcluded = above.holdsExcluded || holdsExcluded;
                above.readWhole = above.readWhole && readWhole;
            }
            continue;
        }
        const ListedEntry& entry = level.entries[level.next++];
        const WString relative = level.prefix + entry.name;
        // Kept out: not collected, not entered, not counted.
        if (rule.Excludes(relative)) {
            level.holdsExcluded = true;
            continue;
        }
        if (!entry.IsFolder()) {
            level.total += entry.size;
            level.newest = std::max(level.newest, entry.lastWrite);
            if (files && rule.NameMatches(entry.name) && rule.OldEnough(entry.lastWrite))
                files->push_back({shown(relative), 1, relative, false, entry.size, entry.fileId,
                                  entry.lastWrite});
            continue;
        }
        // A matching folder is listed whether or not it can be opened: its row tells.
        const bool listed = folders && rule.NameMatches(entry.name);
        const size_t listedAt = listed ? folders->size() : kNotListed;
        if (listed)
            folders->push_back(
                {shown(relative), 0, relative, false, 0, entry.fileId, entry.lastWrite});
        if (entry.IsLink()) {
            // A link is removed as itself: its own time is its age.
            level.newest = std::max(level.newest, entry.lastWrite);
            if (listed && !rule.OldEnough(entry.lastWrite)) kept.push_back(listedAt);
            continue;
        }
        OpenFailure failure;
        std::unique_ptr<OpenObject> inner =
            level.folder->OpenEntry(entry.name, EntryKind::Folder, OpenPurpose::List, &failure);
        if (!inner) {
            if (failure != OpenFailure::Gone) {
                unreadable(relative, listed);
                level.readWhole = false;
                unsure(listedAt);
            }
            continue;
        }
        const FileId id = entry.fileId.Known() ? entry.fileId : inner->Identity();
        if (id.Known() && idsOnTheWay.count(id)) {
            unreadable(relative, listed);
            level.readWhole = false;
            unsure(listedAt);
            continue;
        }
        if (searching) searching(shown(relative));
        Level next{std::move(inner), nullptr, {}, 0, relative + _T("\\"), id, listedAt};
        next.newest = entry.lastWrite;
        next.folder = next.owned.get();
        if (!next.folder->List(next.entries)) {
            unreadable(relative, listed);
            next.readWhole = false;
        }
        if (id.Known()) idsOnTheWay.insert(id);
        way.push_back(std::move(next));
    }
    if (folders) RemoveKept(*folders, kept);
}

WString JoinShown(const WString& folder, const WString& relative)
{
    if (folder.empty() || folder.back() == _T('\\')) return folder + relative;
    return folder + _T("\\") + relative;
}
