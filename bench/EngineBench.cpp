// The engine's share of a clean run, without any window: the run as the dialog starts it
// (files and folders ticked, default options), with a report that only notes when each part
// ends, on the system's file system with a count of the handles the engine holds open.
//   bench_engine ROOT KEYWORD
#include "bench/Measure.h"

#include <cstdio>
#include <string>

#include "engine/CleanRun.h"
#include "engine/LongPath.h"

#include <algorithm>

namespace {

// The system's file system, counting the handles open at once.
class CountingFileSystem : public FileSystem {
public:
    NTSTATUS Open(HANDLE folder, const WString& name, ULONG access, ULONG share, ULONG options,
                  HANDLE& opened) override
    {
        const NTSTATUS status = m_system.Open(folder, name, access, share, options, opened);
        if (nt::Succeeded(status)) peak = std::max(peak, ++open);
        return status;
    }
    NTSTATUS QueryDirectory(HANDLE folder, ULONG infoClass, bool restart, void* buffer, ULONG size,
                            ULONG& written) override
    {
        return m_system.QueryDirectory(folder, infoClass, restart, buffer, size, written);
    }
    NTSTATUS QueryInformation(HANDLE object, ULONG infoClass, void* buffer, ULONG size) override
    {
        return m_system.QueryInformation(object, infoClass, buffer, size);
    }
    NTSTATUS SetInformation(HANDLE object, ULONG infoClass, const void* buffer, ULONG size) override
    {
        return m_system.SetInformation(object, infoClass, buffer, size);
    }
    NTSTATUS QueryName(HANDLE object, WString& name) override
    {
        return m_system.QueryName(object, name);
    }
    NTSTATUS QueryAttributesAt(const WString& ntPath, ULONG& attributes) override
    {
        return m_system.QueryAttributesAt(ntPath, attributes);
    }
    void Close(HANDLE object) override
    {
        --open;
        m_system.Close(object);
    }
    bool DisableRedirection(void*& token) override { return m_system.DisableRedirection(token); }
    void RevertRedirection(void* token) override { m_system.RevertRedirection(token); }
    WString PathWithRedirectionOn(const WString& longPath) override
    {
        return m_system.PathWithRedirectionOn(longPath);
    }
    bool LinksUnmarked() override { return m_system.LinksUnmarked(); }

    long long open = 0, peak = 0;

private:
    FileSystem& m_system = SystemFileSystem();
};

// The walk ends when the first pass begins; each pass ends with its block.
class Timings : public ICleanReport {
public:
    explicit Timings(const Stopwatch& clock)
        : m_clock(clock)
    {
    }
    void Searching(const WString&) override {}
    void BeginPass(Pass pass, const WString&) override
    {
        if (pass == Pass::Files) walkEnd = m_clock.Seconds();
        if (pass == Pass::Folders) fileEnd = m_clock.Seconds();
    }
    void Working(Pass, const WString&) override {}
    void ObjectDone(Outcome outcome, const PathEntry&) override
    {
        ++objects;
        failures += outcome != Outcome::Deleted;
    }
    void EndPass(bool, ULONGLONG) override { end = m_clock.Seconds(); }

    double walkEnd = 0, fileEnd = 0, end = 0;
    long long objects = 0, failures = 0;

private:
    const Stopwatch& m_clock;
};

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: bench_engine ROOT KEYWORD [EXCLUSIONS DAYS]\n");
        return 2;
    }
    const WString shown = GetAbsolutePath(argv[1]);
    CleanRequest request = {ToLongPath(shown), shown, argv[2], 0, 0, true, true, false, false,
                            nullptr,           {},    0};
    WString badItem;
    if (argc == 5 &&
        (ReadExclusions(argv[3], shown, request.exclusions, badItem) != ExclusionsCheck::Accepted ||
         !ReadAgeDays(argv[4], request.ageDays))) {
        std::fprintf(stderr, "the exclusions or the days are not accepted\n");
        return 2;
    }
    SIZE_T baseline = WorkingSetKb();

    Stopwatch total;
    Timings timings(total);
    const std::atomic<bool> notStopped(false);
    CountingFileSystem fileSystem;
    const RunEnd end = RunClean(request, timings, notStopped, fileSystem);
    double seconds = total.Seconds(), cpu = total.CpuSeconds();
    if (end != RunEnd::Completed) {
        std::fprintf(stderr, "the run did not complete\n");
        return 1;
    }

    // A matching folder inside another is gone when its turn comes: a failure by design.
    PrintResult("engine",
                SecondsField("seconds", seconds) + " " + SecondsField("cpu", cpu) + " " +
                    SecondsField("walk", timings.walkEnd) + " " +
                    SecondsField("file_delete", timings.fileEnd - timings.walkEnd) + " " +
                    SecondsField("folder_delete", timings.end - timings.fileEnd) + " " +
                    CountField("objects", timings.objects) + " " +
                    CountField("failures", timings.failures) + " " +
                    CountField("peak_handles", fileSystem.peak),
                baseline);
    return 0;
}
