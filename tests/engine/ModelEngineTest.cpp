// The engine on a model of Windows' file system: the answers Wine never gives (marked links,
// the POSIX disposition, volumes that refuse a listing class or a flag, System32 redirection,
// server-side links) and faults at any point of a run.
#include "engine/MatchRule.h"
#include "engine/OpenObject.h"
#include "engine/PathCheck.h"
#include "engine/TreeWalk.h"
#include "tests/engine/RunRecorder.h"
#include "tests/support/ModelFileSystem.h"
#include "tests/support/ModelRecycleBin.h"

#include <gtest/gtest.h>

namespace {

const WString kRoot = _T("C:\\work");

typedef std::vector<WString> Rows;

class ModelRun : public ::testing::Test {
protected:
    void SetUp() override { fs.AddFolder(kRoot); }

    WString At(const WString& relative) const { return kRoot + _T("\\") + relative; }
    void Folder(const WString& relative, DWORD attributes = 0)
    {
        fs.AddFolder(At(relative), attributes);
    }
    void File(const WString& relative, DWORD attributes = 0)
    {
        fs.AddFile(At(relative), attributes);
    }

    // Both passes on the chosen folder, default options.
    static CleanRequest Request(const WString& keyword, const WString& folder = kRoot,
                                bool preview = false)
    {
        return {ModelFileSystem::LongPath(folder),
                folder,
                keyword,
                0,
                0,
                true,
                true,
                preview,
                false,
                nullptr,
                {},
                0};
    }

    // A run of both passes on the chosen folder (`kRoot` unless named).
    RunEnd Run(const WString& keyword, const WString& folder = kRoot)
    {
        report = RunRecorder(folder);
        report.afterObject = afterObject;
        return RunClean(Request(keyword, folder), report, stop, fs);
    }

