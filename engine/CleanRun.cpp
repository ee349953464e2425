#include "engine/CleanRun.h"

#include "engine/Deletion.h"
#include "engine/FileSystem.h"
#include "engine/MatchRule.h"
#include "engine/OpenObject.h"
#include "engine/TimeStamp.h"
#include "engine/TreeWalk.h"
#include "framework/CTime.h"

namespace {

Outcome Handle(const PathEntry& entry, Pass pass, const CleanRequest& request,
               const MatchRule& rule, Deleter& deleter)
{
    // A folder that could not be read whole has nothing to delete; its row tells.
    if (entry.unreadable) return Outcome::Failed;
    if (request.picks && !rule.TakesListed(entry)) return Outcome::Failed;
    if (request.previewOnly) return Outcome::WouldDelete;
    return pass == Pass::Files ? deleter.DeleteCollectedFile(entry)
                               : deleter.DeleteCollectedFolder(entry);
}

// One pass over its list; false when it was stopped before its end. spent is the list again
// when the run owns it (not a preview's picks): each object is let go of once told, as the
// log that is told takes a copy.
bool RunPass(Pass pass, const PathList& list, PathList* spent, const CleanRequest& request,
             const MatchRule& rule, Deleter& deleter, ICleanReport& report,
             const std::atomic<bool>& stop)
{
    // The time stamp is taken after the walk, before the first object is handled.
    report.BeginPass(pass, GetTimeStamp());
    ULONGLONG total = 0;
    WString counted;  // the last folder whose bytes are in the total, with a closing backslash
    for (size_t at = 0; at < list.size(); ++at) {
        const PathEntry& entry = list[at];
        if (stop) {
            report.EndPass(true, total);
            return false;
        }
        if (pass == Pass::Files) report.Working(pass, entry.path);
        const Outcome outcome = Handle(entry, pass, request, rule, deleter);
        if (pass == Pass::Folders) report.Working(pass, entry.path);
        // Folders come in walk order: one inside a counted folder follows it directly.
        const bool inside =
            !counted.empty() && entry.relative.compare(0, counted.size(), counted) == 0;
        const bool stays = outcome == Outcome::Failed || outcome == Outcome::TooLargeForBin;
        if (!stays && !inside) {
            total += entry.size;
            if (pass == Pass::Folders) counted = entry.relative + _T("\\");
        }
        report.ObjectDone(outcome, entry);
        if (spent) (*spent)[at] = PathEntry();
    }
    report.EndPass(false, total);
    return true;
}

}  // namespace

RunEnd RunClean(const CleanRequest& request, ICleanReport& report, const std::atomic<bool>& stop,
                FileSystem& fileSystem, RecycleBin* recycleBin)
{
    if (!request.files && !request.folders) return RunEnd::Completed;
    RedirectionOff redirectionOff(fileSystem);
    const std::unique_ptr<OpenObject> root = OpenObject::OpenRoot(fileSystem, request.folder);
    if (!root) return RunEnd::FolderUnavailable;
    // Said once, before anything is handed over, rather than by every object's row.
    const bool recycling = request.toRecycleBin && !request.previewOnly;
    ULONGLONG binCapacity = 0;
    if (recycling && recycleBin) {
        const RedirectionOff::On on(redirectionOff);
        binCapacity = recycleBin->Capacity(fileSystem.PathWithRedirectionOn(request.folder));
    }
    if (recycling && binCapacity == 0) return RunEnd::NoRecycleBin;

    // The age is counted back from the moment the run began.
    const MatchRule rule(request.keyword, request.exactMatch, request.matchCase, request.exclusions,
                         request.ageDays, CTime::GetCurrentTime().GetTime());
    PathList files, folders;
    if (!request.picks)
        FindMatches(*root, request.shownFolder, rule, request.files ? &files : nullptr,
                    request.folders ? &folders : nullptr, stop,
                    [&](const WString& folder) { report.Searching(folder); });
    const PathList& fileList = request.picks ? request.picks->files : files;
    const PathList& folderList = request.picks ? request.picks->folders : folders;
    PathList* spentFiles = request.picks ? nullptr : &files;
    PathList* spentFolders = request.picks ? nullptr : &folders;
    if (stop) {
        // Stopped while searching: the pass that would have come first says so.
        report.BeginPass(request.files ? Pass::Files : Pass::Folders, GetTimeStamp());
        report.EndPass(true, 0);
        return RunEnd::Stopped;
    }
    Deleter deleter(*root, stop);
    // A pick is deleted only while it is the object the preview listed.
    if (request.picks) deleter.CheckIdentity();
    if (rule.Restricts()) deleter.KeepOut(rule);
    if (request.toRecycleBin)
        deleter.RecycleInto(recycleBin, request.folder, binCapacity, fileSystem, redirectionOff);
    if (request.files &&
        !RunPass(Pass::Files, fileList, spentFiles, request, rule, deleter, report, stop))
        return RunEnd::Stopped;
    if (request.folders && !stop &&
        !RunPass(Pass::Folders, folderList, spentFolders, request, rule, deleter, report, stop))
        return RunEnd::Stopped;
    return stop ? RunEnd::Stopped : RunEnd::Completed;
}
