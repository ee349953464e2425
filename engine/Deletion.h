#pragma once
// Deleting what the walk collected. Each object is reached again from the chosen folder, one
// name at a time, opened inside the folder that holds it, checked on that handle and deleted
// through it; a link is removed as itself and its target is never opened for deletion. Only
// the folders on the way to the object in hand are open.

#include "engine/CleanRun.h"
#include "engine/PathList.h"
#include "engine/RecycleBin.h"

#include <atomic>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class MatchRule;
class OpenObject;
class RedirectionOff;

class Deleter {
public:
    // stop is read between any two objects, inside a folder being emptied too.
    Deleter(const OpenObject& root, const std::atomic<bool>& stop);
    ~Deleter();
    Deleter(const Deleter&) = delete;
    Deleter& operator=(const Deleter&) = delete;

    // From now on each object is opened and checked as for a deletion, then handed by its
    // path (below rootLongPath) to `recycleBin` instead, folders with everything in them,
    // with the redirection on and by the path that names the object so. One larger than
    // `capacity` is not handed over, nor a read-only file. Without a bin nothing goes.
    void RecycleInto(RecycleBin* recycleBin, const WString& rootLongPath, ULONGLONG capacity,
                     FileSystem& fileSystem, RedirectionOff& redirection);
    // From now on an object goes only when its file id is still the one the walk read.
    void CheckIdentity() { m_checkIdentity = true; }
    // From now on what the rule excludes stays when a folder is emptied (it may have come
    // since the walk, or a pick's folder may hold it), and so does the folder.
    void KeepOut(const MatchRule& rule) { m_rule = &rule; }

    // A collected file, Deleted when it is gone; a read-only one stays.
    Outcome DeleteCollectedFile(const PathEntry& file);
    // A collected folder with everything inside it, Deleted when it is gone; it stays when
    // anything inside stays or the run was stopped while it was being emptied.
    Outcome DeleteCollectedFolder(const PathEntry& folder);

private:
    // The folder at `relative` (empty for the chosen folder), or null when it cannot be
    // reached. The folders on the way stay open for the next call, which in walk order
    // shares most of the way.
    const OpenObject* Reach(const WString& relative);
    Outcome Recycle(std::unique_ptr<OpenObject> object, const PathEntry& entry);

    const OpenObject& m_root;
    const std::atomic<bool>& m_stop;
    bool IsTheListedObject(const OpenObject& object, const PathEntry& entry) const;

    bool m_checkIdentity = false;
    const MatchRule* m_rule = nullptr;
    bool m_recycling = false;
    RecycleBin* m_recycleBin = nullptr;
    WString m_rootLongPath;
    ULONGLONG m_binCapacity = 0;
    FileSystem* m_fileSystem = nullptr;
    RedirectionOff* m_redirection = nullptr;
    std::vector<std::pair<WString, std::unique_ptr<OpenObject>>> m_way;  // outermost first
};

// Everything inside the open folder, depth first, read-only entries too; false when stopped
// before the end. An entry that cannot be deleted stays, and so do the folders above it; so
// does an entry whose shown path `keep` names, when it is given.
bool EmptyFolder(const OpenObject& folder, const WString& shownPath, const std::atomic<bool>& stop,
                 const std::function<bool(const WString& shown)>& keep = nullptr);

// A seam for tests: called with the shown path of each object once it is open and checked,
// just before it is deleted, so a test can swap it at the worst moment. Empty by default.
void SetBeforeDeletionHook(std::function<void(const WString&)> hook);