    ModelFileSystem fs;
    RunRecorder report{kRoot};
    std::atomic<bool> stop{false};
    std::function<void()> afterObject;
};

// A deletion that fails changes nothing; read-only alone is cleared, only when read-only is
// what refused, and it is back whenever the object stays, under any of its names.
TEST_F(ModelRun, AFailedDeletionLeavesEveryAttributeAsItWas)
{
    const DWORD customised = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                             FILE_ATTRIBUTE_READONLY | 0x2000 /* not indexed */ |
                             0x80000 /* pinned */;
    Folder(_T("locked_junk"), customised);
    File(_T("locked_junk\\busy.txt"), FILE_ATTRIBUTE_HIDDEN);
    fs.Hold(At(_T("locked_junk\\busy.txt")), false);
    Folder(_T("running_junk"));
    File(_T("running_junk\\tool.exe"), FILE_ATTRIBUTE_READONLY);
    fs.At(At(_T("running_junk\\tool.exe"))).runningImage = true;
    fs.AddFolder(_T("C:\\outside"));
    fs.AddFile(_T("C:\\outside\\shared.txt"), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    Folder(_T("linked_junk"));
    fs.AddHardLink(At(_T("linked_junk\\shared.txt")), _T("C:\\outside\\shared.txt"));

    // Every kind of system: one that can ignore read-only, one that cannot (1607 to 1803),
    // and one with only the classic disposition.
    for (const auto disposition :
         {ModelFileSystem::Disposition::PosixIgnoreReadOnly, ModelFileSystem::Disposition::Posix,
          ModelFileSystem::Disposition::ClassicOnly}) {
        fs.volume.disposition = disposition;
        Run(_T("_junk"));
        EXPECT_EQ(customised | FILE_ATTRIBUTE_DIRECTORY, fs.Attributes(At(_T("locked_junk"))));
        EXPECT_EQ(DWORD(FILE_ATTRIBUTE_HIDDEN), fs.Attributes(At(_T("locked_junk\\busy.txt"))));
        EXPECT_EQ(DWORD(FILE_ATTRIBUTE_READONLY), fs.Attributes(At(_T("running_junk\\tool.exe"))));
        EXPECT_FALSE(fs.Exists(At(_T("linked_junk"))));
        EXPECT_EQ(DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
                  fs.Attributes(_T("C:\\outside\\shared.txt")));
        fs.AddFolder(At(_T("linked_junk")));
        fs.AddHardLink(At(_T("linked_junk\\shared.txt")), _T("C:\\outside\\shared.txt"));
    }
}

// Stop reaches inside a folder being emptied: what is left stays, the folder's row says so,
// and the pass ends stopped.
TEST_F(ModelRun, StopIsHonouredInsideAFolderBeingEmptied)
{
    Folder(_T("node_modules"));
    for (int i = 0; i < 50; ++i) File(_T("node_modules\\f") + WString(1, WCHAR(0x4E00 + i)));
    Folder(_T("node_modules_b"));
    File(_T("zz_node_modules"));
    int deletions = 0;
    fs.plan = [&](ModelFileSystem::Call call, const WString&, ULONG infoClass) {
        if (call == ModelFileSystem::Call::SetInformation &&
            infoClass == nt::kDispositionInformationEx && ++deletions == 10)
            stop = true;
        return nt::kSuccess;
    };
    EXPECT_EQ(RunEnd::Stopped, Run(_T("node_modules")));
    // zz_node_modules went first, as a file; then nine deletions inside the folder.
    EXPECT_EQ((Rows{_T("files"), _T("√ zz_node_modules"), _T("end"), _T("folders"),
                    _T("× node_modules"), _T("stopped")}),
              report.rows);
    EXPECT_EQ(41u, fs.Entries(At(_T("node_modules"))).size());
}

// Nothing that matched is skipped in silence: a folder that cannot be opened or read whole
// gets a row, and what was read of it is still handled.
TEST_F(ModelRun, AFolderThatCannotBeReadWholeGetsARow)
{
    Folder(_T("share"));
    File(_T("share\\a_tmp"));
    File(_T("share\\b_tmp"));
    File(_T("share\\c_tmp"));
    Folder(_T("private"));
    File(_T("private\\x_tmp"));
    fs.At(At(_T("private"))).denyList = true;
    Folder(_T("cloud"));
    fs.At(At(_T("cloud"))).openFailure = nt::kCloudProviderNotRunning;
    fs.volume.recordsPerRead = 3;  // ".", ".." and one entry per read
    int reads = 0;
    fs.plan = [&](ModelFileSystem::Call call, const WString& path, ULONG) {
        if (call == ModelFileSystem::Call::QueryDirectory && path == At(_T("share")) &&
            ++reads == 2)
            return nt::kUnexpectedNetworkError;
        return nt::kSuccess;
    };
    Run(_T("_tmp"));
    EXPECT_EQ((Rows{_T("files"), _T("× share"), _T("√ share\\a_tmp"), _T("× private"),
                    _T("× cloud"), _T("end"), _T("folders"), _T("end")}),
              report.rows);
}

// Volumes that refuse the listing class with file ids are listed with one they accept.
TEST_F(ModelRun, AVolumeThatRefusesAListingClassIsListedWithAnother)
{
    Folder(_T("a"));
    File(_T("a\\x_tmp"));
    Folder(_T("b_tmp"));
    fs.AddReparsePoint(At(_T("link_tmp")), true, nt::kTagSymlink, _T("C:\\outside"));
    fs.AddFolder(_T("C:\\outside"));
    fs.AddFile(_T("C:\\outside\\kept_tmp"));
    for (const std::set<ULONG>& refused :
         {std::set<ULONG>{nt::kIdBothDirectoryInformation},
          std::set<ULONG>{nt::kIdBothDirectoryInformation, nt::kFullDirectoryInformation}}) {
        fs.volume.refusedListingClasses = refused;
        Run(_T("_tmp"));
        EXPECT_EQ((Rows{_T("files"), _T("√ a\\x_tmp"), _T("end"), _T("folders"), _T("√ b_tmp"),
                        _T("√ link_tmp"), _T("end")}),
                  report.rows);
        EXPECT_TRUE(fs.Exists(_T("C:\\outside\\kept_tmp")));
        Folder(_T("b_tmp"));
        File(_T("a\\x_tmp"));
        fs.AddReparsePoint(At(_T("link_tmp")), true, nt::kTagSymlink, _T("C:\\outside"));
    }
}

// Open handles are bounded by the depth of the tree, not its width: a server's limit on
// open handles is never reached by a wide tree.
TEST_F(ModelRun, OpenHandlesAreBoundedByDepth)
{
    for (int i = 0; i < 300; ++i) {
        const WString folder = _T("d") + WString(1, WCHAR(0x4E00 + i));
        Folder(folder);
        File(folder + _T("\\x_tmp"));
    }
    fs.volume.handleLimit = 16;
    Run(_T("_tmp"));
    EXPECT_EQ(304u, report.rows.size());
    for (const WString& row : report.rows) EXPECT_NE(_T('×'), row[0]);
    EXPECT_LE(fs.PeakHandles(), 5u);
    EXPECT_EQ(0u, fs.OpenHandles());
}

// A 32-bit program on 64-bit Windows cleans the System32 it was given, not SysWOW64.
TEST_F(ModelRun, TheFolderNamedIsTheFolderCleanedOn64BitWindows)
{
    fs.volume.wow64 = true;
    fs.AddFolder(_T("C:\\Windows"));
    for (const WString folder : {_T("C:\\Windows\\System32"), _T("C:\\Windows\\SysWOW64")}) {
        fs.AddFolder(folder);
        fs.AddFile(folder + _T("\\old_tmp"));
    }
    Run(_T("_tmp"), _T("C:\\Windows\\System32"));
    EXPECT_FALSE(fs.Exists(_T("C:\\Windows\\System32\\old_tmp")));
    EXPECT_TRUE(fs.Exists(_T("C:\\Windows\\SysWOW64\\old_tmp")));
}

// Deletion asks for the right to delete alone: an ACL that grants it but not the right to
// change attributes lets the object go.
TEST_F(ModelRun, DeletionNeedsOnlyTheRightToDelete)
{
    File(_T("a_tmp"));
    Folder(_T("b_tmp"));
    File(_T("b_tmp\\inner"));
    for (const WString name : {_T("a_tmp"), _T("b_tmp"), _T("b_tmp\\inner")})
        fs.At(At(name)).denyWriteAttributes = true;
    Run(_T("_tmp"));
    EXPECT_EQ(
        (Rows{_T("files"), _T("√ a_tmp"), _T("end"), _T("folders"), _T("√ b_tmp"), _T("end")}),
        report.rows);
}

// A volume without the extended disposition (a FAT32 stick) does not keep a later run on
// NTFS from using it: there a file another program holds open with share-delete leaves its
// folder at once.
TEST_F(ModelRun, TheDispositionIsDecidedPerVolume)
{
    fs.volume.disposition = ModelFileSystem::Disposition::ClassicOnly;
    File(_T("first_tmp"));
    Run(_T("_tmp"));
    fs.volume.disposition = ModelFileSystem::Disposition::PosixIgnoreReadOnly;
    Folder(_T("cache_tmp"));
    File(_T("cache_tmp\\open.log"));
    const HANDLE other = fs.Hold(At(_T("cache_tmp\\open.log")), true);
    Run(_T("_tmp"));
    EXPECT_EQ((Rows{_T("files"), _T("end"), _T("folders"), _T("√ cache_tmp"), _T("end")}),
              report.rows);
    fs.Close(other);
}

// A loop of links that a server shows as plain folders is not walked round again.
TEST_F(ModelRun, AFolderMetAgainOnItsOwnWayInIsNotEntered)
{
    Folder(_T("a"));
    File(_T("a\\x_tmp"));
    fs.AddServerLink(At(_T("a\\back")), kRoot);
    Folder(_T("loop_tmp"));
    fs.AddServerLink(At(_T("loop_tmp\\again")), At(_T("loop_tmp")));
    EXPECT_EQ(RunEnd::Completed, Run(_T("_tmp")));
    EXPECT_EQ((Rows{_T("files"), _T("√ a\\x_tmp"), _T("× a\\back"), _T("× loop_tmp\\again"),
                    _T("end"), _T("folders"), _T("× loop_tmp"), _T("end")}),
              report.rows);
}

// Depth is limited by what paths allow, not by a thread's stack.
TEST_F(ModelRun, ATreeTenThousandLevelsDeepIsWalkedAndDeleted)
{
    WString path = _T("deep_tmp");
    Folder(path);
    for (int level = 0; level < 10000; ++level) {
        path += _T("\\d");
        Folder(path);
    }
    File(path + _T("\\bottom_tmp"));
    EXPECT_EQ(RunEnd::Completed, Run(_T("_tmp")));
    EXPECT_EQ(_T("√ ") + path + _T("\\bottom_tmp"), report.rows[1]);
    EXPECT_EQ(_T("√ deep_tmp"), report.rows[4]);
    EXPECT_TRUE(fs.Entries(kRoot).empty());
}

// A chosen folder reached through a junction (a redirected Documents folder) is cleaned
// where the path leads; a chosen folder that is a link itself is refused.
TEST_F(ModelRun, AChosenFolderReachedThroughALinkIsCleanedWhereItLeads)
{
    fs.AddFolder(_T("C:\\D"));
    fs.AddFolder(_T("C:\\D\\Docs"));
    fs.AddFolder(_T("C:\\D\\Docs\\proj"));
    fs.AddFile(_T("C:\\D\\Docs\\proj\\a_tmp"));
    fs.AddReparsePoint(At(_T("Documents")), true, nt::kTagMountPoint, _T("C:\\D\\Docs"));
    EXPECT_EQ(RunEnd::Completed, Run(_T("_tmp"), At(_T("Documents\\proj"))));
    EXPECT_FALSE(fs.Exists(_T("C:\\D\\Docs\\proj\\a_tmp")));
    EXPECT_EQ(RunEnd::FolderUnavailable, Run(_T("_tmp"), At(_T("Documents"))));
}

// Reparse points that are not links are ordinary objects: entered, matched and deleted as
// themselves; links of every kind are deleted as themselves and never entered.
TEST_F(ModelRun, OnlyNameSurrogatesAreLinks)
{
    fs.AddFolder(_T("C:\\outside"));
    fs.AddFile(_T("C:\\outside\\secret_tmp"));
    struct Point {
        const WCHAR* name;
        bool folder;
        DWORD tag;
    } const points[] = {
        {_T("junction_tmp"), true, nt::kTagMountPoint}, {_T("symlink"), true, nt::kTagSymlink},
        {_T("wsl_tmp"), false, nt::kTagWslLink},        {_T("dedup_tmp"), false, nt::kTagDedup},
        {_T("alias_tmp"), false, nt::kTagAppExecLink},  {_T("cloud"), true, nt::kTagCloud},
    };
    for (const Point& point : points)
        fs.AddReparsePoint(At(point.name), point.folder, point.tag, _T("C:\\outside"));
    File(_T("cloud\\synced_tmp"));  // a placeholder folder holds real entries
    Run(_T("_tmp"));
    EXPECT_EQ((Rows{_T("files"), _T("√ wsl_tmp"), _T("√ dedup_tmp"), _T("√ alias_tmp"),
                    _T("√ cloud\\synced_tmp"), _T("end"), _T("folders"), _T("√ junction_tmp"),
                    _T("end")}),
              report.rows);
    EXPECT_EQ((std::set<WString>{_T("symlink"), _T("cloud")}), fs.Entries(kRoot));
    EXPECT_TRUE(fs.Exists(_T("C:\\outside\\secret_tmp")));
}

// Someone swaps a folder for a junction to a folder outside at the worst moments: between
// the walk and the deletions, and between an object's check and its deletion. Nothing
// outside goes, and what cannot be reached as the listed object gets its row.
TEST_F(ModelRun, SwapsForLinksRedirectNothing)
{
    struct Swap {
        const char* when;
        ModelFileSystem::Call call;  // the swap comes before this call
        const WCHAR* on;             // on this object
        int occurrence;              // the how-manieth such call
        const WCHAR* swapped;        // what is replaced by a junction to the outside folder
        Rows rows;
    } const swaps[] = {
        {"the folder above, after the walk",
         ModelFileSystem::Call::Open,
         _T("sub"),
         2,
         _T("sub"),
         {_T("files"), _T("× sub\\a_tmp"), _T("end"), _T("folders"), _T("× sub\\d_tmp"),
          _T("end")}},
        {"a matched folder, between its check and its deletion",
         ModelFileSystem::Call::SetInformation,
         _T("sub\\d_tmp\\inner"),
         1,
         _T("sub\\d_tmp"),
         {_T("files"), _T("√ sub\\a_tmp"), _T("end"), _T("folders"), _T("√ sub\\d_tmp"),
          _T("end")}},
    };
    int number = 0;
    for (const Swap& swap : swaps) {
        SCOPED_TRACE(swap.when);
        const WString suffix = WString(1, WCHAR(_T('0') + number++));
        const WString root = At(_T("case") + suffix), outside = _T("C:\\outside") + suffix;
        fs.AddFolder(outside);
        fs.AddFile(outside + _T("\\a_tmp"));
        fs.AddFolder(outside + _T("\\d_tmp"));
        fs.AddFile(outside + _T("\\d_tmp\\inner"));
        const std::set<WString> outsideBefore = fs.Entries(outside);
        fs.AddFolder(root);
        fs.AddFolder(root + _T("\\sub"));
        fs.AddFile(root + _T("\\sub\\a_tmp"));
        fs.AddFolder(root + _T("\\sub\\d_tmp"));
        fs.AddFile(root + _T("\\sub\\d_tmp\\inner"));
        int calls = 0;
        fs.plan = [&](ModelFileSystem::Call call, const WString& path, ULONG) {
            if (call == swap.call && path == root + _T("\\") + swap.on &&
                ++calls == swap.occurrence) {
                const WString place = root + _T("\\") + swap.swapped;
                const size_t cut = place.rfind(_T('\\'));
                for (auto& sibling : fs.At(place.substr(0, cut)).children)
                    if (sibling.first == place.substr(cut + 1)) sibling.first += _T(".orig");
                fs.AddReparsePoint(place, true, nt::kTagMountPoint, outside);
            }
            return nt::kSuccess;
        };
        Run(_T("_tmp"), root);
        fs.plan = nullptr;
        EXPECT_EQ(swap.occurrence, calls);
        EXPECT_EQ(swap.rows, report.rows);
        EXPECT_EQ(outsideBefore, fs.Entries(outside));
    }
}

// The walk reads sizes from the listing: a file's own, a folder's total of everything inside
// it at any depth (links count for nothing: they are not entered).
TEST_F(ModelRun, TheWalkTotalsEachMatchedFolder)
{
    fs.AddFile(At(_T("a_tmp")), 0, 512);
    Folder(_T("d_tmp"));
    fs.AddFile(At(_T("d_tmp\\x")), 0, 1000);
    Folder(_T("d_tmp\\inner_tmp"));
    fs.AddFile(At(_T("d_tmp\\inner_tmp\\y_tmp")), 0, 24);
    fs.AddReparsePoint(At(_T("d_tmp\\link")), true, nt::kTagSymlink, kRoot);
    fs.AddFile(At(_T("big_tmp")), 0, 5ull << 32);
    const std::unique_ptr<OpenObject> root =
        OpenObject::OpenRoot(fs, ModelFileSystem::LongPath(kRoot));
    ASSERT_TRUE(root);
    PathList files, folders;
    FindMatches(*root, kRoot, MatchRule(_T("_tmp"), 0, 1, Exclusions(), 0, 0), &files, &folders,
                stop);
    std::vector<ULONGLONG> sizes;
    for (const PathList* list : {&files, &folders})
        for (const PathEntry& entry : *list) sizes.push_back(entry.size);
    EXPECT_EQ((std::vector<ULONGLONG>{512, 24, 5ull << 32, 1024, 24}), sizes);
}

// Each pass's total counts every byte once; a preview lists what the run deletes.
TEST_F(ModelRun, PassTotalsCountEachByteOnce)
{
    fs.AddFile(At(_T("a_tmp")), 0, 100);
    Folder(_T("d_tmp"));
    fs.AddFile(At(_T("d_tmp\\b_tmp")), 0, 10);
    Folder(_T("d_tmp\\e_tmp"));
    fs.AddFile(At(_T("d_tmp\\e_tmp\\c")), 0, 1);
    fs.AddFile(At(_T("locked_tmp")), 0, 1000);
    fs.Hold(At(_T("locked_tmp")), false);
    CleanRequest request = Request(_T("_tmp"), kRoot, true);
    RunClean(request, report, stop, fs);
    EXPECT_EQ((std::vector<ULONGLONG>{1110, 11}), report.totals);  // a preview cannot see a lock
    request.previewOnly = false;
    report = RunRecorder(kRoot);
    RunClean(request, report, stop, fs);
    EXPECT_EQ((std::vector<ULONGLONG>{110, 11}), report.totals);  // what went, by its walk size
}

// After a preview, a run given the ticked objects deletes exactly those, and each only
// while it is still the object the preview listed.
TEST_F(ModelRun, PicksDeleteExactlyTheTickedObjectsThatAreStillThemselves)
{
    for (const WString name : {_T("a_tmp"), _T("b_tmp"), _T("c_tmp"), _T("swapped_tmp")})
        File(name);
    Folder(_T("d_tmp"));
    Folder(_T("e_tmp"));
    CleanRequest request = Request(_T("_tmp"), kRoot, true);
    RunClean(request, report, stop, fs);
    auto picks = std::make_shared<Picks>();
    for (const PathEntry& object : report.objects) {
        if (object.relative == _T("b_tmp") || object.relative == _T("e_tmp")) continue;  // unticked
        (object.isFile ? picks->files : picks->folders).push_back(object);
    }
    // Between the preview and the run, another object takes a ticked one's name.
    for (auto& child : fs.At(kRoot).children)
        if (child.first == _T("swapped_tmp")) child.first = _T("moved_away");
    File(_T("swapped_tmp"));
    request.previewOnly = false;
    request.picks = picks;
    report = RunRecorder(kRoot);
    EXPECT_EQ(RunEnd::Completed, RunClean(request, report, stop, fs));
    EXPECT_EQ((Rows{_T("files"), _T("√ a_tmp"), _T("√ c_tmp"), _T("× swapped_tmp"), _T("end"),
                    _T("folders"), _T("√ d_tmp"), _T("end")}),
              report.rows);
    EXPECT_EQ((std::set<WString>{_T("b_tmp"), _T("e_tmp"), _T("moved_away"), _T("swapped_tmp")}),
              fs.Entries(kRoot));
}

// Recycling: what the bin of the volume can take goes there; what it cannot hold, a
// read-only file and what the shell refuses stay, with nothing of them changed; what the
// shell deleted for good instead is said to be gone. A volume without a bin is said once,
// before anything.
TEST_F(ModelRun, RecyclingHandsOverOnlyWhatTheBinKeepsAndTellsWhatHappened)
{
    File(_T("a_tmp"));
    fs.AddFile(At(_T("big_tmp")), 0, 2000);
    File(_T("readonly_tmp"), FILE_ATTRIBUTE_READONLY);
    File(_T("refused_tmp"));
    File(_T("nuked_tmp"));
    Folder(_T("d_tmp"));
    File(_T("d_tmp\\inner"), FILE_ATTRIBUTE_READONLY);
    ModelRecycleBin bin(fs);
    bin.capacity = 1000;
    bin.refused = {_T("refused_tmp")};
    bin.deletedForGood = {_T("nuked_tmp")};
    CleanRequest request = Request(_T("_tmp"), kRoot, false);
    request.toRecycleBin = true;
    EXPECT_EQ(RunEnd::Completed, RunClean(request, report, stop, fs, &bin));
    EXPECT_EQ((Rows{_T("files"), _T("√ a_tmp"), _T("×bin big_tmp"), _T("× readonly_tmp"),
                    _T("× refused_tmp"), _T("√ nuked_tmp"), _T("end"), _T("folders"),
                    _T("√ d_tmp"), _T("end")}),
              report.rows);
    EXPECT_EQ((std::vector<WString>{At(_T("a_tmp")), At(_T("d_tmp"))}), bin.inBin);
    EXPECT_EQ((std::set<WString>{_T("big_tmp"), _T("readonly_tmp"), _T("refused_tmp")}),
              fs.Entries(kRoot));
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_READONLY), fs.Attributes(At(_T("readonly_tmp"))));

