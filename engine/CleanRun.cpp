#include "engine/CleanRun.h"

#include "engine/Deletion.h"
#include "engine/OpenObject.h"
#include "engine/TimeStamp.h"
#include "engine/TreeWalk.h"

namespace {

Outcome Handle(const PathEntry& entry, Pass pass, bool previewOnly, FolderChain& chain)
{
    if (previewOnly) return Outcome::WouldDelete;
    const bool gone =
        pass == Pass::Files ? DeleteCollectedFile(entry) : DeleteCollectedFolder(entry, chain);
    return gone ? Outcome::Deleted : Outcome::Failed;
}

// One pass over its list; false when it was stopped before its end.
bool RunPass(Pass pass, const PathList& list, const CleanRequest& request, FolderChain& chain,
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
        const Outcome outcome = Handle(entry, pass, request.previewOnly, chain);
        if (pass == Pass::Folders) report.Working(pass, entry.path);
        report.ObjectDone(outcome, entry.path);
    }
    report.EndPass(false);
    return true;
}

}  // namespace

RunEnd RunClean(const CleanRequest& request, ICleanReport& report, const std::atomic<bool>& stop)
{
    if (!request.files && !request.folders) return RunEnd::Completed;
    const std::shared_ptr<const OpenObject> root = OpenObject::OpenRoot(request.folder);
    if (!root) return RunEnd::FolderUnavailable;

    PathList files, folders;
    FindMatches(root, request.shownFolder, request.keyword, request.exactMatch, request.matchCase,
                request.files ? &files : nullptr, request.folders ? &folders : nullptr, stop,
                [&](const WString& folder) { report.Searching(folder); });
    FolderChain chain(root);
    if (stop) {
        // Stopped while searching: the pass that would have come first says so.
        report.BeginPass(request.files ? Pass::Files : Pass::Folders, GetTimeStamp());
        report.EndPass(true);
        return RunEnd::Stopped;
    }
    if (request.files && !RunPass(Pass::Files, files, request, chain, report, stop))
        return RunEnd::Stopped;
    files.clear();  // lets go of the folders the walk kept open for the files
    if (request.folders && !stop && !RunPass(Pass::Folders, folders, request, chain, report, stop))
        return RunEnd::Stopped;
    return stop ? RunEnd::Stopped : RunEnd::Completed;
}
