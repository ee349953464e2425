// Wall-clock time and peak memory of one measured step, printed as one result line the
// harness (run.sh) collects.
#pragma once

#include <windows.h>

#include <string>

// Wall-clock time, and the processor time of this process (user and kernel), which a busy
// machine disturbs less.
class Stopwatch {
public:
    Stopwatch();
    void Restart();
    double Seconds() const;  // since construction or the last Restart
    double CpuSeconds() const;

private:
    LARGE_INTEGER m_start;
    double m_cpuStart;
};

// Working set of this process now and at its peak, in kilobytes (psapi).
SIZE_T WorkingSetKb();
SIZE_T PeakWorkingSetKb();

// Writes "RESULT mode=<mode> <fields>" plus the peak working set and the growth of the
// working set since baselineKb, and flushes it. The peak is the process's unless given: a step
// after the first measures its own.
void PrintResult(const char* mode, const std::string& fields, SIZE_T baselineKb,
                 SIZE_T peakKb = 0);

// "name=value" with the value in seconds, for PrintResult's fields.
std::string SecondsField(const char* name, double seconds);
std::string CountField(const char* name, long long count);