    struct NoBin {
        ModelRecycleBin* bin;
    } const noBins[] = {{nullptr}, {&bin}};
    bin.capacity = 0;
    for (const NoBin& none : noBins) {
        report = RunRecorder(kRoot);
        EXPECT_EQ(RunEnd::NoRecycleBin, RunClean(request, report, stop, fs, none.bin));
        EXPECT_TRUE(report.rows.empty());
        EXPECT_TRUE(fs.Exists(At(_T("big_tmp"))));
    }
}

// On 64-bit Windows a 32-bit run cleans System32 with the redirection off, but the shell
// needs it on: it is on whenever the bin is asked, and the bin is given the path that names
// the same object then.
TEST_F(ModelRun, TheBinIsAskedWithTheRedirectionOnForTheObjectTheRunChecked)
{
    fs.volume.wow64 = true;
    fs.AddFolder(_T("C:\\Windows"));
    for (const WString folder : {_T("C:\\Windows\\System32"), _T("C:\\Windows\\SysWOW64")}) {
        fs.AddFolder(folder);
        fs.AddFile(folder + _T("\\old_tmp"));
    }
    ModelRecycleBin bin(fs);
    CleanRequest request = Request(_T("_tmp"), _T("C:\\Windows\\System32"), false);
    request.toRecycleBin = true;
    report = RunRecorder(_T("C:\\Windows\\System32"));
    RunClean(request, report, stop, fs, &bin);
    EXPECT_FALSE(bin.calledWithRedirectionOff);
    EXPECT_EQ((std::vector<WString>{_T("C:\\Windows\\System32\\old_tmp")}), bin.inBin);
    EXPECT_TRUE(fs.Exists(_T("C:\\Windows\\SysWOW64\\old_tmp")));
}

