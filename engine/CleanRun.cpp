#include "engine/CleanRun.h"

#include "engine/Deletion.h"
#include "engine/FileSystem.h"
#include "engine/KeywordRules.h"
#include "engine/OpenObject.h"
#include "engine/TimeStamp.h"
#include "engine/TreeWalk.h"

namespace {

Outcome Handle(const PathEntry& entry, Pass pass, bool previewOnly, Deleter& deleter)
{
    // A folder that could not be read whole has nothing to delete; its row tells.
    if (entry.unreadable) return Outcome::Failed;
    if (previewOnly) return Outcome::WouldDelete;
    const bool gone = pass == Pass::Files ? deleter.DeleteCollectedFile(entry)
                                          : deleter.DeleteCollectedFolder(entry);
    return gone ? Outcome::Deleted : Outcome::Failed;
}

// One pass over its list; false when it was stopped before its end.
bool RunPass(Pass pass, const PathList& list, const CleanRequest& request, Deleter& deleter,
             ICleanReport& report, const std::atomic<bool>& stop)
{
    // The time stamp is taken after the walk, before the first object is handled.
    report.BeginPass(pass, GetTimeStamp());
    for (const PathEntry& entry : list) {
        if (stop) {
            report.EndPass(true);
            return false;
        }
        if (pass == Pass::Files) report.Working(pass, entry.path);
        const Outcome outcome = Handle(entry, pass, request.previewOnly, deleter);
        if (pass == Pass::Folders) report.Working(pass, entry.path);
        report.ObjectDone(outcome, entry.path);
    }
    report.EndPass(false);
    return true;
}

}  // namespace

RunEnd RunClean(const CleanRequest& request, ICleanReport& report, const std::atomic<bool>& stop,
                FileSystem& fileSystem, RecycleBin* recycleBin)
{
    if (!request.files && !request.folders) return RunEnd::Completed;
    const RedirectionOff redirectionOff(fileSystem);
    const std::unique_ptr<OpenObject> root = OpenObject::OpenRoot(fileSystem, request.folder);
    if (!root) return RunEnd::FolderUnavailable;

    PathList files, folders;
    FindMatches(
        *root, request.shownFolder,
        [&](const WString& name) {
            return NameMatchesKeyword(name, request.keyword, request.exactMatch,
                                      request.matchCase);
        },
        request.files ? &files : nullptr, request.folders ? &folders : nullptr, stop,
        [&](const WString& folder) { report.Searching(folder); });
    if (stop) {
        // Stopped while searching: the pass that would have come first says so.
        report.BeginPass(request.files ? Pass::Files : Pass::Folders, GetTimeStamp());
        report.EndPass(true);
        return RunEnd::Stopped;
    }
    Deleter deleter(*root, stop);
    if (request.toRecycleBin) deleter.RecycleInto(recycleBin, request.folder);
    if (request.files && !RunPass(Pass::Files, files, request, deleter, report, stop))
        return RunEnd::Stopped;
    if (request.folders && !stop && !RunPass(Pass::Folders, folders, request, deleter, report, stop))
        return RunEnd::Stopped;
    return stop ? RunEnd::Stopped : RunEnd::Completed;
}
