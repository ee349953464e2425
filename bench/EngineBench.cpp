// The engine's share of a clean run, without any window: the two walks and the two delete
// passes over their lists, as the clean command calls them (files and folders ticked,
// default options).
//   bench_engine ROOT KEYWORD
#include "bench/Measure.h"

#include <cstdio>
#include <string>

#include "engine/EmptyFolder.h"
#include "engine/LongPath.h"
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
    PathList paths;
    FindMatchingFiles(root, keyword, paths, 0, 0);
    double fileWalk = phase.Seconds();
    const long long files = paths.size();

    phase.Restart();
    for (const PathEntry& entry : paths) failures += DeleteFileW(entry.path.c_str()) != 1;
    double fileDelete = phase.Seconds();
    paths.clear();

    phase.Restart();
    FindMatchingFolders(root, keyword, paths, 0, 0);
    double folderWalk = phase.Seconds();
    const long long folders = paths.size();

    phase.Restart();
    for (const PathEntry& entry : paths) {
        EmptyFolder(entry.path);
        failures += RemoveDirectoryW(entry.path.c_str()) != 1;
    }
    double folderDelete = phase.Seconds();
    double seconds = total.Seconds(), cpu = total.CpuSeconds();

    // A matching folder inside another is gone when its turn comes: a failure by design.
    PrintResult("engine",
                SecondsField("seconds", seconds) + " " + SecondsField("cpu", cpu) + " " +
                    SecondsField("file_walk", fileWalk) + " " +
                    SecondsField("file_delete", fileDelete) + " " +
                    SecondsField("folder_walk", folderWalk) + " " +
                    SecondsField("folder_delete", folderDelete) + " " + CountField("files", files) +
                    " " + CountField("folders", folders) + " " + CountField("failures", failures),
                baseline);
    return 0;
}
