// The engine's share of a clean run, without any window: the run as the dialog starts it
// (files and folders ticked, default options), with a report that only notes when each part
// ends.
//   bench_engine ROOT KEYWORD
#include "bench/Measure.h"

#include <cstdio>
#include <string>

#include "engine/CleanRun.h"
#include "engine/LongPath.h"

namespace {

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
    void ObjectDone(Outcome outcome, const WString&) override
    {
        ++objects;
        failures += outcome != Outcome::Deleted;
    }
    void EndPass(bool) override { end = m_clock.Seconds(); }

    double walkEnd = 0, fileEnd = 0, end = 0;
    long long objects = 0, failures = 0;

private:
    const Stopwatch& m_clock;
};

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_engine ROOT KEYWORD\n");
        return 2;
    }
    const WString shown = GetAbsolutePath(argv[1]);
    const CleanRequest request = {ToLongPath(shown), shown, argv[2], 0, 0, true, true, false};
    SIZE_T baseline = WorkingSetKb();

    Stopwatch total;
    Timings timings(total);
    const std::atomic<bool> notStopped(false);
    const RunEnd end = RunClean(request, timings, notStopped);
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
                    CountField("failures", timings.failures),
                baseline);
    return 0;
}