// A handle handed over with an informational status is used and closed like any other.
TEST_F(ModelRun, AnInformationalStatusStillHandsOverAHandle)
{
    fs.volume.openStatus = 0x00000108;  // STATUS_OPLOCK_BREAK_IN_PROGRESS
    Folder(_T("a"));
    File(_T("a\\x_tmp"));
    EXPECT_EQ(RunEnd::Completed, Run(_T("_tmp")));
    EXPECT_EQ(_T("√ a\\x_tmp"), report.rows[1]);
    EXPECT_EQ(0u, fs.OpenHandles());
}

// A drive's root is cleaned whatever its file system lists first: FAT and exFAT list no "."
// and "..", and answer an empty root's first read with STATUS_NO_SUCH_FILE.
TEST_F(ModelRun, AnEmptyDriveRootIsAnEmptyFolder)
{
    struct Case {
        bool fat;
        bool withFile;
        Rows rows;
    } const cases[] = {
        {true, false, {_T("files"), _T("end"), _T("folders"), _T("end")}},
        {true, true, {_T("files"), _T("√ a_tmp"), _T("end"), _T("folders"), _T("end")}},
        {false, false, {_T("files"), _T("end"), _T("folders"), _T("end")}},
    };
    for (const Case& c : cases) {
        fs.volume.fat = c.fat;
        fs.At(_T("C:")).children.clear();
        if (c.withFile) fs.AddFile(_T("C:\\a_tmp"));
        report = RunRecorder(_T("C:"));
        EXPECT_EQ(RunEnd::Completed, RunClean(Request(_T("_tmp"), _T("C:\\")), report, stop, fs));
        EXPECT_EQ(c.rows, report.rows) << c.fat << c.withFile;
    }
}

