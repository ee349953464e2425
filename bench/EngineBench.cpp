// The engine's share of a clean run, without any window: the two walks and the two delete
// passes over their lists, as the clean command calls them (files and folders ticked,
// default options).
//   bench_engine ROOT KEYWORD
#include "bench/Measure.h"

#include <cstdio>
#include <string>

#include "engine/Deletion.h"
#include "engine/LongPath.h"
#include "engine/OpenObject.h"
#include "engine/TreeWalk.h"

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_engine ROOT KEYWORD\n");
        return 2;
    }
    const WString root = ToLongPath(GetAbsolutePath(argv[1])), keyword = argv[2];
    SIZE_T baseline = WorkingSetKb();
    long long failures = 0;

    Stopwatch total;
    Stopwatch phase;
    const std::shared_ptr<const OpenObject> rootFolder = OpenObject::OpenRoot(root);
    if (!rootFolder) {
        std::fprintf(stderr, "cannot open %ls\n", root.c_str());
        return 1;
    }
    PathList files, folders;
    const std::atomic<bool> notStopped(false);
    FindMatches(rootFolder, argv[1], keyword, 0, 0, &files, &folders, notStopped);
    double walk = phase.Seconds();
    const long long fileCount = files.size(), folderCount = folders.size();

    phase.Restart();
    for (const PathEntry& entry : files) failures += !DeleteCollectedFile(entry);
    files.clear();
    double fileDelete = phase.Seconds();

    phase.Restart();
    FolderChain chain(rootFolder);
    for (const PathEntry& entry : folders) failures += !DeleteCollectedFolder(entry, chain);
    double folderDelete = phase.Seconds();
    double seconds = total.Seconds(), cpu = total.CpuSeconds();

    // A matching folder inside another is gone when its turn comes: a failure by design.
    PrintResult("engine",
                SecondsField("seconds", seconds) + " " + SecondsField("cpu", cpu) + " " +
                    SecondsField("walk", walk) + " " + SecondsField("file_delete", fileDelete) +
                    " " + SecondsField("folder_delete", folderDelete) + " " +
                    CountField("files", fileCount) + " " + CountField("folders", folderCount) +
                    " " + CountField("failures", failures),
                baseline);
    return 0;
}
