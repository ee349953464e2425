#pragma once
// One clean run apart from any window: the chosen folder opened and checked, one walk, then
// the file pass and the folder pass as asked, each object reported as it is handled. The
// dialog shows the report in its log and status line.

#include "framework/WideString.h"

#include "engine/FileSystem.h"
#include "engine/MatchRule.h"
#include "engine/PathList.h"
#include "engine/RecycleBin.h"

#include <atomic>
#include <memory>

enum class Pass { Files, Folders };

enum class Outcome {
    Deleted,      // it is gone
    Failed,       // it is still there, or could not be shown to be what its name says
    WouldDelete,  // a preview: a real run would delete it
    // Recycling: it stays, since the bin of its volume cannot hold an object of its size
    TooLargeForBin,
};

// What a run tells as it goes, in this order: the folders it searches, then per pass a
// heading, each object (in hand, then done) and the pass's end. Calls come from the thread
// that runs the run.
class ICleanReport {
public:
    virtual ~ICleanReport() = default;
    virtual void Searching(const WString& folder) = 0;
    // A pass starts on its objects, after the walk: the heading of its block.
    virtual void BeginPass(Pass pass, const WString& timeStamp) = 0;
    // The object in hand: in the file pass before it is handled, in the folder pass after.
    virtual void Working(Pass pass, const WString& path) = 0;
    // The object as the walk found it: its shown path, its size (a folder's with everything
    // inside it) and what identifies it.
    virtual void ObjectDone(Outcome outcome, const PathEntry& object) = 0;
    // The end of the pass's block; stopped when it ended before its last object. total: the
    // bytes of what the pass deleted (in a preview, would delete), each byte once: a folder
    // inside another the pass counted is not counted again.
    virtual void EndPass(bool stopped, ULONGLONG total) = 0;
};

// What a preview listed and the user kept ticked. A run given them walks nothing and deletes
// only these, each checked again when its turn comes: still there, still the same object,
// still matching, still inside the chosen folder.
struct Picks {
    PathList files;
    PathList folders;
};

struct CleanRequest {
    WString folder;       // the chosen folder, in the \\?\ form
    WString shownFolder;  // what the log shows for it
    WString keyword;
    int exactMatch;
    int matchCase;
    bool files;        // the file pass runs
    bool folders;      // the folder pass runs
    bool previewOnly;  // list what would go and delete nothing
    // Send every object the run would delete to the recycle bin instead; an object the bin
    // cannot take stays.
    bool toRecycleBin = false;
    std::shared_ptr<const Picks> picks;  // null for a run that walks the tree
    Exclusions exclusions;  // kept out of the run, and a folder holding one is kept whole
    // Only what has not changed for this many days before the run began; 0 for any age.
    int ageDays = 0;
};

// NoRecycleBin: the run was to recycle and the chosen folder's volume has no bin that keeps
// what it is given; nothing was done.
enum class RunEnd { Completed, Stopped, FolderUnavailable, NoRecycleBin };

// Runs the passes asked for on `fileSystem`, recycling into `recycleBin` when asked (with
// none, nothing that was to be recycled goes). stop is read between objects (inside a folder
// being emptied too): the object in hand is finished first, and a pass stopped before its
// end says so.
RunEnd RunClean(const CleanRequest& request, ICleanReport& report, const std::atomic<bool>& stop,
                FileSystem& fileSystem, RecycleBin* recycleBin = nullptr);

#ifdef _WIN32
// The same on the system's file system and recycle bin.
inline RunEnd RunClean(const CleanRequest& request, ICleanReport& report,
                       const std::atomic<bool>& stop)
{
    return RunClean(request, report, stop, SystemFileSystem(), &SystemRecycleBin());
}
#endif
