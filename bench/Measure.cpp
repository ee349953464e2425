#include "bench/Measure.h"

#include <psapi.h>

#include <cstdio>

static double ProcessCpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& time) {
        return double((ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

Stopwatch::Stopwatch()
{
    Restart();
}

void Stopwatch::Restart()
{
    QueryPerformanceCounter(&m_start);
    m_cpuStart = ProcessCpuSeconds();
}

double Stopwatch::Seconds() const
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - m_start.QuadPart) / double(frequency.QuadPart);
}

double Stopwatch::CpuSeconds() const
{
    return ProcessCpuSeconds() - m_cpuStart;
}

static PROCESS_MEMORY_COUNTERS MemoryCounters()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

SIZE_T WorkingSetKb()
{
    return MemoryCounters().WorkingSetSize / 1024;
}

SIZE_T PeakWorkingSetKb()
{
    return MemoryCounters().PeakWorkingSetSize / 1024;
}

void PrintResult(const char* mode, const std::string& fields, SIZE_T baselineKb, SIZE_T peakKb)
{
    const SIZE_T peak = peakKb != 0 ? peakKb : PeakWorkingSetKb();
    std::printf("RESULT mode=%s %s peak_kb=%lu growth_kb=%ld\n", mode, fields.c_str(),
                (unsigned long)peak, (long)peak - (long)baselineKb);
    std::fflush(stdout);
}

std::string SecondsField(const char* name, double seconds)
{
    char text[64];
    std::snprintf(text, sizeof text, "%s=%.4f", name, seconds);
    return text;
}

std::string CountField(const char* name, long long count)
{
    char text[64];
    std::snprintf(text, sizeof text, "%s=%lld", name, count);
    return text;
}