// The folder check accepts the folders users choose whatever their data attributes, and
// sees what the run cleans; the run opens a folder whose parent it may traverse but not list.
TEST_F(ModelRun, TheFolderCheckAcceptsTheFoldersUsersChoose)
{
    const DWORD notIndexed = 0x2000, compressed = 0x800, encrypted = 0x4000, pinned = 0x80000,
                unpinned = 0x100000, recallOnAccess = 0x400000;
    struct Case {
        const TCHAR* folder;
        DWORD attributes;
        bool accepted;
    } const cases[] = {
        {_T("Documents"), FILE_ATTRIBUTE_READONLY, true},
        {_T("archive"), FILE_ATTRIBUTE_ARCHIVE, true},
        {_T("not_indexed"), notIndexed, true},
        {_T("compressed"), compressed, true},
        {_T("encrypted"), encrypted, true},
        {_T("OneDrive"), pinned | FILE_ATTRIBUTE_READONLY, true},
        {_T("online_only"), unpinned | recallOnAccess, true},
        {_T("hidden"), FILE_ATTRIBUTE_HIDDEN, false},
        {_T("system"), FILE_ATTRIBUTE_SYSTEM, false},
    };
    for (const Case& c : cases) {
        Folder(c.folder, c.attributes);
        EXPECT_EQ(c.accepted, IsFolderToClean(fs, ModelFileSystem::LongPath(At(c.folder))))
            << ::testing::PrintToString(WString(c.folder));
    }
    fs.AddReparsePoint(At(_T("cloud_placeholder")), true, nt::kTagCloud);
    fs.AddReparsePoint(At(_T("junction")), true, nt::kTagMountPoint, kRoot);
    File(_T("file.txt"));
    for (const WString name : {_T("cloud_placeholder"), _T("junction"), _T("file.txt"),
                               _T("missing")})
        EXPECT_EQ(name == _T("cloud_placeholder"),
                  IsFolderToClean(fs, ModelFileSystem::LongPath(At(name))))
            << ::testing::PrintToString(name);

    // A drive's root is hidden and system on NTFS.
    fs.At(_T("C:")).attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    EXPECT_TRUE(IsFolderToClean(fs, ModelFileSystem::LongPath(_T("C:\\"))));

    // A 32-bit program on 64-bit Windows: the check sees System32, as the run does.
    fs.volume.wow64 = true;
    fs.AddFolder(_T("C:\\Windows"));
    fs.AddFolder(_T("C:\\Windows\\System32"));
    fs.AddFolder(_T("C:\\Windows\\SysWOW64"));
    fs.AddFolder(_T("C:\\Windows\\System32\\only_native"));
    EXPECT_TRUE(
        IsFolderToClean(fs, ModelFileSystem::LongPath(_T("C:\\Windows\\System32\\only_native"))));
    fs.volume.wow64 = false;

    // \\server\home$\user: the folder above may be gone through, not listed.
    Folder(_T("home"));
    Folder(_T("home\\user"));
    File(_T("home\\user\\old_tmp"));
    fs.At(At(_T("home"))).denyList = true;
    EXPECT_EQ(RunEnd::Completed, Run(_T("_tmp"), At(_T("home\\user"))));
    EXPECT_FALSE(fs.Exists(At(_T("home\\user\\old_tmp"))));
}

// Identity holds where 64-bit ids do not: on ReFS they may be all ones or shared, and the
// 128-bit ids tell objects apart; a system without 128-bit ids keeps the 64-bit ones.
TEST_F(ModelRun, FileIdentityHoldsOnReFS)
{
    typedef ModelFileSystem::Volume::Ids64 Ids64;
    struct Case {
        Ids64 ids64;
        bool ids128;
    } const cases[] = {
        {Ids64::AllOnes, true}, {Ids64::Shared, true}, {Ids64::Unique, true}, {Ids64::Unique, false}};
    for (const Case& c : cases) {
        ModelFileSystem volume;
        volume.volume.ids64 = c.ids64;
        volume.volume.ids128 = c.ids128;
        volume.AddFolder(kRoot);
        volume.AddFolder(At(_T("a")));
        volume.AddFolder(At(_T("a\\b")));
        volume.AddFile(At(_T("a\\b\\x_tmp")));
        for (const WString name : {_T("p_tmp"), _T("q_tmp")}) volume.AddFile(At(name));
        // A preview, then another object takes a listed one's name.
        RunRecorder preview(kRoot);
        RunClean(Request(_T("_tmp"), kRoot, true), preview, stop, volume);
        EXPECT_EQ((Rows{_T("files"), _T("○ a\\b\\x_tmp"), _T("○ p_tmp"), _T("○ q_tmp"),
                        _T("end"), _T("folders"), _T("end")}),
                  preview.rows)
            << static_cast<int>(c.ids64) << c.ids128;
        auto picks = std::make_shared<Picks>();
        picks->files = preview.objects;
        for (auto& child : volume.At(kRoot).children)
            if (child.first == _T("q_tmp")) child.first = _T("moved_away");
        volume.AddFile(At(_T("q_tmp")));
        CleanRequest request = Request(_T("_tmp"));
        request.picks = picks;
        RunRecorder run(kRoot);
        RunClean(request, run, stop, volume);
        EXPECT_EQ((Rows{_T("files"), _T("√ a\\b\\x_tmp"), _T("√ p_tmp"), _T("× q_tmp"),
                        _T("end"), _T("folders"), _T("end")}),
                  run.rows)
            << static_cast<int>(c.ids64) << c.ids128;
    }
}

}  // namespace
